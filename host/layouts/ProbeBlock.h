// The block of the test probes: a child attaches, writes the data size it saw and a fixed text,
// and detaches. Used by the host's layout table and by the host's own test child.
#pragma once

#include <cstdint>

namespace host {

struct ProbeBlock {
  std::int32_t sizeSeen;  // the probe writes the block's dataSize here
  char text[28];          // and a fixed text here
  std::int32_t input;     // written by the host, left alone by the probe
  char spare[28];
};

}  // namespace host
