// The convergence criteria dialog, "CONVERGENCE data": which error criteria the adaptive
// solution checks and their tolerances, the range of accuracy levels and the maximum number of
// passes, read from and written back into the host's block.
#pragma once

#include <string>

#include "convset/ConvergenceBlock.h"
#include "runtime/skeleton/CPrettyControls.h"
#include "runtime/skeleton/CPrettyDialog.h"

class CConvergenceDlg : public CPrettyDialog {
 public:
  // Splits the command line and attaches the block of the /SHMKEY: word. When no block long
  // enough for its layout is there, the user is told, nothing of it is read or written, and the
  // dialog ends as it opens.
  CConvergenceDlg();
  ~CConvergenceDlg() override;

  bool attachFailed() const { return attachFailed_; }

 protected:
  bool OnInitDialog() override;
  void OnFirstShow() override;  // fill from the block
  void OnOK() override;         // Accept: write per kind, detach
  void OnCancel() override;     // mark the block cancelled, detach
  void DoDataExchange(ui::DataExchange& exchange) override;

 private:
  void attach();
  // Lets the block go; a failure is reported to the user only when asked (Accept and Cancel).
  void detach(bool reportFailure);
  void leaveOutFrequencyRow();
  void applyEnablingRules();
  void keepChecked(int id, int& check);  // the criteria that cannot be switched off
  void changeCriterionClicked(bool local);
  void totalErrorClicked();
  void maxTracClicked();
  bool stepLevel(int editId, int& level, int delta, int low, int high, int jump);
  void restoreDefaults();
  void writeBoundaryCriteria(ConvergenceBlock& block) const;

  bool attachFailed_ = false;
  bool localChange_ = false;  // at most one of the two RMS change criteria is selected
  bool totalChange_ = false;

  CPrettyEdit valueEdits_[9];
  CPrettyStatic headers_[4];

  // Bound to the controls (DoDataExchange).
  std::string displacementText_;  // 1010: kind 2 the displacement, else the main tolerance
  std::string frequencyText_;     // 1011: kind 2 only, the frequency tolerance
  std::string localChangeText_;   // 1012
  std::string totalChangeText_;   // 1014
  std::string totalErrorText_;    // 1029
  std::string maxTracText_;       // 1031
  int levelMin_;
  int levelMax_;
  int maxPasses_;
  int displacementCheck_ = 1;  // 1007
  int frequencyCheck_ = 1;     // 1008
  int maxTracCheck_ = 0;       // 1030
  int totalErrorCheck_ = 0;    // 1034

  ui::HICON icon_ = nullptr;  // the application icon
  ConvergenceBlock* block_ = nullptr;
  int kind_ = 0;  // analysisType
};
