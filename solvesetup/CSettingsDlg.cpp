#include "solvesetup/CSettingsDlg.h"

#include <cstdio>

#include "platform/ui/Services.h"
#include "runtime/ipc/BlockView.h"
#include "runtime/skeleton/NumberText.h"
#include "runtime/skeleton/PrettyColours.h"
#include "solvesetup/CDampingDialogs.h"
#include "solvesetup/SolveSetupResources.h"

using namespace solvesetup;
using skeleton::formatNumber;
using skeleton::readNumber;

namespace {
constexpr const char* kDataTag = "DATA";
constexpr const char* kMax = "Max";
constexpr const char* kMin = "Min";
constexpr int kNoDamping = 0;
constexpr int kRayleigh = 1;
}  // namespace

CSettingsDlg::CSettingsDlg() : CPrettyDialog(settingsTemplate()) {
  levelCaption_.SetColours(skeleton::kWhite, skeleton::kDialogBack);
  dampingCaption_.SetColours(skeleton::kWhite, skeleton::kDialogBack);
  valueEdit_.SetNumeric(1);
  SubclassDlgItem(IDC_VALUE, valueEdit_);
  SubclassDlgItem(IDC_SAMPLING_LABEL, samplingLabel_);
  SubclassDlgItem(IDC_FREQUENCY_LABEL, frequencyLabel_);
  SubclassDlgItem(IDC_HZ, hzLabel_);
  SubclassDlgItem(IDC_LEVEL_CAPTION, levelCaption_);
  SubclassDlgItem(IDC_DAMPING_CAPTION, dampingCaption_);

  onKillFocus(IDC_VALUE, [this] { storeValueField(); });
  onDeltaPos(IDC_MINMAX_SPIN, [this](int, int) { return switchMinMax(); });
  onSelChange(IDC_DAMPING, [this] { dampingChanged(); });
  onClicked(IDC_SET, [this] { openDampingDialog(); });

  icon_ = ui::LoadIcon(IDR_MAINFRAME);
  ParseCommandLine();
  attach();
  if (attachFailed_) {
    MessageBox("Cannot attach shared memory segment.", "ERROR", ui::MB_OK);
    return;
  }
  lastDampingKind_ = -1;
  savedFreqMin_ = block_->freqMin;
  savedFreqMax_ = block_->freqMax;
  frequencyMode_ = block_->analysisMode > kLastTimeDomainMode;
}

CSettingsDlg::~CSettingsDlg() { detach(); }

// The block is usable only when the "DATA" record carries an attached block that is long enough
// for every field the dialog reads; otherwise whatever was attached is let go unread.
void CSettingsDlg::attach() {
  if (!blocks_.attach(argCount + 1, argv, {kDataTag}) ||
      !lyrBlocks::BlockView::over(blocks_.data(kDataTag), blocks_.size(kDataTag), kDynamicSettingsMinSize)) {
    detach();
    attachFailed_ = true;
    return;
  }
  block_ = static_cast<DynamicSettingsBlock*>(blocks_.data(kDataTag));
}

void CSettingsDlg::detach() {
  block_ = nullptr;
  blocks_.detachAll();
}

bool CSettingsDlg::OnInitDialog() {
  CPrettyDialog::OnInitDialog();
  SetIcon(icon_, true);
  SetIcon(icon_, false);
  if (attachFailed_) EndDialog(ui::IDCANCEL);
  return true;
}

void CSettingsDlg::DoDataExchange(ui::DataExchange& exchange) {
  exchange.text(IDC_VALUE, valueText_);
  exchange.text(IDC_DENSITY_LABEL, densityLabelText_);
  exchange.text(IDC_RANGE_LABEL, rangeLabelText_);
}

void CSettingsDlg::OnFirstShow() {
  if (block_ == nullptr) return;
  SetCurSel(IDC_UNIT, block_->samplingUnit);
  SetCurSel(IDC_DENSITY, block_->densityLevel);
  SetCurSel(IDC_DAMPING, block_->dampingKind);
  if (frequencyMode_) {
    fillFrequencyMode();
  } else {
    fillTimeMode();
  }
  workA_ = block_->dampingA;
  workB_ = block_->dampingB;
  UpdateData(false);
}

void CSettingsDlg::fillFrequencyMode() {
  valueText_ = formatNumber("%11.4e", block_->freqMax);
  disableAndHide(IDC_SAMPLING_LABEL);
  const ui::Rect sampling = control(IDC_SAMPLING_LABEL).rect;
  SetControlRect(IDC_SAMPLING_LABEL, {sampling.x, sampling.y, 0, 0});
  EnableWindow(IDC_FREQUENCY_LABEL, true);
  densityLabelText_ = "Freq Step Density";
  EnableWindow(IDC_HZ, true);
  hzLabel_.SetColours(skeleton::kWhite, skeleton::kDialogBack);
  disableAndHide(IDC_UNIT);
  EnableWindow(IDC_MINMAX_SPIN, true);
  rangeLabelText_ = kMax;
  EnableWindow(IDC_RANGE_LABEL, true);
}

void CSettingsDlg::fillTimeMode() {
  valueText_ = formatNumber("%6.4e", block_->freqMax);
  EnableWindow(IDC_SAMPLING_LABEL, true);
  disableAndHide(IDC_FREQUENCY_LABEL);
  densityLabelText_ = "Time Step Density";
  disableAndHide(IDC_HZ);
  EnableWindow(IDC_UNIT, true);
  disableAndHide(IDC_MINMAX_SPIN);
  disableAndHide(IDC_RANGE_LABEL);
}

void CSettingsDlg::disableAndHide(int id) {
  EnableWindow(id, false);
  ShowWindow(id, false);
}

// The value goes where the range label points: "Max" to freqMax, anything else (including the
// empty label of time mode) to freqMin.
void CSettingsDlg::storeValueField() {
  if (block_ == nullptr) return;
  UpdateData(true);
  const double value = readNumber(valueText_);
  if (rangeLabelText_ == kMax) {
    block_->freqMax = value;
  } else {
    block_->freqMin = value;
  }
}

// Every request toggles, whichever arrow was pressed; the step is always allowed.
bool CSettingsDlg::switchMinMax() {
  if (block_ == nullptr) return true;
  storeValueField();
  if (rangeLabelText_ == kMax) {
    rangeLabelText_ = kMin;
    valueText_ = formatNumber("%6.4e", block_->freqMin);
  } else {
    rangeLabelText_ = kMax;
    valueText_ = formatNumber("%6.4e", block_->freqMax);
  }
  UpdateData(false);
  return true;
}

void CSettingsDlg::dampingChanged() {
  if (block_ == nullptr) return;
  const int kind = GetCurSel(IDC_DAMPING);
  if (kind == kNoDamping && frequencyMode_) {
    MessageBox("Current mode of analysis must have some damping!", "Korvena Warning",
               ui::MB_OK | ui::MB_ICONEXCLAMATION);
    SetCurSel(IDC_DAMPING, block_->dampingKind);
    UpdateData(false);
    return;
  }
  EnableWindow(IDC_SET, kind != kNoDamping);
  if (kind != lastDampingKind_) {
    workA_ = block_->dampingA;
    workB_ = block_->dampingB;
    lastDampingKind_ = kind;
  }
}

void CSettingsDlg::openDampingDialog() {
  if (GetCurSel(IDC_DAMPING) == kRayleigh) {
    RunRayleighDialog(this, workA_, workB_);
  } else {
    RunModalDialog(this, workA_);
  }
}

// Enter leaves the focus in the value field, a click on ACCEPT takes it away first (storing the
// field); storing it here when it still has the focus makes both give the same block.
void CSettingsDlg::OnOK() {
  if (block_ == nullptr) {
    EndDialog(ui::IDOK);
    return;
  }
  if (GetFocus() == IDC_VALUE) storeValueField();
  UpdateData(true);
  if (!frequencyMode_) {
    block_->freqMax = readNumber(valueText_);
    block_->samplingUnit = GetCurSel(IDC_UNIT);
  }
  block_->densityLevel = GetCurSel(IDC_DENSITY);
  block_->dampingKind = GetCurSel(IDC_DAMPING);
  if (GetCurSel(IDC_DAMPING) > kNoDamping) {
    block_->dampingA = workA_;
    block_->dampingB = workB_;
  }
  block_->accepted = 1;
  detach();
  EndDialog(ui::IDOK);
}

void CSettingsDlg::OnCancel() {
  if (block_ != nullptr) {
    block_->freqMin = savedFreqMin_;
    block_->freqMax = savedFreqMax_;
  }
  detach();
  EndDialog(ui::IDCANCEL);
}

void CSettingsDlg::OnDestroy() {
  detach();
  CPrettyDialog::OnDestroy();
}
