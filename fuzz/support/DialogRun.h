// A dialog tool driven as a user would, headless: constructed on its blocks (it attaches and
// reads them), shown (it fills its controls), then left by up to three of the ways out a user
// has, chosen by one input byte, every message box answered with its first button.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/ui/Dialog.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/testing/ScriptedServices.h"

namespace fuzzsupport {

// OK (a click on the button, or Enter), Cancel (a click, or Escape) or the close box, in the
// order the byte's base-5 digits give, until the dialog has ended.
void leave(ui::Dialog& dialog, std::uint8_t ways);

// Runs a dialog of the given type with scripted services; `beforeLeaving` may act on the shown
// dialog first. `shown` decides, as the tool's application does, whether it is run at all.
template <class Tool>
void runTool(std::uint8_t ways, const std::function<void(Tool&)>& beforeLeaving = {},
             const std::function<bool(const Tool&)>& shown = {}) {
  ui::testing::ScriptedServices services;
  ui::ScopedServices installed{services};
  Tool dialog;
  if (shown && !shown(dialog)) return;
  ui::runHeadless(dialog, [&](ui::Dialog&) {
    if (beforeLeaving) beforeLeaving(dialog);
    leave(dialog, ways);
  });
}

// runTool with the tool's own extra button (Default, Reset) pressed before the way out when the
// input's top bit says so.
inline constexpr std::uint8_t kExtraButtonFirst = 0x80;
template <class Tool>
void runToolPressingFirst(std::uint8_t ways, int extraButton) {
  runTool<Tool>(ways, [&](Tool& dialog) {
    if (ways & kExtraButtonFirst) dialog.click(extraButton);
  });
}

}  // namespace fuzzsupport
