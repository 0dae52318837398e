// The control panel's time axis: the axis with its ticks and three time labels, the progress
// bar under it, and the time text. Pixel places of the panel's client area.
#pragma once

#include <cstddef>
#include <string>

#include "platform/ui/Geometry.h"

namespace ui {
class Painter;
}

namespace shakeplay {

class CShakeplayDoc;

struct TimeAxisGeometry {
  int leftX = 30;
  int axisY = 40;
  int labelYOffset = 20;    // labels stand this far above the axis
  int labelHalfWidth = 35;  // the middle label is centred by it, the right one ends at rightX
  int barHeight = 10;
  int barOffset = 7;  // the bar's frame starts this far below the axis
  int rightX = 420;
};

inline constexpr TimeAxisGeometry kTimeAxis{};
// The time field holds at most this many characters.
inline constexpr std::size_t kTimeTextLimit = 13;

// "%9.3e" of a time: the labels and the time text (never more than 11 characters, so it always
// fits the time field).
std::string TimeLabel(double time);

// The axis in black with ticks at its ends, middle and quarters; the labels of timeStart, the
// middle of the window and timeEnd in black on the panel colour.
void PaintTimeAxis(ui::Painter& painter, const CShakeplayDoc& doc, ui::Rgb panelColour);
// The bar's frame (white left and bottom, black top and right) and its black fill up to the
// current time; on the first sub-frame the inside is cleared to the panel colour first.
void PaintProgressBar(ui::Painter& painter, const CShakeplayDoc& doc, ui::Rgb panelColour);

}  // namespace shakeplay
