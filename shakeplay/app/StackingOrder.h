// The z-order of the main window's four children, as rules without a window system: the box
// that shows the orientation is kept above the control panel while it is open, the control
// panel goes to the bottom whenever a child is activated and comes back above the colour bar
// (which it overlaps by two pixels) when it is painted.
#pragma once

#include <vector>

namespace shakeplay {

enum class Child { ModelView, ColourBar, ControlPanel, OrientationBox };

class StackingOrder {
 public:
  // The children as start-up creates them: model view, orientation box, colour bar, control panel.
  StackingOrder();

  // Each returns whether the order changed.
  bool childActivated();
  bool panelPainted();
  bool boxPainted();
  // The orientation box was closed: it leaves the order and activations no longer reorder.
  bool boxClosed();

  bool glBoxOpen() const { return glBoxOpen_; }
  // Bottom first.
  const std::vector<Child>& order() const { return order_; }

 private:
  void moveTo(Child child, bool top);

  std::vector<Child> order_;
  bool glBoxOpen_ = true;
};

}  // namespace shakeplay
