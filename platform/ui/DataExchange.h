// Data exchange between a dialog's members and its controls (DoDataExchange / UpdateData).
// Loading writes the members into the controls, saving reads the controls into the members.
#pragma once

#include <string>

namespace ui {

class Dialog;

class DataExchange {
 public:
  DataExchange(Dialog& dialog, bool saving) : dialog_(dialog), saving_(saving) {}

  bool saving() const { return saving_; }
  Dialog& dialog() { return dialog_; }

  // Window text (DDX_Text).
  void text(int id, std::string& value);
  // Window text as a whole number (DDX_Text of an int). Saving text that is not one shows
  // "Please enter an integer." and stops the exchange: UpdateData returns false, the member
  // and those after it keep their values, and the focus goes to the control.
  void text(int id, int& value);
  // Index of the selected item of a drop-down list, -1 for none (DDX_CBIndex).
  void index(int id, int& value);
  // Check state (DDX_Check).
  void check(int id, int& value);

 private:
  Dialog& dialog_;
  bool saving_;
};

// Thrown by a failing exchange; UpdateData catches it.
struct DataExchangeFailure {
  int id;
};

// Parses a whole number the way the integer exchange accepts it: optional blanks, an optional
// sign, digits, optional blanks; false for anything else or a value out of range.
bool parseWholeNumber(const std::string& text, int& value);

}  // namespace ui
