// The control panel: plays, stops and rewinds the animation, chooses its speed, deformation
// coefficient and sub-frames per step, switches the deformed shape on and off, and shows the
// time reached on a time axis with a progress bar. Its window timer is the animation clock:
// every tick advances the document by one sub-frame, and the document renders its model view
// inside that tick. No Qt here: the binder shows it as a child form (see ControlPanel.h).
#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string>

#include "platform/ui/Dialog.h"

namespace shakeplay {

class CShakeplayDoc;

class CControlView : public ui::Dialog {
 public:
  // The panel drives `doc`, which must outlive it; panelColour is its background.
  CControlView(CShakeplayDoc& doc, ui::Rgb panelColour);

  static constexpr int kAnimationTimer = 61446;
  // Timer period in milliseconds per SPEED entry; 0 ticks as often as the event loop allows.
  static constexpr std::array<int, 5> speedTable{200, 150, 100, 50, 0};

  bool running = false;
  int deformedCheck = 0;
  int coefIndex = -1;
  int smoothIndex = -1;
  int speedIndex = -1;
  int timerPeriod = 0;   // of the SPEED entry chosen, in milliseconds; in force from the next PLAY
  std::string timeText;  // at most kTimeTextLimit characters

 protected:
  bool OnInitDialog() override;
  // A form has no OK or Cancel: Enter and Escape in the panel do nothing.
  void OnOK() override {}
  void OnCancel() override {}
  void OnTimer(int timerId) override;
  void OnPaint(ui::Painter& painter) override;
  void DoDataExchange(ui::DataExchange& exchange) override;
  std::optional<ui::Colours> OnCtlColor(const ui::ControlState* control, ui::ColourKind kind) override;

 private:
  void OnPlay();
  void OnStop();
  void OnReset();
  void OnDeformed();
  void OnSpeedChange();
  void OnCoefChange();
  void OnSmoothChange();
  // While running, a list goes back to the entry in force (false); otherwise the members take
  // the user's choices (true).
  bool TakeListChoice(int id, int indexInForce);
  void EnableControls(std::initializer_list<int> ids, bool enable);
  // timeText of the document's current time, into the time field.
  void ShowTime();

  CShakeplayDoc& doc_;
  ui::Rgb panelColour_;
};

}  // namespace shakeplay
