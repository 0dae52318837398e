// make-result's options for a result from a .frd file, and the conversion they ask for.
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

// Adds --from-frd and the options that shape its animation; `steps` is the command's own
// --steps option, which a .frd result uses too.
void addFrdOptions(CLI::App& command, FrdRequest& request, CLI::Option* steps);

// Reads, converts and encodes the file, with the coefficient base that makes the motion show;
// what the user should know goes to `notes`.
ResultData frdResultData(const FrdRequest& request, std::vector<std::string>& notes);

}  // namespace host::results
