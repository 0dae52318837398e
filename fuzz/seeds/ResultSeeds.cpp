// Small sample results from the host's writer, each prefixed with the component byte the
// reader's target reads first.
#include "fuzz/seeds/Seeds.h"
#include "results/SampleModels.h"

namespace fuzzseeds {

void writeResultSeeds(const std::filesystem::path& folder) {
  struct Seed {
    int points, modes, steps, component;
  };
  const Seed seeds[] = {{12, 2, 5, 0}, {30, 3, 25, 3}, {9, 1, 2, 6}, {40, 4, 8, 1}};
  for (const Seed& s : seeds) {
    host::results::ResultModel model = host::results::makeSyntheticModel(s.points, s.modes, s.steps);
    model.timeStart = model.stepTimes[1] * 0.5f;
    const std::vector<unsigned char> file =
        host::results::encodeResultFile(host::results::encodeResultModel(model));
    Bytes bytes = {static_cast<std::uint8_t>(s.component)};
    bytes.insert(bytes.end(), file.begin(), file.end());
    writeSeed(folder,
              "seed-" + std::to_string(s.points) + "-" + std::to_string(s.modes) + "-" +
                  std::to_string(s.steps) + ".bin",
              bytes);
  }
}

}  // namespace fuzzseeds
