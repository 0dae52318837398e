// The options that shape the animation made of a .frd file's modes, shared by make-result,
// shakeplay and shakeplay-export, and the conversion they ask for.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

#include "results/ResultData.h"
#include "results/frd/FrdResultModel.h"

namespace host::results {

struct FrdRequest {
  std::string path;  // empty: no .frd file asked for
  FrdAnimation animation;
};

// Adds --mode, --impulse, --periods, --damping, --amplitudes, --feature-angle and --title, bound
// to `animation`, and --steps unless `steps` is the command's own --steps option (make-result's,
// which its synthetic model uses too). Returns the options added.
std::vector<CLI::Option*> addFrdAnimationOptions(CLI::App& command, FrdAnimation& animation,
                                                 CLI::Option* steps = nullptr);

// make-result's --from-frd, with the options above needing it.
void addFrdOptions(CLI::App& command, FrdRequest& request, CLI::Option* steps);

// The animation that words such as {"--mode", "2", "--periods", "3"} ask for; throws
// std::invalid_argument with the parser's message for words it cannot take.
FrdAnimation parseFrdAnimation(const std::vector<std::string>& words);

// Reads, converts and encodes the file, with the coefficient base that makes the motion show;
// what the user should know goes to `notes`.
ResultData frdResultData(const FrdRequest& request, std::vector<std::string>& notes);

}  // namespace host::results
