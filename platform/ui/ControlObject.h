// A C++ object that takes over one control of a dialog (MFC's subclassed control): the dialog
// attaches it when its controls are created and detaches it when they are destroyed.
#pragma once

namespace ui {

class Dialog;

class ControlObject {
 public:
  virtual ~ControlObject() = default;

  bool attached() const { return dialog_ != nullptr; }
  int controlId() const { return id_; }

 protected:
  // Runs right after the control exists (PreSubclassWindow), with dialog() and controlId() set.
  virtual void onAttached() {}
  Dialog* dialog() const { return dialog_; }

 private:
  friend class Dialog;
  Dialog* dialog_ = nullptr;
  int id_ = 0;
};

}  // namespace ui
