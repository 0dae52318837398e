// The host's side of a loadentry block for the tests, and realistic loads to fill it with.
#pragma once

#include <string>

#include "loadentry/LoadBcInputBlock.h"
#include "tests/support/HostBlock.h"

namespace loadentry::test {

// The byte every host-owned byte of a fresh block holds.
inline constexpr unsigned char kHostByte = 0xA5;

// A block with room for `functions` load-function entries (and `extraBytes` more), every byte
// the host's pattern until the fill functions set the fields.
class InputBlock : public HostBlock {
 public:
  explicit InputBlock(int functions, int extraBytes = 0);
  // A block of exactly dataSize bytes, which may be too short for the fixed part.
  static int sizeFor(int functions) {
    return static_cast<int>(kFunctionEntriesOffset + kFunctionEntrySize * functions);
  }

  LoadBcInputBlock& data() { return layout<LoadBcInputBlock>(); }
  // Writes the name, with its ending zero, at the start of entry i.
  void setFunctionName(int i, const std::string& name);
  // Makes the process command line that of loadentry started on this block.
  void launch() const;
};

// A three-point load on the directions of "CSYS-BEAM2", all three "LOAD per UNIT", with uneven
// values, under the second of the two load functions "RAMP-UP" and "SINE 50Hz" (the names of
// those the block has room for are written). The host's
// status word holds 7 and the point names are in mixed case.
void fillThreePointLoad(InputBlock& block);

// The values the fill writes, by point then direction, and their texts in "%11.4e".
inline constexpr double kValues[3][3] = {
    {1234.5, -0.0625, 7.5e-3}, {2.25e4, 0.0, -310.75}, {88.125, 1.0e-6, -4.5}};
inline const char* const kValueTexts[3][3] = {{" 1.2345e+03", "-6.2500e-02", " 7.5000e-03"},
                                              {" 2.2500e+04", " 0.0000e+00", "-3.1075e+02"},
                                              {" 8.8125e+01", " 1.0000e-06", "-4.5000e+00"}};

}  // namespace loadentry::test
