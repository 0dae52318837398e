#include "host/results/MakeResultCommand.h"

#include <cstdio>
#include <exception>
#include <memory>

#include "host/results/SampleModels.h"

namespace host::results {
namespace {

struct MakeResultOptions {
  std::string model = "plate";
  int points = 10000;
  int modes = 16;
  int steps = 200;
  std::string out;
};

void makeResult(const MakeResultOptions& o) {
  try {
    const ResultData data = encodeResultModel(o.model == "plate" ? makePlateModel()
                                                                 : makeSyntheticModel(o.points, o.modes, o.steps));
    writeResultFile(data, o.out);
    std::printf("%s: %d points, %d triangles, %d modes, %d steps\n", o.out.c_str(), data.pointCount,
                data.triangleCount, data.modeCount, data.stepCount);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "korvena-host: %s\n", error.what());
    throw CLI::RuntimeError(1);
  }
}

}  // namespace

void addMakeResultCommand(CLI::App& app) {
  auto options = std::make_shared<MakeResultOptions>();
  CLI::App* command = app.add_subcommand("make-result", "Write a sample result file for shakeplay");
  command->add_option("--model", options->model, "plate (the demo) or synthetic (any size)")
      ->check(CLI::IsMember({"plate", "synthetic"}));
  command->add_option("--points", options->points, "synthetic: points")->check(CLI::Range(1, 1000000));
  command->add_option("--modes", options->modes, "synthetic: modes")->check(CLI::Range(1, 100));
  command->add_option("--steps", options->steps, "synthetic: steps")->check(CLI::Range(2, 1000));
  command->add_option("--out", options->out, "the result file to write")->required();
  command->callback([options] { makeResult(*options); });
}

}  // namespace host::results
