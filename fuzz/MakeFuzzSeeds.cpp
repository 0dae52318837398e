// Writes the seed corpus of the reader's fuzz target: small sample results from the host's
// writer, each prefixed with the component byte the target reads first.
#include <cstdio>
#include <string>

#include "host/results/SampleModels.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds FOLDER\n");
    return 2;
  }
  struct Seed {
    int points, modes, steps, component;
  };
  const Seed seeds[] = {{12, 2, 5, 0}, {30, 3, 25, 3}, {9, 1, 2, 6}, {40, 4, 8, 1}};
  for (const Seed& s : seeds) {
    host::results::ResultModel model = host::results::makeSyntheticModel(s.points, s.modes, s.steps);
    model.timeStart = model.stepTimes[1] * 0.5f;
    const std::vector<unsigned char> bytes =
        host::results::encodeResultFile(host::results::encodeResultModel(model));
    const std::string path = std::string(argv[1]) + "/seed-" + std::to_string(s.points) + "-" +
                             std::to_string(s.modes) + "-" + std::to_string(s.steps) + ".bin";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return 1;
    const unsigned char component = static_cast<unsigned char>(s.component);
    const bool ok = std::fwrite(&component, 1, 1, file) == 1 &&
                    std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !ok) return 1;
  }
  return 0;
}
