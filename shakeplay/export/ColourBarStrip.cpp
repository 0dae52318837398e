#include "shakeplay/export/ColourBarStrip.h"

#include <memory>

#include "platform/gl/EglPbuffer.h"
#include "platform/gl/FontGlyphs.h"
#include "shakeplay/app/WindowLayout.h"
#include "shakeplay/views/ColourBarView.h"

namespace shakeplay::exporting {
namespace {

class PbufferSurface final : public GlSurface {
 public:
  explicit PbufferSurface(gl::EglPbuffer& pbuffer) : pbuffer_(pbuffer) {}
  bool makeCurrent() override { return pbuffer_.makeCurrent(); }
  void swapBuffers() override { pbuffer_.swapBuffers(); }

 private:
  gl::EglPbuffer& pbuffer_;
};

}  // namespace

int colourBarHeight() { return layout::kColourBar.cy; }

std::optional<FrameImage> drawColourBar(const CShakeplayDoc& doc, int width, std::string& error) {
  const int height = colourBarHeight();
  std::unique_ptr<gl::EglPbuffer> pbuffer = gl::EglPbuffer::create(width, height, error);
  if (!pbuffer) return std::nullopt;
  PbufferSurface surface(*pbuffer);
  {
    CColourBarView bar(doc, surface, gl::fontGlyphs);
    bar.OnCreate(true);
    // The window's first size message is skipped by the view; the one after it counts.
    bar.OnSize(width, height);
    bar.OnSize(width, height);
    bar.OnPaint();
  }
  FrameImage picture{width, height, {}};
  picture.rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  const std::vector<std::uint32_t> pixels = pbuffer->readPixels();
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    picture.rgb[3 * i] = static_cast<std::uint8_t>(pixels[i] >> 16);
    picture.rgb[3 * i + 1] = static_cast<std::uint8_t>(pixels[i] >> 8);
    picture.rgb[3 * i + 2] = static_cast<std::uint8_t>(pixels[i]);
  }
  return picture;
}

}  // namespace shakeplay::exporting
