#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

#include "platform/ui/testing/RecordingPainter.h"
#include "shakeplay/panel/CControlView.h"
#include "shakeplay/panel/ControlResources.h"
#include "shakeplay/panel/TimeAxis.h"
#include "tests/shakeplay/support/TestModel.h"

namespace shakeplay {
namespace {

using ui::testing::PaintCall;
using ui::testing::PaintOp;
using ui::testing::RecordingPainter;

constexpr ui::Rgb kPanel{212, 208, 200};
constexpr int kTimer = CControlView::kAnimationTimer;

// Counts the repaints the panel asks for.
struct Repaints : ui::DialogObserver {
  void controlChanged(int, ui::ControlChange) override {}
  void dialogChanged(ui::DialogChange what) override { count += what == ui::DialogChange::Invalidate; }
  void timerChanged(int, int) override {}
  int count = 0;
};

host::results::ResultData withCoefBase(host::results::ResultData data, float coefBase) {
  data.ranges[8] = coefBase;
  return data;
}

// The panel, first shown, on steps 0.1 s apart with the window from step `first` to `last`.
struct Panel : test::ViewedDoc {
  Panel(int first, int last, float timeStart, float timeEnd, float coefBase = 1.0f)
      : test::ViewedDoc(withCoefBase(test::windowResult(first, last, timeStart, timeEnd), coefBase)) {
    view_.create();
    view_.showDialog(true);
    view_.setObserver(&repaints);
  }
  // Span 8: 12 sub-frames per step at load, start frame 120 + 6, end frame 216 - 6.
  Panel() : Panel(10, 18, 1.0525f, 1.7475f) {}
  ~Panel() {
    view_.setObserver(nullptr);
    view_.destroy();
  }
  CControlView& operator*() { return view_; }
  CControlView* operator->() { return &view_; }

  Repaints repaints;

 private:
  CControlView view_{doc, kPanel};
};

std::map<int, bool> usable(const CControlView& v) {
  std::map<int, bool> enabled;
  for (const int id : {IDC_SPEED, IDC_COEF, IDC_SMOOTH, IDC_PLAY, IDC_DEFORMED, IDC_RESET, IDC_STOP}) {
    enabled[id] = v.IsWindowEnabled(id);
  }
  return enabled;
}

TEST(ControlPanel, FirstShownItOffersTheFastestSpeedTheFirstCoefficientAndSmoothing) {
  Panel p;
  EXPECT_EQ(p->GetDlgItemText(IDC_SPEED), "5");
  EXPECT_EQ(p->GetDlgItemText(IDC_COEF), "1");
  EXPECT_EQ(p->GetDlgItemText(IDC_SMOOTH), "1");
  EXPECT_EQ(p->GetDlgItemText(IDC_TIME), "0.000e+00");
  EXPECT_EQ(p->GetFocus(), ui::kNoFocus);
  EXPECT_FALSE(p->running);
  EXPECT_TRUE(p->timers().empty());
}

TEST(ControlPanel, PlayAndStopSwitchWhatCanBeUsed) {
  Panel p;
  using Usable = std::map<int, bool>;
  ASSERT_TRUE(p->click(IDC_PLAY));
  EXPECT_TRUE(p->running);
  EXPECT_EQ(p->timers(), (std::map<int, int>{{kTimer, 0}}));
  EXPECT_EQ(usable(*p), (Usable{{IDC_SPEED, false},
                                {IDC_COEF, false},
                                {IDC_SMOOTH, false},
                                {IDC_PLAY, false},
                                {IDC_DEFORMED, false},
                                {IDC_RESET, true},
                                {IDC_STOP, true}}));
  EXPECT_FALSE(p->click(IDC_PLAY));

  ASSERT_TRUE(p->click(IDC_STOP));
  EXPECT_FALSE(p->running);
  EXPECT_TRUE(p->timers().empty());
  EXPECT_EQ(usable(*p), (Usable{{IDC_SPEED, true},
                                {IDC_COEF, true},
                                {IDC_SMOOTH, true},
                                {IDC_PLAY, true},
                                {IDC_DEFORMED, true},
                                {IDC_RESET, true},
                                {IDC_STOP, false}}));
  EXPECT_FALSE(p->click(IDC_STOP));
}

TEST(ControlPanel, ASpeedChoiceTakesEffectAtTheNextPlay) {
  Panel p;
  const std::map<int, int> periods{{0, 200}, {1, 150}, {2, 100}, {3, 50}, {4, 0}};
  for (const auto& [entry, period] : periods) {
    ASSERT_TRUE(p->select(IDC_SPEED, entry));
    EXPECT_EQ(p->timerPeriod, period);
    EXPECT_TRUE(p->timers().empty());
    p->click(IDC_PLAY);
    EXPECT_EQ(p->timers(), (std::map<int, int>{{kTimer, period}})) << entry;
    p->click(IDC_STOP);
  }
}

TEST(ControlPanel, AListChoiceWhilePlayingIsPutBack) {
  Panel p;
  ASSERT_TRUE(p->select(IDC_SPEED, 2));
  p->click(IDC_PLAY);
  const int renders = p.view.renders;
  const float coef = p.doc.animation().coef();
  const int smooth = p.doc.animation().smooth();
  struct Case {
    int id, entryInForce, choice;
  };
  for (const Case& c : {Case{IDC_SPEED, 2, 0}, Case{IDC_COEF, 0, 4}, Case{IDC_SMOOTH, 0, 3}}) {
    EXPECT_FALSE(p->select(c.id, c.choice)) << c.id;  // disabled while playing
    p->EnableWindow(c.id, true);                      // were it usable, the choice would still not be taken
    p->select(c.id, c.choice);
    EXPECT_EQ(p->GetCurSel(c.id), c.entryInForce) << c.id;
    p->EnableWindow(c.id, false);
  }
  EXPECT_EQ(p->speedIndex, 2);
  EXPECT_EQ(p->coefIndex, 0);
  EXPECT_EQ(p->smoothIndex, 0);
  EXPECT_EQ(p->timerPeriod, 100);
  EXPECT_EQ(p.doc.animation().coef(), coef);
  EXPECT_EQ(p.doc.animation().smooth(), smooth);
  EXPECT_EQ(p.view.renders, renders);
}

TEST(ControlPanel, CoefThreeWithABaseOfAHalfGivesOneAndAHalfAndRewinds) {
  Panel p(10, 18, 1.0525f, 1.7475f, 0.5f);
  p->click(IDC_DEFORMED);
  p->click(IDC_PLAY);
  for (int i = 0; i < 7; ++i) p->tick(kTimer);
  p->click(IDC_STOP);
  ASSERT_EQ(p.doc.animation().currentFrame(), 133);
  const int renders = p.view.renders;
  const int repaints = p.repaints.count;

  ASSERT_TRUE(p->select(IDC_COEF, 2));
  EXPECT_EQ(p.doc.animation().coef(), 1.5f);
  EXPECT_EQ(p.doc.animation().currentFrame(), 126);
  EXPECT_EQ(p.view.renders, renders + 1);
  EXPECT_EQ(p.repaints.count, repaints + 1);
  // The start row, 0.525 of the way from step 10 (10, 20) to step 11 (11, 22), is (10, 21):
  // point 3's Z sum 31 at a displacement scale of 1, moved 1.5 times from its rest z 0 - 1.
  EXPECT_FLOAT_EQ(p.doc.animation().points()[3].z, -1.0f + 46.5f);
}

TEST(ControlPanel, SmoothChoicesSetTheSubFramesAndRewind) {
  struct Case {
    int first, last;
    float timeStart, timeEnd;
    int entry;
    int smooth, startFrame, endFrame;
  };
  const Case cases[] = {
      {0, 30, 0.0f, 3.0f, 1, 5, 0, 150},                       // "2", a window of 30 steps
      {10, 18, 1.0525f, 1.7475f, 1, 60, 600 + 31, 1080 - 31},  // "2", 8 steps: 5 x 12
      {10, 18, 1.0525f, 1.7475f, 0, 12, 120 + 6, 216},         // "1": fractional start, whole end
  };
  for (const Case& c : cases) {
    Panel p(c.first, c.last, c.timeStart, c.timeEnd);
    p->click(IDC_PLAY);
    for (int i = 0; i < 5; ++i) p->tick(kTimer);
    p->click(IDC_STOP);
    if (c.entry == 0) {
      ASSERT_TRUE(p->select(IDC_SMOOTH, 3));
    }
    const int renders = p.view.renders;
    const int repaints = p.repaints.count;
    ASSERT_TRUE(p->select(IDC_SMOOTH, c.entry));
    EXPECT_EQ(p->smoothIndex, c.entry);
    EXPECT_EQ(p.doc.animation().smooth(), c.smooth);
    EXPECT_EQ(p.doc.animation().startFrame(), c.startFrame);
    EXPECT_EQ(p.doc.animation().endFrame(), c.endFrame);
    EXPECT_EQ(p.doc.animation().currentFrame(), c.startFrame);
    EXPECT_EQ(p.view.renders, renders + 1);
    EXPECT_EQ(p.repaints.count, repaints + 1);
  }
}

TEST(ControlPanel, EveryTickAdvancesRendersOnceAndShowsTheTimeReached) {
  Panel p;
  p->click(IDC_PLAY);
  const int repaints = p.repaints.count;
  for (int i = 0; i < 3; ++i) p->tick(kTimer);
  EXPECT_EQ(p.doc.animation().currentFrame(), 129);
  EXPECT_EQ(p.view.renders, 3);
  EXPECT_EQ(p.repaints.count, repaints + 3);
  EXPECT_EQ(p->GetDlgItemText(IDC_TIME), "1.000e+00");  // step 10, before the start time
  for (int i = 0; i < 17; ++i) p->tick(kTimer);
  EXPECT_EQ(p->GetDlgItemText(IDC_TIME), "1.200e+00");  // frame 146: step 12
  for (int i = 0; i < 63; ++i) p->tick(kTimer);         // frame 209, the last one shows the end time
  EXPECT_EQ(p->GetDlgItemText(IDC_TIME), "1.747e+00");
  p->tick(kTimer);  // the end: back to the start, and the clock goes on
  EXPECT_EQ(p.doc.animation().currentFrame(), 126);
  EXPECT_EQ(p->GetDlgItemText(IDC_TIME), "1.053e+00");
  EXPECT_EQ(p->timers().size(), 1u);
}

TEST(ControlPanel, DeformedAndResetRewindAndRender) {
  Panel p;
  p->click(IDC_PLAY);
  for (int i = 0; i < 4; ++i) p->tick(kTimer);
  ASSERT_TRUE(p->click(IDC_RESET));  // usable while playing; the clock goes on
  EXPECT_EQ(p.doc.animation().currentFrame(), 126);
  EXPECT_EQ(p.view.renders, 5);
  EXPECT_TRUE(p->running);
  EXPECT_EQ(p->timers().size(), 1u);
  p->click(IDC_STOP);

  const int repaints = p.repaints.count;
  ASSERT_TRUE(p->click(IDC_DEFORMED));
  EXPECT_EQ(p->deformedCheck, 1);
  EXPECT_TRUE(p.doc.animation().deformed());
  EXPECT_EQ(p.view.renders, 6);
  EXPECT_EQ(p.repaints.count, repaints + 1);
  EXPECT_NE(p.doc.animation().points()[3].z, p.doc.result().restPoints[3].z);  // the shape now moves
  p->click(IDC_DEFORMED);
  EXPECT_FALSE(p.doc.animation().deformed());
  EXPECT_EQ(p.doc.animation().points()[3].z, p.doc.result().restPoints[3].z);
}

TEST(ControlPanel, EnterEscapeAndTheCloseBoxLeaveThePanelRunning) {
  Panel p;
  p->click(IDC_PLAY);
  p->pressEnter();
  p->pressEscape();
  p->closeBox();
  EXPECT_FALSE(p->ended());
  EXPECT_EQ(p->timers().size(), 1u);
}

TEST(ControlPanel, TheTimeTextNeverExceedsThirteenCharacters) {
  EXPECT_EQ(TimeLabel(-1.234e5), "-1.234e+05");
  for (const double t : {-1.234e5, 0.0, -1.0e-300, static_cast<double>(-FLT_MAX), -DBL_MAX,
                         -std::numeric_limits<double>::infinity(), std::nan("")}) {
    EXPECT_LE(TimeLabel(t).size(), kTimeTextLimit) << t;
  }
  Panel p;
  p->SetDlgItemText(IDC_TIME, "-1.234567e+05 s");
  ASSERT_TRUE(p->UpdateData(true));
  EXPECT_EQ(p->timeText, "-1.234567e+05");
}

// The lines drawn in one pen colour, as (from, to) pairs.
std::vector<std::pair<ui::Point, ui::Point>> linesIn(const RecordingPainter& painter, ui::Rgb colour) {
  std::vector<std::pair<ui::Point, ui::Point>> lines;
  for (const PaintCall& call : painter.callsOf(PaintOp::Line)) {
    if (call.state.pen.colour == colour) lines.emplace_back(call.points[0], call.points[1]);
  }
  return lines;
}

TEST(ControlPanel, PaintsTheTimeAxisLabelsAndProgressBarInPlace) {
  Panel p;
  RecordingPainter start;
  p->paint(start);
  using Lines = std::vector<std::pair<ui::Point, ui::Point>>;
  EXPECT_EQ(linesIn(start, {0, 0, 0}), (Lines{{{30, 40}, {420, 40}},
                                              {{30, 40}, {30, 33}},
                                              {{127, 40}, {127, 36}},
                                              {{225, 40}, {225, 33}},
                                              {{322, 40}, {322, 36}},
                                              {{420, 40}, {420, 33}},
                                              {{31, 47}, {420, 47}},
                                              {{420, 47}, {420, 57}}}));
  EXPECT_EQ(linesIn(start, {255, 255, 255}), (Lines{{{30, 48}, {30, 57}}, {{30, 57}, {420, 57}}}));

  const auto texts = start.callsOf(PaintOp::Text);
  ASSERT_EQ(texts.size(), 3u);
  const std::vector<std::pair<ui::Point, std::string>> labels{
      {{30, 20}, "1.053e+00"}, {{190, 20}, "1.400e+00"}, {{350, 20}, "1.747e+00"}};
  for (std::size_t i = 0; i < labels.size(); ++i) {
    EXPECT_EQ(texts[i].points[0], labels[i].first);
    EXPECT_EQ(texts[i].text, labels[i].second);
    EXPECT_EQ(texts[i].state.textColour, (ui::Rgb{0, 0, 0}));
    EXPECT_EQ(texts[i].state.backColour, kPanel);
    EXPECT_EQ(texts[i].state.backMode, ui::BackMode::Opaque);
  }
  // On the first sub-frame the inside is cleared and nothing is filled black.
  const auto clear = start.callsOf(PaintOp::Polygon);
  ASSERT_EQ(clear.size(), 1u);
  EXPECT_EQ(clear[0].state.brush.colour, kPanel);
  EXPECT_EQ(clear[0].points, (std::vector<ui::Point>{{31, 48}, {420, 48}, {420, 56}, {31, 56}}));
  EXPECT_EQ(p->GetDlgItemText(IDC_TIME), "1.053e+00");

  while (p.doc.animation().currentFrame() != 146)
    p.doc.AdvanceFrame();  // step 12 at 1.2 s: (1.2 - 1.0525) / 0.695 of 390 pixels
  RecordingPainter later;
  p->paint(later);
  const auto fill = later.callsOf(PaintOp::Polygon);
  ASSERT_EQ(fill.size(), 1u);
  EXPECT_EQ(fill[0].state.brush.colour, (ui::Rgb{0, 0, 0}));
  EXPECT_EQ(fill[0].points, (std::vector<ui::Point>{{31, 48}, {113, 48}, {113, 56}, {31, 56}}));
  EXPECT_EQ(p->GetDlgItemText(IDC_TIME), "1.200e+00");
}

}  // namespace
}  // namespace shakeplay
