#include "convset/CConvergenceDlg.h"

#include <cstdio>
#include <iterator>

#include "convset/ConvSetResources.h"
#include "convset/ConvergenceKinds.h"
#include "platform/ui/Services.h"
#include "runtime/ipc/BlockView.h"
#include "runtime/ipc/IpcKey.h"
#include "runtime/ipc/SharedMemory.h"
#include "runtime/skeleton/NumberText.h"
#include "runtime/skeleton/PrettyColours.h"

using namespace convset;
using skeleton::formatNumber;
using skeleton::readNumber;

namespace {
constexpr const char* kToleranceFormat = "%7.2f";
constexpr int kDefaultLevelMin = 3;
constexpr int kDefaultLevelMax = 9;
constexpr int kDefaultMaxPasses = 15;
constexpr int kLowestLevel = 2;
constexpr int kHighestLevel = 12;

constexpr int kValueEditIds[] = {IDC_DISPLACEMENT_VALUE,
                                 IDC_FREQUENCY_VALUE,
                                 IDC_LOCAL_CHANGE_VALUE,
                                 IDC_TOTAL_CHANGE_VALUE,
                                 IDC_TOTAL_ERROR_VALUE,
                                 IDC_MAX_TRAC_VALUE,
                                 IDC_PASSES,
                                 IDC_LEVEL_MAX,
                                 IDC_LEVEL_MIN};
constexpr int kHeaderIds[] = {IDC_MAX_HEADER, IDC_MIN_HEADER, IDC_VALUE_HEADER, IDC_CRITERION_HEADER};

std::string tolerance(double value) { return formatNumber(kToleranceFormat, value); }
}  // namespace

CConvergenceDlg::CConvergenceDlg()
    : CPrettyDialog(convergenceTemplate()),
      levelMin_(kDefaultLevelMin),
      levelMax_(kDefaultLevelMax),
      maxPasses_(kDefaultMaxPasses) {
  onClicked(IDC_DISPLACEMENT, [this] { keepChecked(IDC_DISPLACEMENT, displacementCheck_); });
  onClicked(IDC_FREQUENCY, [this] { keepChecked(IDC_FREQUENCY, frequencyCheck_); });
  onClicked(IDC_DEFAULT, [this] { restoreDefaults(); });
  onClicked(IDC_TOTAL_ERROR, [this] { totalErrorClicked(); });
  onClicked(IDC_LOCAL_CHANGE, [this] { changeCriterionClicked(true); });
  onClicked(IDC_TOTAL_CHANGE, [this] { changeCriterionClicked(false); });
  onClicked(IDC_MAX_TRAC, [this] { maxTracClicked(); });
  // The lowest level runs from 2 up to the highest, the highest from the lowest up to 12.
  onDeltaPos(IDC_LEVEL_MAX_SPIN, [this](int, int delta) {
    return stepLevel(IDC_LEVEL_MAX, levelMax_, delta, levelMin_, kHighestLevel, kHighestLevel);
  });
  onDeltaPos(IDC_LEVEL_MIN_SPIN, [this](int, int delta) {
    return stepLevel(IDC_LEVEL_MIN, levelMin_, delta, kLowestLevel, levelMax_, kLowestLevel);
  });

  ParseCommandLine();
  attach();
  if (attachFailed_) MessageBox("Cannot attach shared memory segment.", "ERROR", ui::MB_OK);

  for (std::size_t i = 0; i < std::size(kValueEditIds); ++i) {
    valueEdits_[i].SetNumeric(1);
    SubclassDlgItem(kValueEditIds[i], valueEdits_[i]);
  }
  for (std::size_t i = 0; i < std::size(kHeaderIds); ++i) {
    headers_[i].SetColours(skeleton::kWhite, skeleton::kDialogBack);
    SubclassDlgItem(kHeaderIds[i], headers_[i]);
  }
  icon_ = ui::LoadIcon(IDR_MAINFRAME);
}

CConvergenceDlg::~CConvergenceDlg() { detach(false); }

// The block is used only when it holds every field of its layout; a shorter one is let go
// unread.
void CConvergenceDlg::attach() {
  void* data = nullptr;
  if (lyrIpcAttachKey(argCount + 1, argv, &data) != 0) {
    attachFailed_ = true;
    return;
  }
  const int size = lyrShmSize(data);
  if (!lyrBlocks::BlockView::over(data, size, kConvergenceBlockSize)) {
    std::fprintf(stderr, "convset: the block holds %d bytes, fewer than the %d of its layout\n", size,
                 static_cast<int>(kConvergenceBlockSize));
    lyrIpcDetachKey(&data);
    attachFailed_ = true;
    return;
  }
  block_ = static_cast<ConvergenceBlock*>(data);
  kind_ = block_->analysisType;
}

// Whether or not the block would detach, nothing writes into it afterwards.
void CConvergenceDlg::detach(bool reportFailure) {
  if (block_ == nullptr) return;
  void* data = block_;
  block_ = nullptr;
  if (lyrIpcDetachKey(&data) != 0 && reportFailure) {
    MessageBox("Cannot detach shared memory segment.", "ERROR", ui::MB_OK);
  }
}

bool CConvergenceDlg::OnInitDialog() {
  CPrettyDialog::OnInitDialog();
  SetIcon(icon_, true);
  SetIcon(icon_, false);
  if (attachFailed_) EndDialog(ui::IDCANCEL);
  return true;
}

// Members in the order of their control ids: a whole number refused in a level or the passes
// leaves the fields after it unread.
void CConvergenceDlg::DoDataExchange(ui::DataExchange& exchange) {
  exchange.check(IDC_DISPLACEMENT, displacementCheck_);
  exchange.check(IDC_FREQUENCY, frequencyCheck_);
  exchange.text(IDC_DISPLACEMENT_VALUE, displacementText_);
  exchange.text(IDC_FREQUENCY_VALUE, frequencyText_);
  exchange.text(IDC_LOCAL_CHANGE_VALUE, localChangeText_);
  exchange.text(IDC_TOTAL_CHANGE_VALUE, totalChangeText_);
  exchange.text(IDC_LEVEL_MIN, levelMin_);
  exchange.text(IDC_LEVEL_MAX, levelMax_);
  exchange.text(IDC_PASSES, maxPasses_);
  exchange.text(IDC_TOTAL_ERROR_VALUE, totalErrorText_);
  exchange.check(IDC_MAX_TRAC, maxTracCheck_);
  exchange.text(IDC_MAX_TRAC_VALUE, maxTracText_);
  exchange.check(IDC_TOTAL_ERROR, totalErrorCheck_);
}

void CConvergenceDlg::OnFirstShow() {
  if (block_ == nullptr) return;
  const ConvergenceBlock& block = *block_;
  displacementText_ = tolerance(block.freqDispValue);
  frequencyText_ = tolerance(block.mainValue);
  localChangeText_ = tolerance(block.localChangeValue);
  totalChangeText_ = tolerance(block.totalChangeValue);
  totalErrorText_ = tolerance(block.totalErrorValue);
  maxTracText_ = tolerance(block.maxTracValue);
  levelMin_ = block.levelMin;
  levelMax_ = block.levelMax;
  maxPasses_ = block.maxPasses;
  localChange_ = block.localChangeSelected == 1;
  totalChange_ = !localChange_ && block.totalChangeSelected == 1;
  maxTracCheck_ = block.maxTracSelected == 1 ? 1 : 0;
  totalErrorCheck_ = block.totalErrorSelected == 1 ? 1 : 0;
  if (kind_ == kFrequency) {
    displacementCheck_ = 1;
    frequencyCheck_ = 1;
  } else {
    displacementText_ = tolerance(block.mainValue);
    displacementCheck_ = block.mainSelected != 0 ? 1 : 0;
    leaveOutFrequencyRow();
  }
  if (kind_ == kThermal) {
    for (const Caption& caption : thermalCaptions()) SetDlgItemText(caption.id, caption.text);
  }
  applyEnablingRules();
}

void CConvergenceDlg::leaveOutFrequencyRow() {
  for (const int id : {IDC_FREQUENCY, IDC_FREQUENCY_VALUE}) {
    EnableWindow(id, false);
    ShowWindow(id, false);
  }
  for (const ControlPlace& place : placesWithoutFrequencyRow()) {
    MoveControl(place.id, place.topLeft.x, place.topLeft.y);
  }
  SetDialogSize(kWindowWithoutFrequencyRow.cx, kWindowWithoutFrequencyRow.cy);
}

// Every tolerance of an optional criterion can be edited only while its criterion is selected,
// and "Max Trac BC Error" only together with "Total RMS Trac BC Error".
void CConvergenceDlg::applyEnablingRules() {
  if (totalErrorCheck_ == 0) maxTracCheck_ = 0;
  CheckDlgButton(IDC_LOCAL_CHANGE, localChange_ ? 1 : 0);
  CheckDlgButton(IDC_TOTAL_CHANGE, totalChange_ ? 1 : 0);
  EnableWindow(IDC_LOCAL_CHANGE_VALUE, localChange_);
  EnableWindow(IDC_TOTAL_CHANGE_VALUE, totalChange_);
  EnableWindow(IDC_TOTAL_ERROR_VALUE, totalErrorCheck_ != 0);
  EnableWindow(IDC_MAX_TRAC, totalErrorCheck_ != 0);
  EnableWindow(IDC_MAX_TRAC_VALUE, maxTracCheck_ != 0);
  UpdateData(false);
}

void CConvergenceDlg::keepChecked(int id, int& check) {
  check = 1;
  CheckDlgButton(id, 1);
}

// The two RMS change criteria are a pair of which at most one is selected; a click on the
// selected one deselects it.
void CConvergenceDlg::changeCriterionClicked(bool local) {
  bool& clicked = local ? localChange_ : totalChange_;
  bool& other = local ? totalChange_ : localChange_;
  if (!clicked) other = false;
  clicked = !clicked;
  UpdateData(true);
  applyEnablingRules();
}

void CConvergenceDlg::totalErrorClicked() {
  UpdateData(true);
  applyEnablingRules();
}

void CConvergenceDlg::maxTracClicked() {
  UpdateData(true);
  EnableWindow(IDC_MAX_TRAC_VALUE, maxTracCheck_ != 0);
  UpdateData(false);
}

// One arrow of a level's up-down. With the control's default range the up arrow asks for a
// negative change, which raises the level by one; a level stepped out of [low, high] jumps to
// `jump`. The edit shows the level; the step is always allowed.
bool CConvergenceDlg::stepLevel(int editId, int& level, int delta, int low, int high, int jump) {
  const long long next = static_cast<long long>(level) + (delta < 0 ? 1 : -1);
  level = next < low || next > high ? jump : static_cast<int>(next);
  SetDlgItemText(editId, std::to_string(level));
  return true;
}

// The default tolerances go into the block at once, whatever the dialog ends with.
void CConvergenceDlg::restoreDefaults() {
  if (block_ == nullptr) return;
  if (const std::optional<DefaultTolerances> defaults = defaultTolerances(kind_)) {
    ConvergenceBlock& block = *block_;
    if (defaults->freqDisp) {
      block.freqDispValue = *defaults->freqDisp;
      displacementText_ = tolerance(block.freqDispValue);
      block.mainValue = defaults->main;
      frequencyText_ = tolerance(block.mainValue);
    } else {
      block.mainValue = defaults->main;
      displacementText_ = tolerance(block.mainValue);
    }
    block.totalChangeValue = defaults->totalChange;
    block.localChangeValue = defaults->localChange;
    block.totalErrorValue = defaults->totalError;
    block.maxTracValue = defaults->maxTrac;
    totalChangeText_ = tolerance(block.totalChangeValue);
    localChangeText_ = tolerance(block.localChangeValue);
    totalErrorText_ = tolerance(block.totalErrorValue);
    maxTracText_ = tolerance(block.maxTracValue);
  }
  levelMin_ = kDefaultLevelMin;
  levelMax_ = kDefaultLevelMax;
  maxPasses_ = kDefaultMaxPasses;
  localChange_ = false;
  totalChange_ = false;
  totalErrorCheck_ = 0;
  applyEnablingRules();
}

// A whole number refused by the exchange leaves the value held before; Accept goes on.
void CConvergenceDlg::OnOK() {
  if (block_ == nullptr) {
    EndDialog(ui::IDOK);
    return;
  }
  UpdateData(true);
  ConvergenceBlock& block = *block_;
  if (kind_ == kFrequency) {
    block.freqDispSelected = displacementCheck_;
    block.freqDispValue = readNumber(displacementText_);
    block.mainSelected = frequencyCheck_;
    block.mainValue = readNumber(frequencyText_);
  } else {
    block.mainSelected = displacementCheck_;
    block.mainValue = readNumber(displacementText_);
  }
  if (judgesBoundaryErrors(kind_)) {
    writeBoundaryCriteria(block);
  } else {
    block.freqDispSelected = 0;
    block.freqDispValue = 0.0;
  }
  block.levelMin = levelMin_;
  block.levelMax = levelMax_;
  block.maxPasses = maxPasses_;
  detach(true);
  EndDialog(ui::IDOK);
}

void CConvergenceDlg::writeBoundaryCriteria(ConvergenceBlock& block) const {
  block.localChangeSelected = localChange_ ? 1 : 0;
  block.totalChangeSelected = totalChange_ ? 1 : 0;
  block.localChangeValue = readNumber(localChangeText_);
  block.totalChangeValue = readNumber(totalChangeText_);
  block.totalErrorSelected = totalErrorCheck_ != 0 ? 1 : 0;
  block.totalErrorValue = readNumber(totalErrorText_);
  block.maxTracSelected = maxTracCheck_;
  block.maxTracValue = readNumber(maxTracText_);
}

void CConvergenceDlg::OnCancel() {
  if (block_ != nullptr) block_->mainSelected = kConvergenceCancelled;
  detach(true);
  EndDialog(ui::IDCANCEL);
}
