// The dialog model: everything a dialog window shows and does, with no window system in it.
//
// A tool derives its dialog from Dialog (through CPrettyDialog), overrides the framework's
// virtuals (OnInitDialog, OnOK, OnCancel, DoDataExchange, OnPaint, ...) and registers its
// control notifications in its constructor (onClicked, onSelChange, onKillFocus, onDeltaPos ...).
// User events enter through one entry point per kind (click, select, typeChar, ...), called by
// tests directly and by the Qt binder from the widgets' signals. A modal runner drives the
// lifecycle: create (controls built, OnInitDialog, initial focus), showDialog(true), events until
// EndDialog, destroy.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/ControlObject.h"
#include "platform/ui/ControlState.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/DialogObserver.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/DialogUnits.h"
#include "platform/ui/Geometry.h"
#include "platform/ui/Icon.h"

namespace ui {

class Painter;

// Control notifications a dialog can handle, by control id.
enum class Notify {
  Clicked,    // BN_CLICKED: button, check box, radio button
  SelChange,  // CBN_SELCHANGE: the user chose an item of a drop-down list
  Change,     // EN_CHANGE: the text of an edit changed
  KillFocus,  // the control lost the keyboard focus
  SetFocus,   // the control gained the keyboard focus
};

inline constexpr int kNoFocus = 0;

// An item of a dialog's system menu; a separator has id 0 and no text.
struct MenuItem {
  unsigned id = 0;
  std::string text;  // '&' marks the mnemonic
  friend bool operator==(const MenuItem&, const MenuItem&) = default;
};

// Pixels that the frame and caption of a dialog add to its client area (borders of 3 pixels,
// a caption of 19): what SetDialogSize takes off the window size.
inline constexpr Size kFrameExtra{6, 25};

class Dialog {
 public:
  explicit Dialog(const DialogTemplate& dialogTemplate, Dialog* parent = nullptr);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // ---- Modal run ----------------------------------------------------------------------------
  int DoModal();  // through services().runModal
  void EndDialog(int result);

  // ---- Lifecycle, driven by a modal runner --------------------------------------------------
  void create();               // controls from the template, control objects, OnInitDialog, focus
  void showDialog(bool show);  // ShowWindow of the dialog: OnShowWindow
  void destroy();              // focus leaves, OnDestroy, controls gone
  bool created() const { return created_; }
  bool ended() const { return ended_; }
  bool running() const { return created_ && !ended_; }
  bool dialogVisible() const { return visible_; }
  int modalResult() const { return result_; }

  // ---- User events: return true when the event reached the control --------------------------
  // Disabled or hidden controls, and a dialog that is not running, take no user events.
  bool click(int id);  // the focus moves to the control first (its focus-loss handler runs first)
  bool select(int id, int index);
  bool typeChar(int id, char ch);                 // appends; '\b' removes the last character
  bool setText(int id, const std::string& text);  // the user replaces the text (a paste)
  bool focus(int id);
  bool upDown(int id, int delta);  // an arrow of an up-down; the focus moves to its buddy first
  void pressEnter();
  void pressEscape();
  void closeBox();
  // The copy and paste keys (Ctrl+C, Ctrl+V) pressed where no control takes them: OnEditCopy,
  // OnEditPaste. An edit with the focus keeps both for its own text.
  void copy();
  void paste();
  void resize(int cx, int cy);  // the user resized the window: new client size in pixels
  void tick(int timerId);
  void paint(Painter& painter);
  // A command of the system menu: OnSysCommand.
  bool systemCommand(unsigned id);
  // The delta an arrow sends: +1 towards the upper end of the range, -1 towards the lower end.
  int arrowDelta(int id, bool up) const;
  // Whether typing ch into the control is admitted by its numeric filter.
  bool acceptsChar(int id, char ch) const;

  // ---- State read by the binder and tests ---------------------------------------------------
  const DialogTemplate& dialogTemplate() const { return template_; }
  const std::vector<ControlState>& controls() const { return controls_; }
  const ControlState& control(int id) const;
  int indexOf(int id) const;
  Dialog* parent() const { return parent_; }
  // The size last given in dialog units: the template's client area, or the whole window after
  // SetDialogSize.
  Size dialogSize() const { return size_; }
  Size clientSize() const { return clientPixels_; }  // pixels
  Rect controlRectPixels(int id) const;
  BaseUnits baseUnits() const { return baseUnits_; }
  void setBaseUnits(BaseUnits base);  // the binder, from the real font, before create()
  // Colours the dialog chooses for a control (by index) or for itself (OnCtlColor); none means
  // the platform's own.
  std::optional<Colours> effectiveColours(int index);
  std::optional<Colours> dialogColours();
  const std::map<int, int>& timers() const { return timers_; }
  // The items the dialog added to its system menu (the platform's own are not listed).
  const std::vector<MenuItem>& systemMenu() const { return systemMenu_; }
  void setObserver(DialogObserver* observer) { observer_ = observer; }

  // ---- Operations for tools (MFC names) -----------------------------------------------------
  std::string GetWindowText() const { return caption_; }
  void SetWindowText(const std::string& caption);
  // The window's two icons: the large one (bigIcon true) and the small one. Returns the icon
  // that the new one replaces.
  HICON SetIcon(HICON icon, bool bigIcon);
  HICON GetIcon(bool bigIcon) const { return bigIcon ? bigIcon_ : smallIcon_; }
  std::string GetDlgItemText(int id) const;
  void SetDlgItemText(int id, const std::string& text);  // an edit reports the change
  int IsDlgButtonChecked(int id) const;
  void CheckDlgButton(int id, int check);
  int AddString(int id, const std::string& item);  // returns the new index
  int DeleteString(int id, int index);             // returns the remaining count, -1 if none such
  void ResetContent(int id);
  int GetCount(int id) const;
  std::string GetLBText(int id, int index) const;
  int SetCurSel(int id, int index);  // -1 or out of range: no selection, returns -1
  int GetCurSel(int id) const;
  void SetRange(int id, int lower, int upper);
  void SetPos(int id, int position);  // kept within the range
  int GetPos(int id) const;
  void EnableWindow(int id, bool enable);
  void ShowWindow(int id, bool show);
  bool IsWindowEnabled(int id) const;
  bool IsWindowVisible(int id) const;
  void SetReadOnly(int id, bool readOnly);
  void SetControlRect(int id, const Rect& dialogUnits);
  // The whole window becomes cx x cy dialog units, top-left corner kept; the client area is
  // that less the frame of a captioned dialog (kFrameExtra).
  void SetDialogSize(int cx, int cy);
  void SetFocus(int id);  // kNoFocus takes the focus from every control
  int GetFocus() const;   // id of the control with the focus, kNoFocus for none
  int focusIndex() const { return focusIndex_; }
  void SetControlFont(int id, const std::string& face);  // empty: the dialog's font
  void SetControlColours(int id, std::optional<Colours> colours);
  void SetNumericFilter(int id, bool numeric);
  bool UpdateData(bool save);
  // Ticks every intervalMs milliseconds; 0 (or less) as often as the event loop allows.
  void SetTimer(int timerId, int intervalMs);
  void KillTimer(int timerId);
  void Invalidate();
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags);
  // GetSystemMenu()->AppendMenu: an item, or a separator for id 0 and no text.
  void AppendSystemMenu(unsigned id, const std::string& text);

  // ---- Handler registration (the message map) -----------------------------------------------
  void on(Notify what, int id, std::function<void()> handler);
  void onClicked(int id, std::function<void()> handler) { on(Notify::Clicked, id, std::move(handler)); }
  void onSelChange(int id, std::function<void()> handler) { on(Notify::SelChange, id, std::move(handler)); }
  void onKillFocus(int id, std::function<void()> handler) { on(Notify::KillFocus, id, std::move(handler)); }
  // Position-change request of an up-down (UDN_DELTAPOS): return true to allow the step.
  void onDeltaPos(int id, std::function<bool(int position, int delta)> handler);
  // Attaches a control object to control id when the controls are created.
  void SubclassDlgItem(int id, ControlObject& object);

 protected:
  // ---- Framework virtuals -------------------------------------------------------------------
  virtual bool OnInitDialog();  // UpdateData(false); true: the focus goes to the first tab stop
  virtual void OnShowWindow(bool show);
  virtual void OnOK();      // UpdateData(true), then EndDialog(IDOK) when that succeeded
  virtual void OnCancel();  // EndDialog(IDCANCEL)
  virtual void OnPaint(Painter& painter);
  virtual void OnSize(int cx, int cy);
  virtual void OnTimer(int timerId);
  virtual void OnEditCopy();   // the copy command; by default nothing is copied
  virtual void OnEditPaste();  // the paste command; by default nothing is pasted
  virtual void OnDestroy();
  virtual void OnSysCommand(unsigned id);  // the dialog's own items; the default does nothing
  virtual void DoDataExchange(DataExchange& exchange);
  // Colours of a control (null with kind Dialog for the dialog itself). The default hands the
  // question to the control: its own colours, or none.
  virtual std::optional<Colours> OnCtlColor(const ControlState* control, ColourKind kind);

 private:
  ControlState& state(int id);
  ControlState* userTarget(int id);  // an enabled, visible control of a running dialog
  void changed(int index, ControlChange what);
  void changed(DialogChange what);
  void fire(Notify what, int id);
  void command(int id);       // WM_COMMAND: the clicked handler, else OnOK / OnCancel for 1 / 2
  void moveFocus(int index);  // -1: no control
  bool editHasFocus() const;
  void setUsable(int id, bool ControlState::*flag, bool on, ControlChange what);
  void applyAutoCheck(int index);
  void recomputeClientSize();
  int defaultButtonId() const;

  DialogTemplate template_;
  Dialog* parent_;
  std::vector<ControlState> controls_;
  std::vector<std::pair<int, ControlObject*>> controlObjects_;
  std::map<std::pair<Notify, int>, std::function<void()>> handlers_;
  std::map<int, std::function<bool(int, int)>> deltaPosHandlers_;
  std::map<int, int> timers_;  // id -> interval in ms
  std::vector<MenuItem> systemMenu_;
  DialogObserver* observer_ = nullptr;
  std::string caption_;
  HICON bigIcon_ = nullptr;
  HICON smallIcon_ = nullptr;
  Size size_;
  Size clientPixels_;
  BaseUnits baseUnits_;
  int focusIndex_ = -1;
  int result_ = -1;
  bool created_ = false;
  bool ended_ = false;
  bool visible_ = false;
  bool sizeIncludesFrame_ = false;
};

}  // namespace ui
