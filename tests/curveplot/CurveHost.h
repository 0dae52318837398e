// The host's side of a curve plot for the tests: real "INFO" and "LINE" blocks with the curve
// written into them, and the process command line set to the tool's launch arguments.
#pragma once

#include <string>
#include <vector>

#include "curveplot/CurveBlocks.h"
#include "tests/support/HostBlock.h"

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
  // segmentCount is the number of records; the "LINE" block holds them unless lineSize is given.
  explicit CurveHost(const Curve& curve, int infoSize = static_cast<int>(kCurveInfoMinSize),
                     int lineSize = -1);

  void setSegmentCount(std::int32_t count);
  void launch(const std::string& program, const std::string& infoKind = "SM",
              const std::string& lineKind = "SM") const;
  std::vector<char> snapshot();  // both data areas, byte for byte

  HostBlock info;
  HostBlock line;
};

}  // namespace curveplot::test
