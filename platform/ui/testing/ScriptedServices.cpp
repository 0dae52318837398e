#include "platform/ui/testing/ScriptedServices.h"

#include <stdexcept>

#include "platform/ui/Dialog.h"

namespace ui::testing {

int ScriptedServices::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
  boxes_.push_back({text, caption, flags & MB_ICON_MASK, flags & MB_BUTTONS_MASK});
  if (answers_.empty()) return defaultAnswer(flags);
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

int ScriptedServices::runModal(Dialog& dialog) {
  const int templateId = dialog.dialogTemplate().id;
  modalRuns_.push_back(templateId);
  auto& queue = scripts_[templateId];
  if (queue.empty()) {
    throw std::logic_error("no script for modal dialog " + std::to_string(templateId));
  }
  const Script script = std::move(queue.front());
  queue.pop_front();
  return runHeadless(dialog, script);
}

}  // namespace ui::testing
