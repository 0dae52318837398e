// Fuzzes the .frd reader and, when a file is accepted, its conversion into a result: both
// animations and the encoding. Refusals are the expected outcome; anything else is a fault.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>

#include "results/frd/FrdError.h"
#include "results/frd/FrdResultModel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  try {
    const host::results::FrdFile file = host::results::readFrd(in, "fuzz.frd");
    for (const bool impulse : {false, true}) {
      host::results::FrdAnimation animation;
      animation.impulse = impulse;
      animation.steps = 24;
      try {
        const host::results::ResultData result =
            host::results::encodeResultModel(convertFrd(file, animation).model);
        if (result.pointCount == 0) __builtin_trap();  // an accepted file always has a surface
      } catch (const host::results::FrdError&) {
      }
    }
  } catch (const host::results::FrdError&) {
  }
  return 0;
}
