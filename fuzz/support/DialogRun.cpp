#include "fuzz/support/DialogRun.h"

#include "platform/ui/Services.h"

namespace fuzzsupport {

void leave(ui::Dialog& dialog, std::uint8_t ways) {
  constexpr int kWays = 5;
  constexpr int kTries = 3;
  for (int i = 0; i < kTries && dialog.running(); ++i, ways /= kWays) {
    switch (ways % kWays) {
      case 0:
        dialog.click(ui::IDOK);
        break;
      case 1:
        dialog.pressEnter();
        break;
      case 2:
        dialog.click(ui::IDCANCEL);
        break;
      case 3:
        dialog.pressEscape();
        break;
      default:
        dialog.closeBox();
        break;
    }
  }
}

}  // namespace fuzzsupport
