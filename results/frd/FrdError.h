// A refused .frd file, or a request the file cannot meet: the message names the file and,
// where there is one, the line ("beam.frd:17: ...").
#pragma once

#include <stdexcept>
#include <string>

#include "results/frd/Joined.h"

namespace host::results {

class FrdError : public std::runtime_error {
 public:
  FrdError(const std::string& file, int line, const std::string& message)
      : std::runtime_error(line > 0 ? joined(file, ":", line, ": ", message) : joined(file, ": ", message)) {}
};

}  // namespace host::results
