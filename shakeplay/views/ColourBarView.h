// The colour bar under the model view: sixteen bands from blue to magenta and eight value
// labels from the component's minimum to its maximum.
#pragma once

#include <array>
#include <string>

#include "platform/gl/BitmapFont.h"
#include "shakeplay/views/GlSurface.h"

namespace shakeplay {

class CShakeplayDoc;

inline constexpr int kColourBands = 16;
using BandColours = std::array<std::array<float, 3>, kColourBands>;
extern const BandColours kBandColours;

class CColourBarView {
 public:
  CColourBarView(const CShakeplayDoc& doc, GlSurface& surface, gl::GlyphSource glyphs);
  // The font lists go with the view: destroy it with its context current.
  ~CColourBarView();
  CColourBarView(const CColourBarView&) = delete;
  CColourBarView& operator=(const CColourBarView&) = delete;

  // With the window's context current (haveContext), the OpenGL state and the font lists;
  // without, the view draws nothing.
  void OnCreate(bool haveContext);
  void OnSize(int w, int h);
  void OnPaint();

  // The left end of value label i (0..7) and its text.
  double LabelX(int i) const;
  std::string LabelText(int i) const;

  int width = 300;
  int height = 20;
  int skipNextSize = 1;
  unsigned fontBase = 0;
  static constexpr int labelOffset = 35;
  static constexpr int kLabels = 8;

 private:
  const CShakeplayDoc& doc_;
  GlSurface& surface_;
  gl::GlyphSource glyphs_;
  bool ready_ = false;
};

}  // namespace shakeplay
