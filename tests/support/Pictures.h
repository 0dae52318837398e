// Where tests leave the pictures they render, for people to look at.
#pragma once

#include <string>

namespace testsupport {

// $KORVENA_PICTURE_DIR/name (the build's pictures folder under CTest), else name in the
// current folder.
std::string picturePath(const std::string& name);

}  // namespace testsupport
