#include "tests/bcviewer/InfoBlock.h"

#include <algorithm>
#include <cstring>

#include "platform/CommandLine.h"
#include "tests/support/BlockBytes.h"

namespace bcviewer::test {

LoadBcInfoBlock twoPointPressure() {
  LoadBcInfoBlock load{};
  std::memset(&load, kHostByte, sizeof load);
  load.distribution = 2;
  std::strcpy(load.pointName[0], "Pnt-a");
  std::strcpy(load.pointName[1], "pnt-B");
  std::strcpy(load.pointName[2], "C");
  const double values[3][3] = {
      {12.5, -0.003125, -2500.0}, {0.0, 6.02e23, -4750.25}, {7.77e-5, -1.0e10, 42.0}};
  std::memcpy(load.value, values, sizeof values);
  std::strcpy(load.functionName, "PRESSURE-RAMP 0.25s");
  std::strcpy(load.csysName, "SURF-CSYS-7");
  std::memset(load.typeNames, 0, sizeof load.typeNames);
  std::memcpy(load.typeNames, "LOAD/UNIT   DISPLACEMENTPRESSURE", 32);
  return load;
}

InfoBlock::InfoBlock(const LoadBcInfoBlock& load, int dataSize)
    : HostBlock(dataSize, 0, uniqueKey("kvinfo")) {
  fill(kHostByte);
  testsupport::writeBytes(*this, 0, &load,
                          std::min<std::size_t>(kLoadBcInfoMinSize, static_cast<std::size_t>(dataSize)));
}

void InfoBlock::launch(const std::vector<std::string>& options) const {
  std::vector<std::string> words = {"/usr/bin/bcviewer", "/SHMKEY:" + key()};
  words.insert(words.end(), options.begin(), options.end());
  platform::setCommandLine(words);
}

}  // namespace bcviewer::test
