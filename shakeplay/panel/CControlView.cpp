#include "shakeplay/panel/CControlView.h"

#include "shakeplay/core/ShakeplayDoc.h"
#include "shakeplay/panel/ControlResources.h"
#include "shakeplay/panel/TimeAxis.h"

namespace shakeplay {

CControlView::CControlView(CShakeplayDoc& doc, ui::Rgb panelColour)
    : ui::Dialog(controlTemplate()), timeText(TimeLabel(0.0)), doc_(doc), panelColour_(panelColour) {
  onClicked(IDC_PLAY, [this] { OnPlay(); });
  onClicked(IDC_STOP, [this] { OnStop(); });
  onClicked(IDC_RESET, [this] { OnReset(); });
  onClicked(IDC_DEFORMED, [this] { OnDeformed(); });
  onSelChange(IDC_SPEED, [this] { OnSpeedChange(); });
  onSelChange(IDC_COEF, [this] { OnCoefChange(); });
  onSelChange(IDC_SMOOTH, [this] { OnSmoothChange(); });
}

bool CControlView::OnInitDialog() {
  coefIndex = 0;
  smoothIndex = 0;
  speedIndex = 4;
  running = false;
  UpdateData(false);
  return false;  // the panel takes the focus only when the user clicks into it
}

void CControlView::DoDataExchange(ui::DataExchange& exchange) {
  exchange.check(IDC_DEFORMED, deformedCheck);
  exchange.index(IDC_COEF, coefIndex);
  exchange.index(IDC_SMOOTH, smoothIndex);
  exchange.index(IDC_SPEED, speedIndex);
  exchange.text(IDC_TIME, timeText);
  if (timeText.size() > kTimeTextLimit) timeText.resize(kTimeTextLimit);
}

std::optional<ui::Colours> CControlView::OnCtlColor(const ui::ControlState* control, ui::ColourKind kind) {
  if (control == nullptr) return ui::Colours{{0, 0, 0}, panelColour_};
  return ui::Dialog::OnCtlColor(control, kind);
}

void CControlView::EnableControls(std::initializer_list<int> ids, bool enable) {
  for (const int id : ids) EnableWindow(id, enable);
}

void CControlView::OnPlay() {
  if (running) return;
  running = true;
  doc_.setPlaying(true);
  SetTimer(kAnimationTimer, timerPeriod);
  EnableControls({IDC_SPEED, IDC_COEF, IDC_SMOOTH, IDC_PLAY, IDC_DEFORMED}, false);
  EnableControls({IDC_RESET, IDC_STOP}, true);
}

void CControlView::OnStop() {
  if (!running) return;
  KillTimer(kAnimationTimer);
  running = false;
  doc_.setPlaying(false);
  EnableControls({IDC_SPEED, IDC_COEF, IDC_SMOOTH, IDC_PLAY, IDC_RESET, IDC_DEFORMED}, true);
  EnableControls({IDC_STOP}, false);
}

void CControlView::OnReset() {
  doc_.ResetAnimation();
  Invalidate();
}

void CControlView::OnDeformed() {
  UpdateData(true);
  doc_.applyChoice({.deformed = deformedCheck != 0});
  Invalidate();
}

bool CControlView::TakeListChoice(int id, int indexInForce) {
  if (running) {
    SetCurSel(id, indexInForce);
    return false;
  }
  return UpdateData(true);
}

void CControlView::OnSpeedChange() {
  if (!TakeListChoice(IDC_SPEED, speedIndex)) return;
  if (speedIndex < 0 || speedIndex >= static_cast<int>(speedTable.size())) return;
  timerPeriod = speedTable[static_cast<std::size_t>(speedIndex)];
}

void CControlView::OnCoefChange() {
  if (!TakeListChoice(IDC_COEF, coefIndex)) return;
  if (doc_.applyChoice({.coefIndex = coefIndex})) Invalidate();
}

void CControlView::OnSmoothChange() {
  if (!TakeListChoice(IDC_SMOOTH, smoothIndex)) return;
  // The progress bar and time text show the rewound animation at once.
  if (doc_.applyChoice({.smoothIndex = smoothIndex})) Invalidate();
}

void CControlView::OnTimer(int timerId) {
  if (timerId != kAnimationTimer) return;
  doc_.AdvanceFrame();
  Invalidate();  // the progress bar
  ShowTime();
}

void CControlView::OnPaint(ui::Painter& painter) {
  PaintTimeAxis(painter, doc_, panelColour_);
  PaintProgressBar(painter, doc_, panelColour_);
  ShowTime();
}

void CControlView::ShowTime() {
  timeText = TimeLabel(doc_.animation().currentTimeShown());
  if (GetDlgItemText(IDC_TIME) != timeText) SetDlgItemText(IDC_TIME, timeText);
}

}  // namespace shakeplay
