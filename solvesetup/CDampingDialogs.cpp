#include "solvesetup/CDampingDialogs.h"

#include "platform/ui/Services.h"
#include "runtime/skeleton/NumberText.h"
#include "solvesetup/SolveSetupResources.h"

using namespace solvesetup;
using skeleton::formatNumber;
using skeleton::readNumber;

namespace {
constexpr const char* kCoefficientFormat = "%11.6e";
}  // namespace

CRayleighDlg::CRayleighDlg(ui::Dialog* parent) : CPrettyDialog(rayleighTemplate(), parent) {
  editA_.SetNumeric(1);
  editB_.SetNumeric(1);
  SubclassDlgItem(IDC_COEF_A, editA_);
  SubclassDlgItem(IDC_COEF_B, editB_);
}

void CRayleighDlg::DoDataExchange(ui::DataExchange& exchange) {
  exchange.text(IDC_COEF_A, textA);
  exchange.text(IDC_COEF_B, textB);
}

CModalDampingDlg::CModalDampingDlg(ui::Dialog* parent) : CPrettyDialog(modalDampingTemplate(), parent) {
  editPercent_.SetNumeric(1);
  SubclassDlgItem(IDC_COEF_A, editPercent_);
}

void CModalDampingDlg::DoDataExchange(ui::DataExchange& exchange) { exchange.text(IDC_COEF_A, textPercent); }

namespace solvesetup {

void RunRayleighDialog(ui::Dialog* parent, double& a, double& b) {
  CRayleighDlg dialog(parent);
  dialog.textA = formatNumber(kCoefficientFormat, a);
  dialog.textB = formatNumber(kCoefficientFormat, b);
  if (dialog.DoModal() != ui::IDOK) return;
  a = readNumber(dialog.textA);
  b = readNumber(dialog.textB);
}

void RunModalDialog(ui::Dialog* parent, double& percent) {
  CModalDampingDlg dialog(parent);
  dialog.textPercent = formatNumber(kCoefficientFormat, percent);
  if (dialog.DoModal() != ui::IDOK) return;
  percent = readNumber(dialog.textPercent);
}

}  // namespace solvesetup
