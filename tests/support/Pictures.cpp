#include "tests/support/Pictures.h"

#include <cstdlib>

namespace testsupport {

std::string picturePath(const std::string& name) {
  const char* folder = std::getenv("KORVENA_PICTURE_DIR");
  return folder != nullptr && *folder != '\0' ? std::string(folder) + "/" + name : name;
}

}  // namespace testsupport
