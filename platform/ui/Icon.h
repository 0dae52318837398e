// Icons: pictures held in the process's icon resource table under their resource ids, the way
// a program's icons are compiled into it. A tool registers its pictures at start and loads them
// by id; a loaded icon is a handle that stays valid for the life of the process.
#pragma once

#include <cstdint>
#include <vector>

namespace ui {

// A picture of width x height pixels, row by row from the top, each pixel 0xAARRGGBB.
struct IconImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;

  bool valid() const;  // a positive size and exactly one value per pixel
  std::uint32_t pixel(int x, int y) const { return argb[static_cast<std::size_t>(y * width + x)]; }
};

// HICON: a registered picture; null for no icon.
using HICON = const IconImage*;

// Files the picture under the resource id. Resource ids are unique: a second picture for an id
// already taken is refused, as is a picture that is not valid(). Returns whether it was filed.
bool RegisterIcon(int resourceId, IconImage image);

// The icon filed under the resource id, or null when there is none.
HICON LoadIcon(int resourceId);

}  // namespace ui
