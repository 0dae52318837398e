#include "host/cli/ShakeplayDemo.h"

#include <stdlib.h>

#include <CLI/CLI.hpp>
#include <array>
#include <cmath>
#include <exception>
#include <filesystem>
#include <numbers>

#include "host/cli/CommandSupport.h"
#include "host/core/ToolProcess.h"
#include "host/core/ToolRun.h"
#include "results/SampleModels.h"

namespace host::cli {
namespace {

namespace fs = std::filesystem;

// The plate seen from the front, tilted back by 60 degrees so that its bending shows.
std::array<double, 16> tiltedView() {
  const double angle = -60.0 * std::numbers::pi / 180.0;
  const double c = std::cos(angle), s = std::sin(angle);
  return {1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1};
}

// A folder only this user can enter, removed with everything in it when the guard goes.
class PrivateFolder {
 public:
  PrivateFolder() {
    std::string pattern = (fs::temp_directory_path() / "korvena-shakeplay-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) fail("cannot create a temporary folder", kExitHostFailed);
    path_ = pattern;
  }
  ~PrivateFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace

void runShakeplayDemo() {
  fs::path program;
  try {
    program = resolveTool("shakeplay", executableFolder());
  } catch (const ToolStartError& error) {
    fail(std::string("the demo of shakeplay needs shakeplay, which is not built yet (") + error.what() + ")",
         kExitToolNotStarted);
  }
  // The forwarding outlives the folder: an interruption at any point still removes it.
  InterruptForwarding forwarding;
  const PrivateFolder folder;
  const fs::path resultFile = folder.path() / "plate.res";
  try {
    results::ResultData data = results::encodeResultModel(results::makePlateModel());
    data.viewMatrix = tiltedView();
    results::writeResultFile(data, resultFile.string());
  } catch (const std::exception& error) {
    fail(std::string("cannot write the sample result file: ") + error.what(), kExitHostFailed);
  }
  ToolOutcome outcome;
  try {
    outcome = forwarding.run(program, {resultFile.string(), "2"}, false);
  } catch (const ToolStartError& error) {
    fail(error.what(), kExitToolNotStarted);
  }
  if (!outcome.exited) fail("shakeplay ended by " + signalName(outcome.signal), exitCodeFor(outcome));
  if (const int code = exitCodeFor(outcome); code != 0) throw CLI::RuntimeError(code);
}

}  // namespace host::cli
