// The information dialog on a real block: the analysis option, the fill per distribution, the
// type names cut in pieces, texts read up to their field's width, and the block left as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>

#include "bcviewer/BcViewerResources.h"
#include "bcviewer/CLoadBcInfoDlg.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/testing/ScriptedServices.h"
#include "tests/bcviewer/InfoBlock.h"
#include "tests/loadbc/GridExpectations.h"
#include "tests/support/BlockBytes.h"

namespace bcviewer::test {
namespace {

int valueId(int point, int direction) { return kGridIds.values[point][direction]; }

class ViewerTest : public testing::Test {
 protected:
  // Runs the dialog on the block with the given options, the script looking at it.
  void show(InfoBlock& block, const std::vector<std::string>& options,
            const std::function<void(CLoadBcInfoDlg&)>& look) {
    block.launch(options);
    CLoadBcInfoDlg dialog;
    EXPECT_EQ(block.header().attachCount, 0) << "let go as soon as it was copied";
    EXPECT_EQ(block.header().attachedMark, 1);
    ASSERT_TRUE(dialog.hasSnapshot());
    ui::runHeadless(dialog, [&](ui::Dialog&) {
      look(dialog);
      dialog.pressEnter();
    });
  }

  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
};

struct OptionCase {
  std::vector<std::string> words;
  int option;
  const char* functionText;
};

class OptionTest : public ViewerTest, public testing::WithParamInterface<OptionCase> {};

TEST_P(OptionTest, FirstOptionDecidesWhatTheFunctionFieldShows) {
  InfoBlock block(twoPointPressure());
  show(block, GetParam().words, [](CLoadBcInfoDlg& dialog) {
    EXPECT_EQ(dialog.analysisOption(), GetParam().option);
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUNCTION_NAME), GetParam().functionText);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Options, OptionTest,
    testing::Values(OptionCase{{}, -1, "PRESSURE-RAMP 0.25s"}, OptionCase{{"-stat"}, 0, "Not Applicable"},
                    OptionCase{{"-dyn"}, 1, "PRESSURE-RAMP 0.25s"},
                    OptionCase{{"-dyn", "-stat"}, 1, "PRESSURE-RAMP 0.25s"},
                    OptionCase{{"x", "-stat", "-dyn"}, 0, "Not Applicable"},
                    OptionCase{{"-STAT", "-stat2", "--dyn"}, -1, "PRESSURE-RAMP 0.25s"}));

TEST(AnalysisOption, TheProgramWordIsNotScanned) {
  const char* words[] = {"-stat", "/SHMKEY:k", "-dyn"};
  EXPECT_EQ(analysisOption(2, words), kDynamic);
  EXPECT_EQ(analysisOption(1, words), kNoOption);
  EXPECT_EQ(analysisOption(0, words), kNoOption);
}

struct FillCase {
  int distribution;
  loadbc::test::GridLook grid;
  ui::Size size;
  int okX;
};

class FillTest : public ViewerTest, public testing::WithParamInterface<FillCase> {};

TEST_P(FillTest, DistributionDecidesColumnsHeadersSizeAndOk) {
  const FillCase& c = GetParam();
  LoadBcInfoBlock load = twoPointPressure();
  load.distribution = c.distribution;
  InfoBlock block(load);
  show(block, {"-dyn"}, [&](CLoadBcInfoDlg& dialog) {
    EXPECT_EQ(dialog.dialogSize(), c.size);
    EXPECT_EQ(dialog.control(1).rect, (ui::Rect{c.okX, 85, 47, 14}));
    const bool filled = c.grid.filledColumns > 0;
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CSYS_NAME), filled ? "SURF-CSYS-7" : "");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_TYPE_1), filled ? "LOAD/UNIT   " : "");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUNCTION_NAME), "PRESSURE-RAMP 0.25s");
    loadbc::test::expectGrid(dialog, kGridIds, c.grid, kValueTexts);
  });
}

INSTANTIATE_TEST_SUITE_P(Distributions, FillTest,
                         testing::Values(FillCase{1, {1, 1, {"VALUE", "PNT02", "PNT03"}}, {271, 116}, 112},
                                         FillCase{
                                             2, {2, 2, {"beg.pnt", "end.pnt", "PNT03"}}, {271, 116}, 112},
                                         FillCase{3, {3, 3, {"Pnt-a", "pnt-B", "C"}}, {349, 106}, 151},
                                         FillCase{0, {3, 0, {"PNT01", "PNT02", "PNT03"}}, {349, 106}, 151},
                                         FillCase{-3, {3, 0, {"PNT01", "PNT02", "PNT03"}}, {349, 106}, 151}));

struct PiecesCase {
  std::string typeNames;  // the bytes from offset 471 on
  int dataSize;
  std::array<const char*, 3> pieces;
};

class PiecesTest : public ViewerTest, public testing::WithParamInterface<PiecesCase> {};

TEST_P(PiecesTest, TypeNamesAreCutInTwelveCharacterPieces) {
  const PiecesCase& c = GetParam();
  InfoBlock block(twoPointPressure(), c.dataSize);
  testsupport::writeBytes(block, offsetof(LoadBcInfoBlock, typeNames), c.typeNames.data(),
                          c.typeNames.size());
  show(block, {}, [&](CLoadBcInfoDlg& dialog) {
    for (int d = 0; d < 3; ++d) {
      EXPECT_EQ(dialog.GetDlgItemText(kTypeIds[d]), c.pieces[d]) << "direction " << d;
    }
  });
}

INSTANTIATE_TEST_SUITE_P(
    TypeNames, PiecesTest,
    testing::Values(
        PiecesCase{std::string("DISPLACEMENTTOTAL FORCE\0", 24), 507, {"DISPLACEMENT", "TOTAL FORCE", ""}},
        PiecesCase{std::string("AB\0", 3), 507, {"AB", "", ""}},
        PiecesCase{std::string("\0", 1), 507, {"", "", ""}},
        // 36 characters and no zero in the block: the field ends with the block.
        PiecesCase{
            "0123456789ab0123456789cd0123456789ef", 507, {"0123456789ab", "0123456789cd", "0123456789ef"}},
        // The text runs on past 36 characters: the third piece is still 12.
        PiecesCase{std::string("0123456789ab0123456789cd0123456789efGHIJ\0", 41),
                   520,
                   {"0123456789ab", "0123456789cd", "0123456789ef"}}));

// Full fields carry no ending zero; the field after them is not shown with them.
TEST_F(ViewerTest, TextsWithoutTheirEndingZeroStopAtTheFieldsWidth) {
  LoadBcInfoBlock load = twoPointPressure();
  load.distribution = 3;
  std::memcpy(load.pointName[0], "ABCDEFGHIJK", 11);
  std::memset(load.functionName, 'f', sizeof load.functionName);
  std::memset(load.csysName, 'c', sizeof load.csysName);
  InfoBlock block(load);
  show(block, {}, [](CLoadBcInfoDlg& dialog) {
    EXPECT_EQ(dialog.GetDlgItemText(kGridIds.headers[0]), "ABCDEFGHIJK");
    EXPECT_EQ(dialog.GetDlgItemText(kGridIds.headers[1]), "pnt-B");
    EXPECT_EQ(dialog.GetDlgItemText(IDC_FUNCTION_NAME), std::string(271, 'f'));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_CSYS_NAME), std::string(40, 'c'));
  });
}

// The dialog works on its copy: what the host does to the block afterwards does not show, and
// no way out writes to the block.
TEST_F(ViewerTest, WorksOnItsCopyAndNeverWrites) {
  InfoBlock block(twoPointPressure());
  const auto before = block.snapshot();
  struct Way {
    std::function<void(ui::Dialog&)> close;
    int result;
  };
  const Way ways[] = {
      {[](ui::Dialog& d) { d.pressEnter(); }, ui::IDOK},
      {[](ui::Dialog& d) { ASSERT_TRUE(d.click(1)); }, ui::IDOK},
      {[](ui::Dialog& d) { d.pressEscape(); }, ui::IDCANCEL},
      {[](ui::Dialog& d) { d.closeBox(); }, ui::IDCANCEL},
  };
  for (const Way& way : ways) {
    block.launch({"-stat"});
    CLoadBcInfoDlg dialog;
    std::memset(block.data(), 0, 200);  // the host reuses the block at once
    EXPECT_EQ(ui::runHeadless(dialog,
                              [&](ui::Dialog& d) {
                                EXPECT_EQ(d.GetDlgItemText(valueId(1, 2)), "-4.7502e+03");
                                way.close(d);
                              }),
              way.result);
    std::vector<unsigned char> reused = before;
    std::fill(reused.begin(), reused.begin() + 200, 0);
    EXPECT_TRUE(testsupport::sameBytes(block.snapshot(), reused));
    testsupport::writeBytes(block, 0, before.data(), 200);
  }
}

TEST_F(ViewerTest, ColoursAndFontsOfTheFields) {
  bcviewer::registerIcon();
  LoadBcInfoBlock load = twoPointPressure();
  load.distribution = 3;
  InfoBlock block(load);
  show(block, {}, [](CLoadBcInfoDlg& dialog) {
    const ui::Colours yellowOnBlue{{255, 255, 0}, {0, 0, 140}};
    for (int p = 0; p < 3; ++p) {
      EXPECT_EQ(dialog.effectiveColours(dialog.indexOf(kGridIds.headers[p])), yellowOnBlue);
      EXPECT_EQ(dialog.control(valueId(p, 0)).fontFace, "Courier");
      EXPECT_EQ(dialog.effectiveColours(dialog.indexOf(valueId(p, 0))),
                (ui::Colours{{0, 0, 0}, {150, 150, 150}}));
    }
    EXPECT_EQ(dialog.effectiveColours(dialog.indexOf(IDC_TYPE_1)), yellowOnBlue)
        << "a read-only edit colours as a static";
    EXPECT_EQ(dialog.control(IDC_TYPE_1).fontFace, "");
    EXPECT_FALSE(dialog.typeChar(valueId(0, 0), '5')) << "read-only";
    EXPECT_EQ(dialog.GetWindowText(), "Load/BC info");
    EXPECT_EQ(dialog.GetIcon(true), ui::LoadIcon(IDR_MAINFRAME));
  });
}

}  // namespace
}  // namespace bcviewer::test
