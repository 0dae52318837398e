// The entry point of a dialog tool (no Qt in this header):
//   int main(int argc, char** argv) {
//     return ui::qt::runApplication(argc, argv, [] { return std::make_unique<CSettingsDlg>(); });
//   }
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class Dialog;
}

namespace ui::qt {

// Once the program's QApplication exists: the platform's look (the Fusion style, and the
// template's font for message boxes and menus as for dialogs), numbers read and written the C
// library's default way ("1.5", never "1,5", whatever the user's language), and the command line
// after Qt has removed its own options (platform::setCommandLine), which it returns.
std::vector<std::string> startPlatform();

// Creates the QApplication, takes the command line after Qt removed its own options
// (platform::setCommandLine), names the application after the program, installs the Qt
// services, then constructs the main dialog, runs it modally and destroys it. Returns 0, or 1
// when makeMainDialog gave no dialog.
int runApplication(int argc, char** argv, const std::function<std::unique_ptr<Dialog>()>& makeMainDialog);

}  // namespace ui::qt
