// The damping dialogs that the settings dialog's Set button opens: the two Rayleigh factors a and
// b of C = a*M + b*K, or one constant modal damping in percent. They only edit their texts; the
// settings dialog hands the numbers in and takes them back (RunRayleighDialog, RunModalDialog).
#pragma once

#include <string>

#include "runtime/skeleton/CPrettyControls.h"
#include "runtime/skeleton/CPrettyDialog.h"

class CRayleighDlg : public CPrettyDialog {
 public:
  explicit CRayleighDlg(ui::Dialog* parent = nullptr);

  std::string textA;  // bound to 1000
  std::string textB;  // bound to 1001

 protected:
  void DoDataExchange(ui::DataExchange& exchange) override;

 private:
  CPrettyEdit editA_;
  CPrettyEdit editB_;
};

class CModalDampingDlg : public CPrettyDialog {
 public:
  explicit CModalDampingDlg(ui::Dialog* parent = nullptr);

  std::string textPercent;  // bound to 1000

 protected:
  void DoDataExchange(ui::DataExchange& exchange) override;

 private:
  CPrettyEdit editPercent_;
};

namespace solvesetup {

// Runs the Rayleigh dialog on a and b ("%11.6e"); on OK both take the numbers entered.
void RunRayleighDialog(ui::Dialog* parent, double& a, double& b);
// Runs the modal-damping dialog on the percentage ("%11.6e"); on OK it takes the number entered.
void RunModalDialog(ui::Dialog* parent, double& percent);

}  // namespace solvesetup
