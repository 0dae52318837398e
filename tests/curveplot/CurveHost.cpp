#include "tests/curveplot/CurveHost.h"

#include <algorithm>
#include <cstring>

#include "platform/CommandLine.h"

namespace curveplot::test {
namespace {
template <class T>
void put(char* data, std::size_t offset, const T& value) {
  std::memcpy(data + offset, &value, sizeof value);
}

int recordBytes(const Curve& curve) {
  return static_cast<int>(curve.segments.size() * sizeof(CurveSegment));
}
}  // namespace

CurveHost::CurveHost(const Curve& curve, int infoSize, int lineSize)
    : info_(infoSize, 0, uniqueKey("kvcurveinfo")),
      line_(lineSize >= 0 ? lineSize : recordBytes(curve), 0, uniqueKey("kvcurveline")) {
  char* data = info_.data();
  std::memset(data, 0x5A, static_cast<std::size_t>(infoSize));
  if (infoSize >= static_cast<int>(offsetof(CurveInfoBlock, caption))) {
    put(data, offsetof(CurveInfoBlock, markMaximum), curve.markMaximum);
    put(data, offsetof(CurveInfoBlock, valueTop), curve.valueTop);
    put(data, offsetof(CurveInfoBlock, valueBottom), curve.valueBottom);
    put(data, offsetof(CurveInfoBlock, dispersion), curve.dispersion);
    const std::size_t room = static_cast<std::size_t>(infoSize) - offsetof(CurveInfoBlock, caption);
    std::memset(data + offsetof(CurveInfoBlock, caption), 0, std::min(room, kCurveCaptionBytes));
    std::memcpy(data + offsetof(CurveInfoBlock, caption), curve.caption.data(),
                std::min(room, curve.caption.size()));
  }
  setSegmentCount(static_cast<std::int32_t>(curve.segments.size()));
  const std::size_t fits = static_cast<std::size_t>(line_.header().dataSize) / sizeof(CurveSegment);
  std::memcpy(line_.data(), curve.segments.data(),
              std::min(fits, curve.segments.size()) * sizeof(CurveSegment));
}

void CurveHost::setSegmentCount(std::int32_t count) {
  if (info_.header().dataSize >= static_cast<int>(offsetof(CurveInfoBlock, dispersion))) {
    put(info_.data(), offsetof(CurveInfoBlock, segmentCount), count);
  }
}

void CurveHost::launch(const std::string& program, const std::string& infoKind,
                       const std::string& lineKind) const {
  platform::setCommandLine({"/usr/bin/" + program, "/TAG:INFO:" + infoKind + ":" + info_.key(),
                            "/TAG:LINE:" + lineKind + ":" + line_.key()});
}

std::vector<char> CurveHost::snapshot() {
  std::vector<char> bytes;
  for (HostBlock* block : {&info_, &line_}) {
    bytes.insert(bytes.end(), block->data(), block->data() + block->header().dataSize);
  }
  return bytes;
}

}  // namespace curveplot::test
