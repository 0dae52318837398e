// Services for tests: records every message box and answers it from a queue, and runs modal
// sub-dialogs headlessly with the script queued for their template.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/ui/ModalRun.h"
#include "platform/ui/Services.h"

namespace ui::testing {

struct RecordedBox {
  std::string text;
  std::string caption;
  unsigned icon = 0;     // MB_ICON... bits
  unsigned buttons = 0;  // MB_OK, MB_OKCANCEL, ...
};

class ScriptedServices final : public Services {
 public:
  // The answer of the next box; without one a box answers with its first button.
  void answerNextBox(int result) { answers_.push_back(result); }
  // The script of the next modal run of a dialog on this template. A modal dialog without a
  // script is a test error (std::logic_error).
  void onModal(int templateId, Script script) { scripts_[templateId].push_back(std::move(script)); }

  const std::vector<RecordedBox>& boxes() const { return boxes_; }
  const std::vector<int>& modalRuns() const { return modalRuns_; }  // template ids, in order
  // Every content put on the clipboard, in order.
  const std::vector<ClipboardContent>& clipboard() const { return clipboard_; }

  int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  int runModal(Dialog& dialog) override;
  void setClipboard(const ClipboardContent& content) override { clipboard_.push_back(content); }
  // The text of the last content put on the clipboard.
  std::string clipboardText() override { return clipboard_.empty() ? "" : clipboard_.back().text; }

 private:
  std::deque<int> answers_;
  std::map<int, std::deque<Script>> scripts_;
  std::vector<RecordedBox> boxes_;
  std::vector<int> modalRuns_;
  std::vector<ClipboardContent> clipboard_;
};

}  // namespace ui::testing
