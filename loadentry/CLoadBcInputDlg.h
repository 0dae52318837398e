// The input dialog of one load or boundary condition: per direction of a coordinate system a
// load type and up to three values, and the load function that scales it, read from the host's
// block and written back on OK after the rules between the fields have been checked.
#pragma once

#include <optional>
#include <string>

#include "loadbc/ValueGrid.h"
#include "loadentry/LoadBcInputBlock.h"
#include "loadentry/LoadRules.h"
#include "runtime/ipc/BlockView.h"
#include "runtime/skeleton/CPrettyControls.h"
#include "runtime/skeleton/CPrettyDialog.h"

class CLoadBcInputDlg : public CPrettyDialog {
 public:
  // Splits the command line and attaches the block named by its /SHMKEY: word. When there is no
  // block, or it is too short for what it says it holds, the user is told, nothing of it is
  // read or written, and the dialog ends as it opens.
  CLoadBcInputDlg();
  ~CLoadBcInputDlg() override;

  bool attachFailed() const { return attachFailed_; }
  // A load function applies (functionKind is not -1): one must be chosen from the list.
  bool functionFlag() const { return functionFlag_; }

 protected:
  bool OnInitDialog() override;
  void OnFirstShow() override;
  void OnOK() override;
  void OnCancel() override;
  void OnDestroy() override;  // the block is detached as the window goes
  void DoDataExchange(ui::DataExchange& exchange) override;

 private:
  void attach();
  void detach();
  void fillFunctionList();
  void layOutColumns(int distribution);
  void narrowTo(int columns, int width, int okX);
  // The first `points` columns become the block's values.
  void formatColumns(int points);
  bool applyTotalForceRule(const std::string& text, const std::string& caption);
  void reset();

  loadbc::ValueGrid grid_;
  CPrettyEdit csysEdit_;                      // the coordinate system's name: a text, in the edits' colours
  void* data_ = nullptr;                      // the attached data area
  std::optional<lyrBlocks::BlockView> view_;  // its bytes, the function entries included
  LoadBcInputBlock* block_ = nullptr;
  bool attachFailed_ = false;
  bool functionFlag_ = false;
  ui::HICON icon_ = nullptr;  // the application icon

  // Bound to the controls.
  loadbc::ValueTexts valueTexts_;
  loadentry::DirectionTypes types_ = {-1, -1, -1};
  std::string csysText_;
  int functionSelection_ = -1;
};
