#include "tests/curveplot/CurveHost.h"

#include <algorithm>
#include <cstring>

#include "platform/CommandLine.h"

namespace curveplot::test {

CurveHost::CurveHost(const Curve& curve, int infoSize, int lineSize)
    : info(infoSize, 0, uniqueKey("kvcurveinfo")),
      line(lineSize >= 0 ? lineSize : static_cast<int>(curve.segments.size() * 32), 0,
           uniqueKey("kvcurveline")) {
  // The fields that fit, over a filler byte; the caption's field is zeroed first.
  CurveInfoBlock fields{};
  std::memset(&fields, 0x5A, sizeof fields);
  fields.markMaximum = curve.markMaximum;
  fields.valueTop = curve.valueTop;
  fields.valueBottom = curve.valueBottom;
  fields.segmentCount = static_cast<std::int32_t>(curve.segments.size());
  fields.dispersion = curve.dispersion;
  std::memset(fields.caption, 0, sizeof fields.caption);
  std::memcpy(fields.caption, curve.caption.data(), std::min(curve.caption.size(), sizeof fields.caption));
  std::memcpy(info.data(), &fields, std::min(sizeof fields, static_cast<std::size_t>(infoSize)));
  const std::size_t fit =
      std::min(curve.segments.size(), static_cast<std::size_t>(line.header().dataSize) / 32);
  std::memcpy(line.data(), curve.segments.data(), fit * sizeof(CurveSegment));
}

void CurveHost::setSegmentCount(std::int32_t count) {
  std::memcpy(info.data() + offsetof(CurveInfoBlock, segmentCount), &count, sizeof count);
}

void CurveHost::launch(const std::string& program, const std::string& infoKind,
                       const std::string& lineKind) const {
  platform::setCommandLine({"/usr/bin/" + program, "/TAG:INFO:" + infoKind + ":" + info.key(),
                            "/TAG:LINE:" + lineKind + ":" + line.key()});
}

std::vector<char> CurveHost::snapshot() {
  std::vector<char> bytes(info.data(), info.data() + info.header().dataSize);
  bytes.insert(bytes.end(), line.data(), line.data() + line.header().dataSize);
  return bytes;
}

}  // namespace curveplot::test
