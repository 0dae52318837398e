#include "results/frd/FrdOptions.h"

#include <stdexcept>

#include "results/frd/FrdFile.h"

namespace host::results {

std::vector<CLI::Option*> addFrdAnimationOptions(CLI::App& command, FrdAnimation& a, CLI::Option* steps) {
  CLI::Option* mode =
      command.add_option("--mode", a.mode, "from a .frd file: the mode that swings alone (default 1)");
  CLI::Option* impulse =
      command.add_flag("--impulse", a.impulse, "from a .frd file: all modes ringing down after an impulse");
  mode->excludes(impulse);
  CLI::Option* periods =
      command.add_option("--periods", a.periods,
                         "periods of the mode (default 1); after --impulse, of the lowest mode (default 4)");
  CLI::Option* damping = command.add_option("--damping", a.damping,
                                            "after --impulse: damping ratio of every mode (default 0.02)");
  CLI::Option* amplitudes =
      command
          .add_option("--amplitudes", a.amplitudes,
                      "after --impulse: each mode's amplitude, comma-separated (default f1/fk)")
          ->delimiter(',');
  CLI::Option* angle = command.add_option(
      "--feature-angle", a.featureAngle,
      "from a .frd file: draw edges where faces meet at more than this angle in degrees (default 30)");
  CLI::Option* title = command.add_option(
      "--title", a.title, "from a .frd file: the title (default: the heading and the motion)");
  damping->needs(impulse);
  amplitudes->needs(impulse);
  std::vector<CLI::Option*> added{mode, impulse, periods, damping, amplitudes, angle, title};
  if (steps == nullptr) {
    added.push_back(command
                        .add_option("--steps", a.steps,
                                    "from a .frd file: steps of the motion (default 32 a period; after "
                                    "--impulse enough for 16 a period of the highest mode)")
                        ->check(CLI::Range(2, 20000)));
  }
  return added;
}

void addFrdOptions(CLI::App& command, FrdRequest& request, CLI::Option* steps) {
  CLI::Option* frd = command.add_option("--from-frd", request.path,
                                        "a CalculiX result file (.frd) with the modes of a *FREQUENCY step");
  for (CLI::Option* option : addFrdAnimationOptions(command, request.animation, steps)) option->needs(frd);
  steps->description(
      "steps of the motion (synthetic: default 200; from a .frd file: 32 a period, after --impulse enough "
      "for 16 a period of the highest mode)");
}

FrdAnimation parseFrdAnimation(const std::vector<std::string>& words) {
  FrdAnimation animation;
  CLI::App parser;
  parser.set_help_flag();  // "--help" is no .frd option
  addFrdAnimationOptions(parser, animation);
  std::vector<std::string> reversed(words.rbegin(), words.rend());
  try {
    parser.parse(reversed);
  } catch (const CLI::ParseError& error) {
    throw std::invalid_argument(error.what());
  }
  return animation;
}

ResultData frdResultData(const FrdRequest& request, std::vector<std::string>& notes) {
  const FrdFile file = readFrdFile(request.path);
  FrdConversion conversion = convertFrd(file, request.animation);
  notes = std::move(conversion.notes);
  ResultData data = encodeResultModel(conversion.model);
  data.ranges[8] = visibleCoefBase(data);  // the coefficient base, stored with the ranges
  return data;
}

}  // namespace host::results
