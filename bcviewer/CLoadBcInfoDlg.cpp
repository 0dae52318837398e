#include "bcviewer/CLoadBcInfoDlg.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bcviewer/BcViewerResources.h"
#include "loadbc/LoadKinds.h"
#include "platform/FieldText.h"
#include "runtime/ipc/BlockView.h"
#include "runtime/ipc/IpcSnapshot.h"

using namespace bcviewer;
using platform::fieldText;

namespace {
constexpr const char* kNotApplicable = "Not Applicable";
constexpr int kPlainMemory = 0;  // the copy is made with malloc

// The three pieces of the type names that belong to the directions; a piece is shorter, or
// empty, where the text ends early.
std::string typePiece(const LoadBcInfoBlock& block, int direction) {
  const std::string all = fieldText(block.typeNames);
  const std::size_t start = kTypeNameWidth * static_cast<std::size_t>(direction);
  return start < all.size() ? all.substr(start, kTypeNameWidth) : std::string();
}
}  // namespace

CLoadBcInfoDlg::CLoadBcInfoDlg() : CPrettyDialog(loadInfoTemplate()), grid_(*this, kGridIds, std::nullopt) {
  icon_ = ui::LoadIcon(IDR_MAINFRAME);
  ParseCommandLine();
  option_ = bcviewer::analysisOption(argCount, argv);
  takeSnapshot();
}

// The block is copied and let go at once. Only a copy that holds the whole layout is kept.
void CLoadBcInfoDlg::takeSnapshot() {
  void* buffer = nullptr;
  int copied = 0;
  lyrIpcSnapshot(argCount + 1, argv, &buffer, kPlainMemory, &copied);
  const std::unique_ptr<void, decltype(&std::free)> copy(buffer, &std::free);
  if (copy == nullptr) return;
  const auto view = lyrBlocks::BlockView::over(copy.get(), copied, kLoadBcInfoMinSize);
  if (!view) {
    std::fprintf(stderr, "bcviewer: the block holds %d bytes, fewer than the %d of its layout.\n", copied,
                 static_cast<int>(kLoadBcInfoMinSize));
    return;
  }
  block_ = view->copy<LoadBcInfoBlock>();  // the padding beyond the layout's last byte is zero
}

bool CLoadBcInfoDlg::OnInitDialog() {
  CPrettyDialog::OnInitDialog();
  SetIcon(icon_, true);
  SetIcon(icon_, false);
  return true;
}

void CLoadBcInfoDlg::DoDataExchange(ui::DataExchange& exchange) {
  exchange.text(IDC_CSYS_NAME, csysText_);
  exchange.text(IDC_FUNCTION_NAME, functionText_);
  for (int d = 0; d < loadbc::kDirections; ++d) exchange.text(kTypeIds[d], typeTexts_[d]);
  grid_.exchange(exchange, valueTexts_);
}

void CLoadBcInfoDlg::OnFirstShow() {
  if (!block_) return;
  functionText_ = option_ == kStatic ? kNotApplicable : fieldText(block_->functionName);
  switch (block_->distribution) {
    case loadbc::kUniform:
      narrowTo(1);
      grid_.setHeader(0, "VALUE");
      fillRows(1);
      break;
    case loadbc::kTwoPoints:
      narrowTo(2);
      grid_.setHeader(0, "beg.pnt");
      grid_.setHeader(1, "end.pnt");
      fillRows(2);
      break;
    case loadbc::kThreePoints:
      for (int p = 0; p < loadbc::kPoints; ++p) {
        grid_.setHeader(p, fieldText(block_->pointName[p]));
      }
      fillRows(3);
      break;
    default:
      break;
  }
  UpdateData(false);
}

// One and two points share the window narrowed to two columns, OK under its middle.
void CLoadBcInfoDlg::narrowTo(int columns) {
  SetDialogSize(271, 116);
  MoveControl(1, 112, 85);
  grid_.hideColumnsFrom(columns);
}

// The coordinate system, the type of each direction and the values of the first `points` points.
void CLoadBcInfoDlg::fillRows(int points) {
  csysText_ = fieldText(block_->csysName);
  for (int d = 0; d < loadbc::kDirections; ++d) typeTexts_[d] = typePiece(*block_, d);
  for (int p = 0; p < points; ++p) loadbc::formatPoint(valueTexts_, block_->value, p);
}
