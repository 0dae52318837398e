// The host's side of a bcviewer block for the tests, and a realistic load to fill it with.
#pragma once

#include <string>
#include <vector>

#include "bcviewer/LoadBcInfoBlock.h"
#include "tests/support/HostBlock.h"

namespace bcviewer::test {

// The byte every host-owned byte of a fresh block holds.
inline constexpr unsigned char kHostByte = 0xA5;

// A two-point pressure load on "SURF-CSYS-7" under "PRESSURE-RAMP 0.25s", with uneven values
// in all three points; the type names of directions 1 and 2 fill their 12 characters, that of
// direction 3 ends early.
LoadBcInfoBlock twoPointPressure();

inline constexpr const char* kValueTexts[3][3] = {{" 1.2500e+01", "-3.1250e-03", "-2.5000e+03"},
                                                  {" 0.0000e+00", " 6.0200e+23", "-4.7502e+03"},
                                                  {" 7.7700e-05", "-1.0000e+10", " 4.2000e+01"}};

// A block of dataSize bytes (the layout's 507 unless given) holding the load's first bytes.
class InfoBlock : public HostBlock {
 public:
  explicit InfoBlock(const LoadBcInfoBlock& load, int dataSize = static_cast<int>(kLoadBcInfoMinSize));
  // Makes the process command line that of bcviewer started on this block with the options.
  void launch(const std::vector<std::string>& options = {}) const;
};

}  // namespace bcviewer::test
