// Writes the seed corpora of every fuzz target into ROOT/<target>/ (see fuzz/seeds/Seeds.h).
#include <cstdio>
#include <exception>

#include "fuzz/seeds/Seeds.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds ROOT\n");
    return 2;
  }
  const std::filesystem::path root = argv[1];
  try {
    fuzzseeds::writeResultSeeds(root / "result_reader_fuzz");
    fuzzseeds::writeDialogSeeds(root);
    fuzzseeds::writeHostInputSeeds(root / "host_input_fuzz");
    fuzzseeds::writeLaunchSeeds(root / "launch_fuzz");
  } catch (const std::exception& error) {
    std::fprintf(stderr, "make_fuzz_seeds: %s\n", error.what());
    return 1;
  }
  return 0;
}
