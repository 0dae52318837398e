// The binder's view of a dialog model: told of every change, it re-reads the changed state.
#pragma once

namespace ui {

// The interval timerChanged reports for a timer that was killed (0 is a timer that runs as
// often as the event loop allows).
inline constexpr int kTimerKilled = -1;

enum class ControlChange {
  Text,
  Items,
  Selection,
  Check,
  UpDown,
  Enabled,
  Visible,
  Geometry,
  Colours,
  Font,
  ReadOnly,
};

enum class DialogChange {
  Caption,
  Icon,
  Size,
  Focus,
  Colours,
  Invalidate,
  Ended,
};

class DialogObserver {
 public:
  virtual ~DialogObserver() = default;
  // index: position of the control in Dialog::controls() (template order).
  virtual void controlChanged(int index, ControlChange what) = 0;
  virtual void dialogChanged(DialogChange what) = 0;
  // intervalMs kTimerKilled: the timer was killed.
  virtual void timerChanged(int timerId, int intervalMs) = 0;
};

}  // namespace ui
