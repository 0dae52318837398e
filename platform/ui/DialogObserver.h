// The binder's view of a dialog model: told of every change, it re-reads the changed state.
#pragma once

namespace ui {

enum class ControlChange {
  Text, Items, Selection, Check, UpDown, Enabled, Visible, Geometry, Colours, Font, ReadOnly,
};

enum class DialogChange {
  Caption, Icon, Size, Focus, Colours, Invalidate, Ended,
};

class DialogObserver {
 public:
  virtual ~DialogObserver() = default;
  // index: position of the control in Dialog::controls() (template order).
  virtual void controlChanged(int index, ControlChange what) = 0;
  virtual void dialogChanged(DialogChange what) = 0;
  // intervalMs 0: the timer was killed.
  virtual void timerChanged(int timerId, int intervalMs) = 0;
};

}  // namespace ui
