#include <exception>
#include <iostream>

#include "host/cli/Commands.h"
#include "host/core/ToolRun.h"
#include "platform/ProgramInfo.h"
#include "results/MakeResultCommand.h"

int main(int argc, char** argv) {
  if (platform::answerInfoRequest(argc, argv, "korvena-host", "")) return 0;
  CLI::App app{
      "korvena-host: creates a tool's shared blocks, starts the tool and prints the "
      "blocks it left"};
  app.require_subcommand(1);
  host::cli::addRunCommand(app);
  host::cli::addDemoCommand(app);
  host::cli::addLayoutsCommand(app);
  host::results::addMakeResultCommand(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::RuntimeError& error) {
    return error.get_exit_code();
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error);
    return code == 0 ? 0 : host::kExitBadInput;
  } catch (const std::exception& error) {
    // Nothing the host meets may end it without a word: what no command expected is the host's failure.
    std::cerr << "korvena-host: " << error.what() << "\n";
    return host::kExitHostFailed;
  }
  return 0;
}
