#include "shakeplay/app/StackingOrder.h"

#include <algorithm>

namespace shakeplay {

StackingOrder::StackingOrder()
    : order_{Child::ModelView, Child::OrientationBox, Child::ColourBar, Child::ControlPanel} {}

void StackingOrder::moveTo(Child child, bool top) {
  const auto at = std::find(order_.begin(), order_.end(), child);
  if (at == order_.end()) return;
  order_.erase(at);
  if (top) {
    order_.push_back(child);
  } else {
    order_.insert(order_.begin(), child);
  }
}

bool StackingOrder::childActivated() {
  if (!glBoxOpen_) return false;
  const std::vector<Child> before = order_;
  moveTo(Child::ControlPanel, false);
  moveTo(Child::OrientationBox, true);
  return order_ != before;
}

bool StackingOrder::panelPainted() {
  // The panel comes to the top, but never over the open box: a box hidden until the next
  // activation would leave the user without the orientation for no reason.
  const std::vector<Child> before = order_;
  moveTo(Child::ControlPanel, true);
  if (glBoxOpen_) moveTo(Child::OrientationBox, true);
  return order_ != before;
}

bool StackingOrder::boxPainted() {
  const std::vector<Child> before = order_;
  if (glBoxOpen_) moveTo(Child::OrientationBox, true);
  return order_ != before;
}

bool StackingOrder::boxClosed() {
  if (!glBoxOpen_) return false;
  glBoxOpen_ = false;
  order_.erase(std::find(order_.begin(), order_.end(), Child::OrientationBox));
  return true;
}

}  // namespace shakeplay
