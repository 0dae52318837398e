#include "results/MakeResultCommand.h"

#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <stdexcept>

#include "results/SampleModels.h"
#include "results/frd/FrdError.h"
#include "results/frd/FrdOptions.h"

namespace host::results {
namespace {

constexpr int kExitFailed = 1;    // the result could not be made or written
constexpr int kExitBadInput = 2;  // the .frd file or a setting was refused

struct MakeResultOptions {
  std::string model = "plate";
  int points = 10000;
  int modes = 16;
  std::optional<int> steps;
  std::string out;
  FrdRequest frd;
};

ResultData resultData(MakeResultOptions& o) {
  if (!o.frd.path.empty()) {
    o.frd.animation.steps = o.steps;
    std::vector<std::string> notes;
    ResultData data = frdResultData(o.frd, notes);
    for (const std::string& note : notes) std::fprintf(stderr, "korvena-host: note: %s\n", note.c_str());
    return data;
  }
  return encodeResultModel(o.model == "plate" ? makePlateModel()
                                              : makeSyntheticModel(o.points, o.modes, o.steps.value_or(200)));
}

[[noreturn]] void fail(const std::exception& error, int code) {
  std::fprintf(stderr, "korvena-host: %s\n", error.what());
  throw CLI::RuntimeError(code);
}

void makeResult(MakeResultOptions& o) {
  try {
    const ResultData data = resultData(o);
    writeResultFile(data, o.out);
    std::printf("%s: %d points, %d triangles, %d modes, %d steps\n", o.out.c_str(), data.pointCount,
                data.triangleCount, data.modeCount, data.stepCount);
    if (!o.frd.path.empty()) {
      std::printf(
          "%d edge lines; coefficient base %.4g: the largest displacement is a tenth of the model's size\n",
          data.chainCount, data.ranges[8]);
    }
  } catch (const FrdError& error) {
    fail(error, kExitBadInput);
  } catch (const std::invalid_argument& error) {
    fail(error, kExitBadInput);
  } catch (const std::exception& error) {
    fail(error, kExitFailed);
  }
}

}  // namespace

void addMakeResultCommand(CLI::App& app) {
  auto options = std::make_shared<MakeResultOptions>();
  CLI::App* command = app.add_subcommand(
      "make-result", "Write a result file for shakeplay: a sample, or the modes of a CalculiX run");
  CLI::Option* model =
      command->add_option("--model", options->model, "plate (the demo) or synthetic (any size)")
          ->check(CLI::IsMember({"plate", "synthetic"}));
  CLI::Option* points =
      command->add_option("--points", options->points, "synthetic: points")->check(CLI::Range(1, 1000000));
  CLI::Option* modes =
      command->add_option("--modes", options->modes, "synthetic: modes")->check(CLI::Range(1, 100));
  CLI::Option* steps = command->add_option("--steps", options->steps)->check(CLI::Range(2, 20000));
  command->add_option("--out", options->out, "the result file to write")->required();
  addFrdOptions(*command, options->frd, steps);
  for (CLI::Option* sample : {model, points, modes}) sample->excludes("--from-frd");
  command->callback([options] { makeResult(*options); });
}

}  // namespace host::results
