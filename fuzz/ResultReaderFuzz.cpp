// Fuzzes the result-file reader and, when a file is accepted, a few ticks of the animation.
// The first byte of an input picks the component; the rest is the file.
#include <cstddef>
#include <cstdint>

#include "shakeplay/core/ByteSource.h"
#include "shakeplay/core/SceneRenderer.h"
#include "shakeplay/core/Services.h"
#include "shakeplay/core/ShakeplayDoc.h"

namespace {

class QuietServices : public shakeplay::Services {
 public:
  void messageBox(const std::string&, const std::string&, shakeplay::MessageIcon) override {}
  void printOut(const std::string&) override {}
};

// Touches every primitive, so that a bad index or length shows under the sanitizers.
class TouchingSink : public shakeplay::PrimitiveSink {
 public:
  void colouredTriangles(const shakeplay::FramePoint* points, const int* corners,
                         std::size_t count) override {
    for (std::size_t i = 0; i < count; ++i) sum += points[corners[i]].red + points[corners[i]].x;
  }
  void lineStrip(const float* xyz, std::size_t stride, int count, const float* rgb) override {
    for (int i = 0; i < count; ++i)
      sum += *reinterpret_cast<const float*>(reinterpret_cast<const char*>(xyz) + i * stride);
    sum += rgb[0];
  }
  float sum = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  QuietServices services;
  shakeplay::CShakeplayDoc doc(services);
  doc.setRequest({.component = data[0] % 4});
  shakeplay::MemorySource source(data + 1, size - 1);
  if (doc.readModelFrom(source) != 0) return 0;
  TouchingSink sink;
  for (const bool deformed : {false, true}) {
    doc.applyChoice({.deformed = deformed, .smoothIndex = data[0] / 4 % 6});
    for (int tick = 0; tick < 8; ++tick) doc.AdvanceFrame();
    doc.DrawModel(false, sink);
  }
  const shakeplay::Animation frame = doc.animation().frameAt(8, true, 1.0f);
  for (const shakeplay::FramePoint& point : frame.points()) sink.sum += point.x;
  return sink.sum == 12345.0f ? 1 : 0;
}
