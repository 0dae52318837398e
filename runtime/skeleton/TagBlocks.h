// The shared blocks of a tool started with "/TAG:" arguments. attach() takes every /TAG: argument
// of the command line, keeps the records of the tags the tool works with and lets every other
// block go at once; whatever is still attached goes when the object does. So no block stays
// attached once the tool has ended, whichever way it ends, including blocks the host named for a
// tag this tool does not read.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "runtime/ipc/IpcTag.h"

namespace skeleton {

class TagBlocks {
 public:
  TagBlocks() = default;
  ~TagBlocks();
  TagBlocks(const TagBlocks&) = delete;
  TagBlocks& operator=(const TagBlocks&) = delete;

  // Attaches the /TAG: arguments among the words (program path included) and keeps, per tag in
  // `tags`, the first record of that tag that has a block attached (kind "SM"). Records of other
  // tags, further records of a kept tag and file kinds are detached at once. True when every
  // argument attached and every tag has its block; otherwise nothing is kept and false returned.
  bool attach(int argc, const char* const* argv, std::initializer_list<const char*> tags);

  // The data area and its size (the header's dataSize) of a kept tag; null and 0 otherwise.
  void* data(const char* tag) const;
  int size(const char* tag) const;

  // Detaches the block of one tag; nothing when it is not kept.
  void detach(const char* tag);
  // Detaches every kept block, in the order the tags were given to attach.
  void detachAll();

 private:
  struct Kept {
    std::string tag;
    lyrIpcRecord* record;
  };
  const Kept* find(const char* tag) const;

  std::vector<Kept> kept_;
};

}  // namespace skeleton
