// The host's side of a convset block for the tests: a real mapping longer than the layout, every
// byte set to a pattern (so that a stray write shows, also behind the layout), and the process
// command line set to the tool's /SHMKEY: word.
#pragma once

#include <functional>
#include <vector>

#include "convset/ConvergenceBlock.h"
#include "tests/support/HostBlock.h"

namespace convset::test {

// The byte every host-owned byte of a fresh block holds.
inline constexpr unsigned char kHostByte = 0x5A;
// The host's block runs 36 bytes past the layout.
inline constexpr int kHostDataSize = static_cast<int>(kConvergenceBlockSize) + 36;

class ConvergenceHost : public HostBlock {
 public:
  explicit ConvergenceHost(int dataSize = kHostDataSize);

  ConvergenceBlock& data() { return layout<ConvergenceBlock>(kConvergenceBlockSize); }
  // Makes the process command line that of convset started on this block.
  void launch() const;
};

// An analysis of the given kind whose settings the dialog must normalise: both RMS change
// criteria set, mainSelected 5, tolerances with more decimals than the dialog shows.
void fillAnalysis(ConvergenceBlock& block, int kind);

// The data area `before` with the layout's fields as `change` leaves them.
std::vector<unsigned char> withFields(std::vector<unsigned char> before,
                                      const std::function<void(ConvergenceBlock&)>& change);

}  // namespace convset::test
