// Plain geometry and colour values shared by the dialog model, the templates and the painter.
#pragma once

#include <cstdint>

namespace ui {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Left, top, width and height; in dialog units or pixels as the name of the holder says.
struct Rect {
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Text and background colour of a control, as a WM_CTLCOLOR handler chooses them.
struct Colours {
  Rgb text;
  Rgb back;
  friend bool operator==(const Colours&, const Colours&) = default;
};

}  // namespace ui
