// A small GDI-like drawing interface for OnPaint. Pixel coordinates of the client area, y down.
// The base keeps the device-context state (selected pen, brush and font, text and background
// colours, background mode, current position) and gives the calls their GDI meaning; an
// implementation draws the resulting primitives.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Geometry.h"
#include "platform/ui/Icon.h"

namespace ui {

enum class PenStyle { Solid, Dash, Dot, Null };
struct Pen {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  Rgb colour;
  friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
  Rgb colour{255, 255, 255};
  bool hollow = false;  // draws nothing (NULL_BRUSH)
  friend bool operator==(const Brush&, const Brush&) = default;
};

// height: character cell height in pixels, 0 for the face's default size; an empty face is the
// device context's default font.
struct Font {
  std::string face;
  int height = 0;
  bool fixedPitch = false;
  bool bold = false;
  friend bool operator==(const Font&, const Font&) = default;
};

enum class BackMode { Opaque, Transparent };

// The state in effect when a primitive is drawn.
struct PaintState {
  Pen pen;      // black, solid, 1 pixel
  Brush brush;  // white
  Font font;
  Rgb textColour;  // black
  Rgb backColour{255, 255, 255};
  BackMode backMode = BackMode::Opaque;
  Point position;  // current position
};

class Painter {
 public:
  virtual ~Painter() = default;

  void SelectPen(const Pen& pen) { state_.pen = pen; }
  void SelectBrush(const Brush& brush) { state_.brush = brush; }
  void SelectFont(const Font& font) { state_.font = font; }
  void SetTextColor(Rgb colour) { state_.textColour = colour; }
  void SetBkColor(Rgb colour) { state_.backColour = colour; }
  void SetBkMode(BackMode mode) { state_.backMode = mode; }
  const PaintState& state() const { return state_; }

  void MoveTo(int x, int y) { state_.position = {x, y}; }
  // Line from the current position to (x, y), which becomes the current position; the end
  // point itself is not drawn.
  void LineTo(int x, int y);
  // Outline with the pen, inside filled with the brush; the box runs from (left, top) to
  // (right, bottom), right and bottom excluded.
  void Rectangle(int left, int top, int right, int bottom);
  void Ellipse(int left, int top, int right, int bottom);
  // Counter-clockwise elliptic arc in the box, from its radial through (xStart, yStart) to its
  // radial through (xEnd, yEnd); equal radials give the whole ellipse. No current position.
  void Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
  // A line from the current position to the arc's start, then the arc of the circle of the
  // given radius about (x, y), through (x + radius, y), from startDegrees over sweepDegrees
  // (counter-clockwise for positive sweeps). The arc's end becomes the current position.
  void AngleArc(int x, int y, int radius, double startDegrees, double sweepDegrees);
  // Fills the polygon with the brush (PaintRgn of a polygon region), no outline.
  void PaintRgn(const std::vector<Point>& polygon);
  void PaintRgn(int left, int top, int right, int bottom);
  // Text with its top-left corner at (x, y), in the text colour, over a box of the background
  // colour when the background mode is opaque.
  void TextOut(int x, int y, const std::string& text);
  // The icon at its own size with its top-left corner at (x, y); nothing for a null icon.
  void DrawIcon(int x, int y, HICON icon);

 protected:
  // What the implementations draw; state() holds the pen, brush, font and colours in effect.
  virtual void drawLine(Point from, Point to) = 0;
  virtual void drawRectangle(int left, int top, int right, int bottom) = 0;
  virtual void drawEllipse(int left, int top, int right, int bottom) = 0;
  // Arc of the ellipse in the box, angles in degrees counter-clockwise from three o'clock.
  virtual void drawArc(int left, int top, int right, int bottom, double startDegrees,
                       double sweepDegrees) = 0;
  virtual void fillPolygon(const std::vector<Point>& polygon) = 0;
  virtual void drawText(Point topLeft, const std::string& text) = 0;
  virtual void drawIcon(Point topLeft, const IconImage& icon) = 0;

 private:
  PaintState state_;
};

}  // namespace ui
