// What the input dialog shows at its first showing: columns, headers, size and button places
// per distribution, the type lists, the function list, and texts read up to their field's width.
#include <array>
#include <cstring>

#include "loadbc/LoadKinds.h"
#include "tests/loadbc/GridExpectations.h"
#include "tests/loadentry/LoadEntryFixture.h"

namespace loadentry::test {
namespace {

struct FillCase {
  int distribution;
  loadbc::test::GridLook grid;
  ui::Size size;
  int okX, resetX, cancelX;
  int typeItems;
};

class FillTest : public LoadEntryTest, public testing::WithParamInterface<FillCase> {};

TEST_P(FillTest, DistributionDecidesColumnsHeadersSizeAndButtons) {
  const FillCase& c = GetParam();
  host.data().distribution = c.distribution;
  run([&](CLoadBcInputDlg& dialog) {
    EXPECT_EQ(dialog.dialogSize(), c.size);
    EXPECT_EQ(dialog.control(1).rect, (ui::Rect{c.okX, 109, 40, 15}));
    EXPECT_EQ(dialog.control(IDC_RESET).rect, (ui::Rect{c.resetX, 109, 40, 14}));
    EXPECT_EQ(dialog.control(2).rect, (ui::Rect{c.cancelX, 109, 40, 14}));
    loadbc::test::expectGrid(dialog, kGridIds, c.grid, kValueTexts);
    for (const int id : kTypeIds) {
      EXPECT_EQ(dialog.GetCount(id), c.typeItems);
      EXPECT_EQ(dialog.GetDlgItemText(id), "LOAD per UNIT");
    }
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CSYS_NAME), "CSYS-BEAM2");
    dialog.pressEscape();
  });
}

INSTANTIATE_TEST_SUITE_P(
    Distributions, FillTest,
    testing::Values(FillCase{1, {1, 1, {"VALUE", "", ""}}, {200, 140}, 32, 126, 79, 3},
                    FillCase{2, {2, 2, {"BEG.pnt", "END.pnt", ""}}, {278, 140}, 71, 165, 118, 2},
                    FillCase{3, {3, 3, {"PA", "MID", "END-B"}}, {356, 130}, 111, 158, 205, 2},
                    FillCase{0, {3, 1, {"", "", ""}}, {356, 130}, 111, 158, 205, 3},
                    FillCase{4, {3, 1, {"", "", ""}}, {356, 130}, 111, 158, 205, 3}));

TEST_F(LoadEntryTest, FunctionListHoldsTheEntriesNamesWithTheHostsChoice) {
  run([](CLoadBcInputDlg& dialog) {
    EXPECT_TRUE(dialog.functionFlag());
    ASSERT_EQ(dialog.GetCount(IDC_FUNCTION), 2);
    EXPECT_EQ(dialog.GetLBText(IDC_FUNCTION, 0), "RAMP-UP");
    EXPECT_EQ(dialog.GetLBText(IDC_FUNCTION, 1), "SINE 50Hz");
    EXPECT_EQ(dialog.GetCurSel(IDC_FUNCTION), 1);
    dialog.pressEscape();
  });
}

TEST_F(LoadEntryTest, WithoutAFunctionTheListOffersOnlyNotRequired) {
  host.data().functionKind = -1;
  host.data().functionIndex = 1;
  run([](CLoadBcInputDlg& dialog) {
    EXPECT_FALSE(dialog.functionFlag());
    ASSERT_EQ(dialog.GetCount(IDC_FUNCTION), 1);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUNCTION), "Not Required");
    dialog.pressEscape();
  });
}

// A stored TOTAL FORCE has no entry in the lists of a non-uniform load and shows no selection;
// in a uniform one it is there.
TEST_F(LoadEntryTest, TotalForceShowsOnlyForAUniformLoad) {
  host.data().loadType[1] = 2;
  host.data().loadType[2] = 1;
  run([](CLoadBcInputDlg& dialog) {
    EXPECT_EQ(dialog.GetCurSel(IDC_TYPE_1), 0);
    EXPECT_EQ(dialog.GetCurSel(IDC_TYPE_2), -1);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TYPE_3), "DISPLACEMENT");
    dialog.pressEscape();
  });
  host.data().distribution = 1;
  run([](CLoadBcInputDlg& dialog) {
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TYPE_2), "TOTAL FORCE");
    dialog.pressEscape();
  });
}

// Full fields carry no ending zero; what follows them is another field and is not shown.
TEST_F(LoadEntryTest, TextsWithoutTheirEndingZeroStopAtTheFieldsWidth) {
  std::memcpy(host.data().pointName[0], "abcdefghijk", 11);  // runs into the next name
  std::memcpy(host.data().csysName, "CSYS-0123456789-0123456789-0123456789-012345", 44);
  const std::string longName(kFunctionEntrySize, 'F');  // the whole entry, no zero
  testsupport::writeBytes(host, kFunctionEntriesOffset, longName.data(), longName.size());
  run([&](CLoadBcInputDlg& dialog) {
    EXPECT_EQ(dialog.GetDlgItemText(kGridIds.headers[0]), "ABCDEFGHIJK");
    EXPECT_EQ(dialog.GetDlgItemText(kGridIds.headers[1]), "MID");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CSYS_NAME), "CSYS-0123456789-0123456789-0123456789-012345");
    EXPECT_EQ(dialog.GetLBText(IDC_FUNCTION, 0), longName);
    EXPECT_EQ(dialog.GetLBText(IDC_FUNCTION, 1), "SINE 50Hz");
    dialog.pressEscape();
  });
}

TEST_F(LoadEntryTest, ValueFieldsTakeNumbersInCourierUnderWhiteHeadersAndTheNameIsAGreyEdit) {
  loadentry::registerIcon();
  run([](CLoadBcInputDlg& dialog) {
    const ui::Colours editColours{{0, 0, 0}, {150, 150, 150}};
    for (int p = 0; p < 3; ++p) {
      EXPECT_EQ(dialog.effectiveColours(dialog.indexOf(kGridIds.headers[p])),
                (ui::Colours{{255, 255, 255}, {0, 0, 140}}));
      for (int d = 0; d < 3; ++d) {
        EXPECT_EQ(dialog.control(valueId(p, d)).fontFace, "Courier");
        EXPECT_EQ(dialog.effectiveColours(dialog.indexOf(valueId(p, d))), editColours);
      }
    }
    // The name is a pretty edit too, read-only and not numeric: the edits' colours, the
    // dialog's face.
    EXPECT_EQ(dialog.effectiveColours(dialog.indexOf(IDC_CSYS_NAME)), editColours);
    EXPECT_EQ(dialog.control(IDC_CSYS_NAME).fontFace, "");
    EXPECT_FALSE(dialog.typeChar(valueId(1, 2), 'x'));
    EXPECT_TRUE(dialog.typeChar(valueId(1, 2), 'E'));
    EXPECT_FALSE(dialog.typeChar(IDC_CSYS_NAME, '1')) << "the name is read-only";
    EXPECT_EQ(dialog.GetWindowText(), "Load/BC input");
    EXPECT_EQ(dialog.GetIcon(true), ui::LoadIcon(IDR_MAINFRAME));
    EXPECT_EQ(dialog.GetIcon(false), ui::LoadIcon(IDR_MAINFRAME));
    dialog.pressEscape();
  });
}

}  // namespace
}  // namespace loadentry::test
