#include "tests/loadentry/InputBlock.h"

#include <cstring>

#include "platform/CommandLine.h"
#include "tests/support/BlockBytes.h"

namespace loadentry::test {

InputBlock::InputBlock(int functions, int extraBytes)
    : HostBlock(sizeFor(functions) + extraBytes, 0, uniqueKey("kvload")) {
  fill(kHostByte);
}

void InputBlock::launch() const { platform::setCommandLine({"/usr/bin/loadentry", "/SHMKEY:" + key()}); }

void InputBlock::setFunctionName(int i, const std::string& name) {
  testsupport::writeBytes(*this, kFunctionEntriesOffset + kFunctionEntrySize * static_cast<std::size_t>(i),
                          name.c_str(), name.size() + 1);
}

void fillThreePointLoad(InputBlock& block) {
  LoadBcInputBlock& d = block.data();
  d.status = 7;
  d.distribution = 3;
  std::strcpy(d.pointName[0], "pa");
  std::strcpy(d.pointName[1], "Mid");
  std::strcpy(d.pointName[2], "end-B");
  for (int dir = 0; dir < 3; ++dir) d.loadType[dir] = 0;
  std::memcpy(d.value, kValues, sizeof kValues);
  d.functionIndex = 1;
  d.functionKind = 2;
  d.functionCount = 2;
  std::strcpy(d.csysName, "CSYS-BEAM2");
  const char* const names[] = {"RAMP-UP", "SINE 50Hz"};
  for (int i = 0; i < 2 && InputBlock::sizeFor(i + 1) <= block.dataSize(); ++i) {
    block.setFunctionName(i, names[i]);
  }
}

}  // namespace loadentry::test
