#include "fuzz/support/DialogRun.h"

#include <iterator>

#include "platform/ui/Services.h"

namespace fuzzsupport {

void leave(ui::Dialog& dialog, std::uint8_t ways) {
  using Way = void (*)(ui::Dialog&);
  static constexpr Way kWays[] = {
      [](ui::Dialog& d) { d.click(ui::IDOK); },     [](ui::Dialog& d) { d.pressEnter(); },
      [](ui::Dialog& d) { d.click(ui::IDCANCEL); }, [](ui::Dialog& d) { d.pressEscape(); },
      [](ui::Dialog& d) { d.closeBox(); },
  };
  constexpr int kTries = 3;
  for (int i = 0; i < kTries && dialog.running(); ++i, ways /= std::size(kWays)) {
    kWays[ways % std::size(kWays)](dialog);
  }
}

}  // namespace fuzzsupport
