// The settings dialog of a dynamic analysis: sampling time (time domain) or frequency range
// (frequency domain), step density and damping, read from and written back into the host's
// "DATA" block.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/skeleton/CPrettyControls.h"
#include "runtime/skeleton/CPrettyDialog.h"
#include "runtime/skeleton/TagBlocks.h"
#include "solvesetup/DynamicSettingsBlock.h"

class CSettingsDlg : public CPrettyDialog {
 public:
  // Splits the command line and attaches the "DATA" block. When no usable block is there the
  // user is told, nothing of any block is read or written, and the dialog ends as it opens.
  CSettingsDlg();
  ~CSettingsDlg() override;

  bool attachFailed() const { return attachFailed_; }
  bool frequencyMode() const { return frequencyMode_; }
  double workA() const { return workA_; }
  double workB() const { return workB_; }
  int lastDampingKind() const { return lastDampingKind_; }

 protected:
  bool OnInitDialog() override;
  void OnFirstShow() override;
  void OnOK() override;      // ACCEPT: write back, detach
  void OnCancel() override;  // restore the range, detach
  void OnDestroy() override;
  void DoDataExchange(ui::DataExchange& exchange) override;

 private:
  void attach();
  void detach();
  void fillTimeMode();
  void fillFrequencyMode();
  void disableAndHide(int id);
  void storeValueField();    // focus leaves the value field
  bool switchMinMax();       // a request of the up-down
  void dampingChanged();     // selection change of the damping list
  void openDampingDialog();  // Set

  CPrettyEdit valueEdit_;
  CPrettyStatic samplingLabel_;
  CPrettyStatic frequencyLabel_;
  CPrettyStatic hzLabel_;
  CPrettyStatic levelCaption_;
  CPrettyStatic dampingCaption_;

  skeleton::TagBlocks blocks_;
  DynamicSettingsBlock* block_ = nullptr;
  bool attachFailed_ = false;
  bool frequencyMode_ = false;
  double savedFreqMin_ = 0.0;
  double savedFreqMax_ = 0.0;
  double workA_ = 0.0;
  double workB_ = 0.0;
  int lastDampingKind_ = -1;
  ui::HICON icon_ = nullptr;  // the application icon

  // Bound texts: the value field, the density label and the range label.
  std::string valueText_;
  std::string densityLabelText_;
  std::string rangeLabelText_;
};
