#include "platform/ui/Icon.h"

#include <map>
#include <memory>
#include <utility>

namespace ui {
namespace {
// Filled at start, read for the rest of the process; the pictures never move, so handles stay
// valid.
std::map<int, std::unique_ptr<const IconImage>>& iconTable() {
  static std::map<int, std::unique_ptr<const IconImage>> table;
  return table;
}
}  // namespace

bool IconImage::valid() const {
  return width > 0 && height > 0 &&
         argb.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

bool RegisterIcon(int resourceId, IconImage image) {
  if (!image.valid()) return false;
  return iconTable().try_emplace(resourceId, std::make_unique<const IconImage>(std::move(image))).second;
}

HICON LoadIcon(int resourceId) {
  const auto& table = iconTable();
  const auto found = table.find(resourceId);
  return found != table.end() ? found->second.get() : nullptr;
}

}  // namespace ui
