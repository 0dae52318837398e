// The dialog base of every tool: the colour scheme, the command line split into words, and a
// hook called once when the dialog is first shown.
#pragma once

#include <array>
#include <string>

#include "platform/ui/Dialog.h"

class CPrettyDialog : public ui::Dialog {
 public:
  static constexpr int kMaxArgs = 10;

  explicit CPrettyDialog(const ui::DialogTemplate& dialogTemplate, ui::Dialog* parent = nullptr);

  // Splits the process command line into words at blanks (quotes are not interpreted), writes
  // "Parsed\n" to the standard output, fills argStrings, argCount and argv; returns argCount.
  // Only the first kMaxArgs words are kept (program path included); further words are dropped.
  int ParseCommandLine();

  // Resizes the whole window to cx x cy dialog units, top-left corner kept.
  using ui::Dialog::SetDialogSize;
  // Moves control id so that its top-left corner is at (x, y) dialog units, size kept.
  void MoveControl(int id, int x, int y);

  std::array<std::string, 2 * kMaxArgs> argStrings;
  int argCount = -1;  // index of the last word: the number of words after the program path
  char* argv[kMaxArgs] = {};
  int firstShow = 1;

 protected:
  // Called once, at the first showing of the dialog; by default loads the controls.
  virtual void OnFirstShow();

  void OnShowWindow(bool show) override;
  std::optional<ui::Colours> OnCtlColor(const ui::ControlState* control, ui::ColourKind kind) override;
};
