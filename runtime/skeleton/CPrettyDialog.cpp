#include "runtime/skeleton/CPrettyDialog.h"

#include <cctype>
#include <cstdio>

#include "platform/CommandLine.h"
#include "runtime/skeleton/PrettyColours.h"

namespace {
bool isWhite(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
}  // namespace

CPrettyDialog::CPrettyDialog(const ui::DialogTemplate& dialogTemplate, ui::Dialog* parent)
    : ui::Dialog(dialogTemplate, parent) {}

int CPrettyDialog::ParseCommandLine() {
  std::string rest = platform::commandLine();
  while (!rest.empty() && isWhite(rest.back())) rest.pop_back();

  for (std::string& word : argStrings) word.clear();
  int k = 0;
  for (;;) {
    std::size_t start = 0;
    while (start < rest.size() && isWhite(rest[start])) ++start;
    rest.erase(0, start);
    const std::size_t blank = rest.find(' ');
    if (k < kMaxArgs) argStrings[static_cast<std::size_t>(k)] = rest.substr(0, blank);
    if (blank == std::string::npos) break;
    ++k;
    rest.erase(0, blank);
  }
  int n = k;
  if (n < kMaxArgs && argStrings[static_cast<std::size_t>(n)].empty()) --n;
  if (n >= kMaxArgs) n = kMaxArgs - 1;

  std::fputs("Parsed\n", stdout);
  std::fflush(stdout);

  argCount = n;
  for (int j = 0; j < kMaxArgs; ++j) {
    argv[j] = j <= n ? argStrings[static_cast<std::size_t>(j)].data() : nullptr;
  }
  return argCount;
}

void CPrettyDialog::MoveControl(int id, int x, int y) {
  const ui::Rect now = control(id).rect;
  SetControlRect(id, {x, y, now.cx, now.cy});
}

void CPrettyDialog::OnFirstShow() { UpdateData(false); }

void CPrettyDialog::OnShowWindow(bool show) {
  ui::Dialog::OnShowWindow(show);
  if (firstShow == 1) {
    firstShow = 0;
    OnFirstShow();
  }
}

std::optional<ui::Colours> CPrettyDialog::OnCtlColor(const ui::ControlState* control, ui::ColourKind kind) {
  // Pretty controls colour themselves.
  if (control && control->ownColours) return ui::Dialog::OnCtlColor(control, kind);
  switch (kind) {
    case ui::ColourKind::Edit:
      return ui::Colours{skeleton::kEditText, skeleton::kEditBack};
    case ui::ColourKind::Dialog:
    case ui::ColourKind::Static:
      return ui::Colours{skeleton::kDialogText, skeleton::kDialogBack};
    default:
      return ui::Dialog::OnCtlColor(control, kind);
  }
}
