#include "tests/convset/ConvergenceHost.h"

#include <cstring>

#include "platform/CommandLine.h"

namespace convset::test {

ConvergenceHost::ConvergenceHost(int dataSize) : HostBlock(dataSize, 0, uniqueKey("kvconv")) {
  fill(kHostByte);
}

void ConvergenceHost::launch() const { platform::setCommandLine({"/usr/bin/convset", "/SHMKEY:" + key()}); }

void fillAnalysis(ConvergenceBlock& block, int kind) {
  block.analysisType = kind;
  block.freqDispSelected = 0;
  block.mainSelected = 5;
  block.totalChangeSelected = 1;
  block.localChangeSelected = 1;
  block.totalErrorSelected = 1;
  block.maxTracSelected = 1;
  block.freqDispValue = 2.3456;
  block.mainValue = 4.567;
  block.totalChangeValue = 7.5;
  block.localChangeValue = 6.4321;
  block.totalErrorValue = 3.75;
  block.maxTracValue = 27.456;
  block.levelMin = 4;
  block.levelMax = 10;
  block.maxPasses = 12;
}

std::vector<unsigned char> withFields(std::vector<unsigned char> before,
                                      const std::function<void(ConvergenceBlock&)>& change) {
  ConvergenceBlock fields;
  std::memcpy(&fields, before.data(), kConvergenceBlockSize);
  change(fields);
  std::memcpy(before.data(), &fields, kConvergenceBlockSize);
  return before;
}

}  // namespace convset::test
