#include "loadentry/CLoadBcInputDlg.h"

#include <cctype>
#include <cstddef>
#include <cstdint>

#include "loadbc/LoadKinds.h"
#include "loadentry/LoadEntryResources.h"
#include "platform/FieldText.h"
#include "platform/ui/Services.h"
#include "runtime/ipc/BlockView.h"
#include "runtime/ipc/IpcKey.h"
#include "runtime/ipc/SharedMemory.h"
#include "runtime/skeleton/PrettyColours.h"

using namespace loadentry;
using loadbc::kDisplacement;
using loadbc::kThreePoints;
using loadbc::kTotalForce;
using loadbc::kTwoPoints;
using loadbc::kUniform;
using lyrBlocks::BlockView;
using platform::fieldText;

namespace {
constexpr const char* kAttachFailed = "Cannot attach shared memory segment.";
constexpr const char* kDetachFailed = "Cannot detach shared memory segment.";
constexpr const char* kErrorCaption = "ERROR";
constexpr const char* kDisplacementText =
    "In current version, Displacement Boundary Conditions can only be set in Modal Analysis!\n"
    "Changing displacements...";
constexpr const char* kThreePointText =
    "Non-Uniform loading cannot have a Total Force Load Type!\n"
    "Changing boundary conditions appropriately...";
constexpr const char* kTwoPointText =
    "Non-Uniform loading cannot have Total Force!\n"
    "Changing boundary conditions appropriately...";
constexpr const char* kBcCheck = "Korvena: BC Check";
constexpr const char* kShortBcCheck = "BC Check";
constexpr const char* kNotRequired = "Not Required";

constexpr std::int64_t kEntryBytes = kFunctionEntrySize;

// The offset of function entry i, which begins with the function's name.
std::int64_t functionEntry(int i) {
  return static_cast<std::int64_t>(kFunctionEntriesOffset) + kEntryBytes * i;
}

// The block goes on with functionCount entries, a count below 0 being refused. The count must fit
// even when no load function applies and the entries are not read: a count the block cannot
// hold says the block is not what it claims to be.
bool holdsFunctionEntries(const BlockView& view) {
  const auto count = view.field<std::int32_t>(offsetof(LoadBcInputBlock, functionCount));
  return count && view.holds(functionEntry(0), kEntryBytes * *count);
}

std::string upperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}
}  // namespace

CLoadBcInputDlg::CLoadBcInputDlg()
    : CPrettyDialog(loadInputTemplate()),
      grid_(*this, kGridIds, ui::Colours{skeleton::kWhite, skeleton::kDialogBack}) {
  SubclassDlgItem(IDC_CSYS_NAME, csysEdit_);
  onClicked(IDC_RESET, [this] { reset(); });
  icon_ = ui::LoadIcon(IDR_MAINFRAME);
  ParseCommandLine();
  attach();
}

CLoadBcInputDlg::~CLoadBcInputDlg() { detach(); }

void CLoadBcInputDlg::attach() {
  void* data = nullptr;
  if (lyrIpcAttachKey(argCount + 1, argv, &data) == 0) {
    const auto view = BlockView::over(data, lyrShmSize(data), sizeof(LoadBcInputBlock));
    if (view && holdsFunctionEntries(*view)) {
      data_ = data;
      view_ = view;
      block_ = static_cast<LoadBcInputBlock*>(data);
      functionFlag_ = block_->functionKind != kNoFunction;
      return;
    }
    lyrIpcDetachKey(&data);  // let go unread
  }
  MessageBox(kAttachFailed, kErrorCaption, ui::MB_OK);
  attachFailed_ = true;
}

void CLoadBcInputDlg::detach() {
  block_ = nullptr;
  view_.reset();
  if (data_ == nullptr) return;
  if (lyrIpcDetachKey(&data_) != 0) {
    // The block is given up: the process ends soon after and the host reads it once it has.
    data_ = nullptr;
    MessageBox(kDetachFailed, kErrorCaption, ui::MB_OK);
  }
}

bool CLoadBcInputDlg::OnInitDialog() {
  CPrettyDialog::OnInitDialog();
  SetIcon(icon_, true);
  SetIcon(icon_, false);
  if (attachFailed_) EndDialog(ui::IDCANCEL);
  return true;
}

void CLoadBcInputDlg::DoDataExchange(ui::DataExchange& exchange) {
  grid_.exchange(exchange, valueTexts_);
  exchange.text(IDC_CSYS_NAME, csysText_);
  for (int d = 0; d < loadbc::kDirections; ++d) exchange.index(kTypeIds[d], types_[d]);
  exchange.index(IDC_FUNCTION, functionSelection_);
}

void CLoadBcInputDlg::OnFirstShow() {
  if (block_ == nullptr) return;
  csysText_ = fieldText(block_->csysName);
  for (int d = 0; d < loadbc::kDirections; ++d) types_[d] = block_->loadType[d];
  formatColumns(1);
  fillFunctionList();
  const int distribution = block_->distribution;
  if (distribution == kTwoPoints || distribution == kThreePoints) {
    for (const int id : kTypeIds) DeleteString(id, kTotalForce);
  }
  layOutColumns(distribution);
  UpdateData(false);
}

void CLoadBcInputDlg::fillFunctionList() {
  if (functionFlag_) {
    for (int i = 0; i < block_->functionCount; ++i) {
      AddString(IDC_FUNCTION, view_->text(functionEntry(i), kFunctionEntrySize).value_or(""));
    }
    functionSelection_ = block_->functionIndex;
  } else {
    functionSelection_ = 0;
    AddString(IDC_FUNCTION, kNotRequired);
  }
}

// A load of fewer than three points shows only its columns, in a window narrowed to them, with
// OK, Cancel and Reset side by side under them (47 dialog units apart).
void CLoadBcInputDlg::narrowTo(int columns, int width, int okX) {
  constexpr int kButtonStep = 47;
  constexpr int kButtonY = 109;
  grid_.hideColumnsFrom(columns);
  SetDialogSize(width, 140);
  MoveControl(1, okX, kButtonY);
  MoveControl(2, okX + kButtonStep, kButtonY);
  MoveControl(IDC_RESET, okX + 2 * kButtonStep, kButtonY);
}

void CLoadBcInputDlg::layOutColumns(int distribution) {
  switch (distribution) {
    case kUniform:
      narrowTo(1, 200, 32);
      grid_.setHeader(0, "VALUE");
      break;
    case kTwoPoints:
      narrowTo(2, 278, 71);
      grid_.setHeader(0, "BEG.pnt");
      grid_.setHeader(1, "END.pnt");
      formatColumns(2);
      break;
    case kThreePoints:
      for (int p = 0; p < loadbc::kPoints; ++p) {
        grid_.setHeader(p, upperCase(fieldText(block_->pointName[p])));
      }
      formatColumns(3);
      break;
    default:
      break;
  }
}

void CLoadBcInputDlg::formatColumns(int points) {
  for (int p = 0; p < points; ++p) loadbc::formatPoint(valueTexts_, block_->value, p);
}

// The rule that a non-uniform load carries no total force: every direction of that type is
// corrected, after the message.
bool CLoadBcInputDlg::applyTotalForceRule(const std::string& text, const std::string& caption) {
  if (!anyOfType(types_, kTotalForce)) return false;
  MessageBox(text, caption, ui::MB_OK);
  clearDirectionsOfType(types_, valueTexts_, kTotalForce);
  return true;
}

// With a load function applying, corrected rows are shown again and nothing is written until
// the user presses OK once more; without one, the corrections are written at once.
void CLoadBcInputDlg::OnOK() {
  if (block_ == nullptr) return;
  UpdateData(true);
  bool changed = false;
  if (functionFlag_ && anyNonZeroOfType(types_, valueTexts_, kDisplacement)) {
    MessageBox(kDisplacementText, kBcCheck, ui::MB_OK);
    clearDirectionsOfType(types_, valueTexts_, kDisplacement);
    changed = true;
  }
  const int distribution = block_->distribution;
  const auto heldBack = [&] { return changed && functionFlag_; };
  if (distribution == kThreePoints) {
    changed = applyTotalForceRule(kThreePointText, kShortBcCheck) || changed;
    if (!heldBack()) loadbc::storePoint(block_->value, valueTexts_, 2);
  }
  if (distribution == kTwoPoints || distribution == kThreePoints) {
    if (functionFlag_ && distribution != kThreePoints) {
      changed = applyTotalForceRule(kTwoPointText, kBcCheck) || changed;
    }
    if (!heldBack()) loadbc::storePoint(block_->value, valueTexts_, 1);
  }
  if (loadbc::pointsOf(distribution) > 0 && !heldBack()) {
    loadbc::storePoint(block_->value, valueTexts_, 0);
  }
  if (heldBack()) {
    UpdateData(false);
    return;
  }
  block_->status = 1;
  if (functionFlag_) block_->functionIndex = functionSelection_;
  for (int d = 0; d < loadbc::kDirections; ++d) block_->loadType[d] = types_[d];
  EndDialog(ui::IDOK);
}

void CLoadBcInputDlg::OnCancel() {
  if (block_ != nullptr) block_->status = 0;
  EndDialog(ui::IDCANCEL);
}

// The controls are not read first: what the user changed in the value fields of the
// distribution's columns and in the type lists goes back to the block's values.
void CLoadBcInputDlg::reset() {
  if (block_ == nullptr) return;
  for (int d = 0; d < loadbc::kDirections; ++d) types_[d] = block_->loadType[d];
  formatColumns(loadbc::pointsOf(block_->distribution));
  UpdateData(false);
}

void CLoadBcInputDlg::OnDestroy() {
  detach();
  CPrettyDialog::OnDestroy();
}
