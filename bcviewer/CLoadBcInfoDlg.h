// The read-only display of one load or boundary condition: the coordinate system, the load
// function, and per direction the load type and up to three values. The dialog works on a
// private copy of the host's block, taken and let go while it is constructed.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "bcviewer/AnalysisOption.h"
#include "bcviewer/LoadBcInfoBlock.h"
#include "loadbc/ValueGrid.h"
#include "runtime/skeleton/CPrettyDialog.h"

class CLoadBcInfoDlg : public CPrettyDialog {
 public:
  // Splits the command line, reads the analysis option and copies the block named by the
  // /SHMKEY: word. Without a usable copy the runtime's message (or one naming a copy too short
  // for the layout) is on the standard error stream and hasSnapshot() is false.
  CLoadBcInfoDlg();

  bool hasSnapshot() const { return block_.has_value(); }
  int analysisOption() const { return option_; }

 protected:
  bool OnInitDialog() override;
  void OnFirstShow() override;
  void DoDataExchange(ui::DataExchange& exchange) override;

 private:
  void takeSnapshot();
  void narrowTo(int columns);
  void fillRows(int points);

  loadbc::ValueGrid grid_;
  std::optional<LoadBcInfoBlock> block_;  // the private copy
  int option_ = bcviewer::kNoOption;
  ui::HICON icon_ = nullptr;  // the application icon

  // Bound to the controls.
  std::string csysText_;
  std::string functionText_;
  std::array<std::string, loadbc::kDirections> typeTexts_;
  loadbc::ValueTexts valueTexts_;
};
