// The host's side of curvedit's blocks for the tests: real INFO and DATA mappings whose every
// byte starts as a pattern (so that a stray write shows), the fields the host fills, and the
// process command line of the tool started on them.
#pragma once

#include <string>
#include <vector>

#include "curvedit/FunctionBlocks.h"
#include "curvedit/FunctionPoints.h"
#include "tests/support/HostBlock.h"

namespace curvedit::test {

// The byte every host-owned byte of a fresh block holds.
inline constexpr unsigned char kHostByte = 0xA5;

// A ramp-hold-release time function: rises over 0.5 s, holds 1.0 to 2.0 s, released by 2.5 s.
PointList rampHoldRelease();

class FunctionHost {
 public:
  explicit FunctionHost(int infoSize = static_cast<int>(kFunctionInfoSize),
                        int dataSize = static_cast<int>(kFunctionDataSize));

  HostBlock& infoBlock() { return info_; }
  HostBlock& dataBlock() { return data_; }
  FunctionInfoBlock& info();  // the full INFO block
  FunctionDataBlock& data();  // the full DATA block
  std::vector<unsigned char> infoBytes();
  std::vector<unsigned char> dataBytes();

  // A time function (minTimeStep 0.01) or a frequency function (highest natural frequency
  // 24.5 Hz) named "Ramp hold release" with the given points.
  void timeFunction(const PointList& points);
  void frequencyFunction(const PointList& points);
  void setPoints(const PointList& points);

  // The tool's command line on these blocks, with the kind of each and any further words.
  void launch(const std::string& infoKind = "SM", const std::string& dataKind = "SM",
              const std::vector<std::string>& extra = {}) const;

 private:
  void fill(const char* title, const PointList& points);
  int infoSize_;
  int dataSize_;
  HostBlock info_;
  HostBlock data_;
};

// A DATA snapshot with `status` set and, unless null, `pointCount` and the leading points
// replaced: what the block must hold after APPLY (or, without points, CANCEL).
std::vector<unsigned char> withResult(std::vector<unsigned char> data, std::int32_t status,
                                      const PointList* points);

}  // namespace curvedit::test
