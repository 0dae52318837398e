#include "platform/ui/ModalRun.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/Services.h"

namespace ui {

int runHeadless(Dialog& dialog, const Script& script) {
  dialog.create();
  if (!dialog.ended()) {
    dialog.showDialog(true);
    if (script) script(dialog);
  }
  const int result = dialog.ended() ? dialog.modalResult() : -1;
  dialog.destroy();
  return result;
}

int runMainDialog(const std::function<std::unique_ptr<Dialog>()>& makeDialog) {
  std::unique_ptr<Dialog> dialog = makeDialog();
  if (dialog == nullptr) return 1;
  services().runModal(*dialog);
  dialog.reset();
  return 0;
}

}  // namespace ui
