// The host's side of a curve plot for the tests: real "INFO" and "LINE" blocks, their fields
// written by offset, and the process command line set to the tool's launch arguments.
#pragma once

#include <string>
#include <vector>

#include "curveplot/CurveBlocks.h"
#include "tests/runtime/ipc/HostBlock.h"

namespace curveplot::test {

struct Curve {
  std::int32_t markMaximum = 0;
  double valueTop = 0.0;
  double valueBottom = 0.0;
  double dispersion = 0.0;
  std::string caption;
  std::vector<CurveSegment> segments;  // {x0, x1, y0, y1}, record 0 first
};

class CurveHost {
 public:
  // Blocks of the given data sizes (the "LINE" size defaults to the curve's records) with the
  // curve written into them; segmentCount is the number of records unless given.
  explicit CurveHost(const Curve& curve, int infoSize = static_cast<int>(kCurveInfoMinSize),
                     int lineSize = -1);

  void setSegmentCount(std::int32_t count);
  // The command line of `program` started on both blocks, with the kinds given.
  void launch(const std::string& program, const std::string& infoKind = "SM",
              const std::string& lineKind = "SM") const;

  HostBlock& info() { return info_; }
  HostBlock& line() { return line_; }
  // Both data areas, byte for byte.
  std::vector<char> snapshot();

 private:
  HostBlock info_;
  HostBlock line_;
};

}  // namespace curveplot::test
