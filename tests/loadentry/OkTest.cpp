// OK, Cancel and Reset on a real block. Every way out compares the whole block with what it
// should hold, so that a field written that should not be shows.
#include "tests/loadentry/LoadEntryFixture.h"

namespace loadentry::test {
namespace {

constexpr const char* kDisplacementText =
    "In current version, Displacement Boundary Conditions can only be set in Modal Analysis!\n"
    "Changing displacements...";
constexpr const char* kZero = " 0.0000e+00";

// 3.14159265 comes back as 3.1416 once it has been through the dialog's text ("%11.4e").
constexpr double kLongValue = 3.14159265;
constexpr double kShownLongValue = 3.1416;
constexpr double kLongValues[3] = {3.14159265, 41.4159265, -0.314159265};
constexpr double kShownLongValues[3] = {3.1416, 41.416, -0.31416};
constexpr const char* kLongTexts[3] = {" 3.1416e+00", " 4.1416e+01", "-3.1416e-01"};

TEST_F(LoadEntryTest, ThreePointsWithoutFunctionWriteStatusTypesAndAllThreePoints) {
  host.data().functionKind = -1;
  host.data().functionIndex = 5;
  host.data().value[1][1] = kLongValue;
  const Bytes before = host.snapshot();
  EXPECT_EQ(run([](CLoadBcInputDlg& dialog) {
              ASSERT_TRUE(dialog.select(IDC_TYPE_2, 1));
              typeValue(dialog, 0, 1, "5.0");
              typeValue(dialog, 2, 2, "-.5e1");
              ASSERT_TRUE(dialog.click(1));
            }),
            ui::IDOK);
  expectChanged(
      before,
      [](LoadBcInputBlock& b) {
        b.status = 1;
        b.loadType[1] = 1;
        b.value[0][1] = 5.0;
        b.value[1][1] = kShownLongValue;
        b.value[2][2] = -5.0;
      },
      "a displacement is kept when no function applies; functionIndex is not written");
}

struct PointsCase {
  int distribution;
  int writtenPoints;
};

class WrittenPointsTest : public LoadEntryTest, public testing::WithParamInterface<PointsCase> {};

// The values of the points a distribution shows are written, through their texts; the others
// keep the host's values to the last digit.
TEST_P(WrittenPointsTest, OnlyTheDistributionsPointsAreWritten) {
  const int points = GetParam().writtenPoints;
  host.data().distribution = GetParam().distribution;
  for (int p = 0; p < 3; ++p) host.data().value[p][1] = kLongValues[p];
  const Bytes before = host.snapshot();
  EXPECT_EQ(run([](CLoadBcInputDlg& dialog) {
              ASSERT_TRUE(dialog.select(IDC_FUNCTION, 0));
              typeValue(dialog, 0, 2, "-12.5");
              dialog.pressEnter();
            }),
            ui::IDOK);
  expectChanged(before, [&](LoadBcInputBlock& b) {
    b.status = 1;
    b.functionIndex = 0;
    for (int p = 0; p < points; ++p) {
      b.value[p][1] = kShownLongValues[p];
    }
    if (points > 0) b.value[0][2] = -12.5;
  });
}

INSTANTIATE_TEST_SUITE_P(Distributions, WrittenPointsTest,
                         testing::Values(PointsCase{1, 1}, PointsCase{2, 2}, PointsCase{3, 3},
                                         PointsCase{0, 0}, PointsCase{9, 0}));

// Direction 2 holds a displacement, direction 3 a displacement of zeros: one message corrects
// both and keeps the dialog open with nothing written; the second OK writes the corrected rows.
TEST_F(LoadEntryTest, DisplacementUnderAFunctionIsCorrectedAndWrittenByTheSecondOk) {
  host.data().loadType[1] = 1;
  host.data().loadType[2] = 1;
  for (int p = 0; p < 3; ++p) {
    host.data().value[p][0] = kLongValues[p];  // changes once it has been through its text
    host.data().value[p][2] = 0.0;
  }
  const Bytes before = host.snapshot();
  EXPECT_EQ(run([&](CLoadBcInputDlg& dialog) {
              dialog.pressEnter();
              ASSERT_EQ(services.boxes().size(), 1u);
              EXPECT_EQ(services.boxes()[0].text, kDisplacementText);
              EXPECT_EQ(services.boxes()[0].caption, "Korvena: BC Check");
              EXPECT_EQ(services.boxes()[0].buttons, ui::MB_OK);
              EXPECT_FALSE(dialog.ended());
              EXPECT_TRUE(testsupport::sameBytes(host.snapshot(), before)) << "nothing written yet";
              EXPECT_EQ(dialog.GetDlgItemText(IDC_TYPE_1), "LOAD per UNIT");
              EXPECT_EQ(dialog.GetDlgItemText(IDC_TYPE_2), "LOAD per UNIT");
              EXPECT_EQ(dialog.GetDlgItemText(IDC_TYPE_3), "LOAD per UNIT");
              for (int p = 0; p < 3; ++p) {
                EXPECT_EQ(dialog.GetDlgItemText(valueId(p, 0)), kLongTexts[p]);
                EXPECT_EQ(dialog.GetDlgItemText(valueId(p, 1)), kZero);
                EXPECT_EQ(dialog.GetDlgItemText(valueId(p, 2)), kZero);
              }
              dialog.pressEnter();
            }),
            ui::IDOK);
  EXPECT_EQ(services.boxes().size(), 1u);
  expectChanged(before, [](LoadBcInputBlock& b) {
    b.status = 1;
    b.loadType[1] = 0;
    b.loadType[2] = 0;
    for (int p = 0; p < 3; ++p) {
      b.value[p][0] = kShownLongValues[p];
      b.value[p][1] = 0.0;
    }
  });
}

// Columns that are hidden hold empty text: a uniform displacement of zero is accepted whatever
// the host keeps for the other points.
TEST_F(LoadEntryTest, HiddenColumnsCountAsZeroForTheDisplacementRule) {
  host.data().distribution = 1;
  host.data().loadType[0] = 1;
  host.data().value[0][0] = 0.0;
  const Bytes before = host.snapshot();
  EXPECT_EQ(run([](CLoadBcInputDlg& dialog) { dialog.pressEnter(); }), ui::IDOK);
  EXPECT_TRUE(services.boxes().empty());
  expectOnlyStatus(before, 1);
}

// A stored TOTAL FORCE shows no selection in a non-uniform load; left so, -1 is written for it.
TEST_F(LoadEntryTest, UnselectedTypeIsWrittenAsMinusOne) {
  host.data().loadType[0] = 2;
  host.data().distribution = 2;
  const Bytes before = host.snapshot();
  EXPECT_EQ(run([](CLoadBcInputDlg& dialog) { dialog.pressEnter(); }), ui::IDOK);
  EXPECT_TRUE(services.boxes().empty());
  expectChanged(before, [](LoadBcInputBlock& b) {
    b.status = 1;
    b.loadType[0] = -1;
  });
}

struct FunctionCase {
  int functionCount;
  int functionIndex;
  int written;
};

class FunctionIndexTest : public testing::Test, public testing::WithParamInterface<FunctionCase> {
 protected:
  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
};

// An index outside the list shows no selection and OK writes what the list holds.
TEST_P(FunctionIndexTest, OkWritesTheListsSelection) {
  const int written = GetParam().written;
  InputBlock host(GetParam().functionCount);
  fillThreePointLoad(host);
  host.data().functionCount = GetParam().functionCount;
  host.data().functionIndex = GetParam().functionIndex;
  host.launch();
  CLoadBcInputDlg dialog;
  ui::runHeadless(dialog, [&](ui::Dialog&) {
    EXPECT_EQ(dialog.GetCurSel(IDC_FUNCTION), written);
    dialog.pressEnter();
  });
  EXPECT_EQ(host.data().functionIndex, written);
  EXPECT_EQ(host.data().status, 1);
}

INSTANTIATE_TEST_SUITE_P(Indexes, FunctionIndexTest,
                         testing::Values(FunctionCase{2, 1, 1}, FunctionCase{2, 0, 0}, FunctionCase{2, 2, -1},
                                         FunctionCase{2, -1, -1}, FunctionCase{0, 0, -1}));

// Cancel, Escape and the close box write the status word 0 and nothing else.
TEST_F(LoadEntryTest, EveryCancelWritesOnlyTheStatus) {
  const std::function<void(CLoadBcInputDlg&)> ways[] = {
      [](CLoadBcInputDlg& d) { ASSERT_TRUE(d.click(2)); },
      [](CLoadBcInputDlg& d) { d.pressEscape(); },
      [](CLoadBcInputDlg& d) { d.closeBox(); },
  };
  const Bytes before = host.snapshot();
  for (const auto& cancel : ways) {
    EXPECT_EQ(run([&](CLoadBcInputDlg& dialog) {
                ASSERT_TRUE(dialog.select(IDC_TYPE_1, 1));
                typeValue(dialog, 1, 1, "77");
                cancel(dialog);
              }),
              ui::IDCANCEL);
    expectOnlyStatus(before, 0);
  }
}

TEST_F(LoadEntryTest, ResetBringsBackTheBlocksTypesAndValues) {
  host.data().loadType[2] = 1;
  host.data().value[2][1] = kLongValue;
  const Bytes before = host.snapshot();
  EXPECT_EQ(run([](CLoadBcInputDlg& dialog) {
              ASSERT_TRUE(dialog.select(IDC_TYPE_3, 0));
              ASSERT_TRUE(dialog.select(IDC_FUNCTION, 0));
              typeValue(dialog, 0, 0, "1");
              typeValue(dialog, 1, 2, "2");
              typeValue(dialog, 2, 1, "3");
              ASSERT_TRUE(dialog.click(IDC_RESET));
              EXPECT_EQ(dialog.GetDlgItemText(IDC_TYPE_3), "DISPLACEMENT");
              EXPECT_EQ(dialog.GetDlgItemText(valueId(0, 0)), kValueTexts[0][0]);
              EXPECT_EQ(dialog.GetDlgItemText(valueId(1, 2)), kValueTexts[1][2]);
              EXPECT_EQ(dialog.GetDlgItemText(valueId(2, 1)), " 3.1416e+00");
              EXPECT_EQ(dialog.GetCurSel(IDC_FUNCTION), 1) << "the selection the dialog held";
              EXPECT_EQ(dialog.GetDlgItemText(IDC_CSYS_NAME), "CSYS-BEAM2");
              ASSERT_TRUE(dialog.click(2));
            }),
            ui::IDCANCEL);
  EXPECT_TRUE(services.boxes().empty());
  expectOnlyStatus(before, 0);
}

// Reset formats only the distribution's columns from the block and puts back what the dialog
// last read: after a refused OK, the corrected text and the function chosen then.
TEST_F(LoadEntryTest, ResetAfterARefusedOkKeepsWhatThatOkRead) {
  for (const int distribution : {3, 6}) {
    host.data().distribution = distribution;
    services = {};
    run([&](CLoadBcInputDlg& dialog) {
      ASSERT_TRUE(dialog.select(IDC_TYPE_1, 1));
      ASSERT_TRUE(dialog.select(IDC_FUNCTION, 0));
      dialog.pressEnter();
      ASSERT_EQ(services.boxes().size(), 1u) << distribution;
      ASSERT_TRUE(dialog.select(IDC_FUNCTION, 1));
      typeValue(dialog, 0, 1, "4");
      ASSERT_TRUE(dialog.click(IDC_RESET));
      EXPECT_EQ(dialog.GetCurSel(IDC_FUNCTION), 0);
      EXPECT_EQ(dialog.GetDlgItemText(IDC_TYPE_1), "LOAD per UNIT");
      EXPECT_EQ(dialog.GetDlgItemText(valueId(0, 0)), distribution == 3 ? kValueTexts[0][0] : kZero);
      EXPECT_EQ(dialog.GetDlgItemText(valueId(0, 1)), kValueTexts[0][1]);
      dialog.pressEscape();
    });
  }
}

TEST_F(LoadEntryTest, TextThatIsNotANumberIsStoredAsAtofReadsIt) {
  host.data().distribution = 1;
  run([](CLoadBcInputDlg& dialog) {
    ASSERT_TRUE(dialog.setText(valueId(0, 0), "--2"));
    ASSERT_TRUE(dialog.setText(valueId(0, 1), "2.5e"));
    ASSERT_TRUE(dialog.setText(valueId(0, 2), ""));
    ASSERT_TRUE(dialog.click(1));
  });
  EXPECT_EQ(host.data().value[0][0], 0.0);
  EXPECT_EQ(host.data().value[0][1], 2.5);
  EXPECT_EQ(host.data().value[0][2], 0.0);
}

}  // namespace
}  // namespace loadentry::test
