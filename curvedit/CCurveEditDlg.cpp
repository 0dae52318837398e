#include "curvedit/CCurveEditDlg.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "curvedit/CAboutDlg.h"
#include "curvedit/CurveditResources.h"
#include "platform/ui/Services.h"

using namespace curvedit;
using lyrBlocks::BlockView;

namespace {
constexpr const char* kInfoTag = "INFO";
constexpr const char* kDataTag = "DATA";
constexpr auto kTitleOffset = static_cast<std::int64_t>(offsetof(FunctionInfoBlock, functionTitle));
}  // namespace

CCurveEditDlg::CCurveEditDlg() : CPrettyDialog(curveEditTemplate()) {
  const int edits[] = {IDC_XMIN, IDC_XMAX, IDC_YMIN, IDC_YMAX, IDC_POINTX, IDC_POINTY};
  CPrettyEdit* objects[] = {&xMinEdit_, &xMaxEdit_, &yMinEdit_, &yMaxEdit_, &pointXEdit_, &pointYEdit_};
  for (std::size_t i = 0; i < std::size(edits); ++i) {
    objects[i]->SetNumeric(1);
    SubclassDlgItem(edits[i], *objects[i]);
  }
  onClicked(IDC_DEFINE, [this] { define(); });
  onClicked(IDC_INPUT, [this] { input(); });
  onClicked(IDC_DELETE, [this] { deletePoint(); });
  onClicked(IDC_NEW, [this] { newPoint(); });
  onClicked(IDC_REFIT, [this] { refit(); });
  onSelChange(IDC_XSCALE, [this] { scaleChanged(AxisName::X); });
  onSelChange(IDC_YSCALE, [this] { scaleChanged(AxisName::Y); });
  onDeltaPos(IDC_SPIN, [this](int, int delta) { return spinStep(delta); });

  icon_ = ui::LoadIcon(IDR_MAINFRAME);
  ParseCommandLine();
  const auto views = attachBlocks();
  if (!views) {
    MessageBox("Cannot attach shared memory segment.", "ERROR", ui::MB_OK);
    return;
  }
  load(*views);
}

CCurveEditDlg::~CCurveEditDlg() { detachBlocks(); }

// The blocks are usable when both tags have their block, each long enough for its fields, and
// the function's point count fits its block; otherwise every block is let go unread.
std::optional<CCurveEditDlg::FunctionViews> CCurveEditDlg::attachBlocks() {
  std::optional<FunctionViews> views;
  if (blocks_.attach(argCount + 1, argv, {kInfoTag, kDataTag})) {
    const auto info = BlockView::over(blocks_.data(kInfoTag), blocks_.size(kInfoTag), kFunctionInfoMinSize);
    const auto data = BlockView::over(blocks_.data(kDataTag), blocks_.size(kDataTag), kFunctionDataSize);
    if (info && data) {
      const auto count = *data->field<std::int32_t>(offsetof(FunctionDataBlock, pointCount));
      if (count >= 0 && count <= kMaxFunctionPoints) views = FunctionViews{*info, *data, count};
    }
  }
  if (views) {
    data_ = static_cast<FunctionDataBlock*>(blocks_.data(kDataTag));
  } else {
    detachBlocks();
    attachFailed_ = true;
  }
  return views;
}

// INFO first, then DATA.
void CCurveEditDlg::detachBlocks() {
  data_ = nullptr;
  blocks_.detachAll();
}

// The title runs to its zero byte or to the end of the INFO block.
void CCurveEditDlg::load(const FunctionViews& blocks) {
  const std::string title = *blocks.info.text(kTitleOffset, blocks.info.size() - kTitleOffset);
  caption =
      title + " " +
      *blocks.data.text(offsetof(FunctionDataBlock, functionName), sizeof(FunctionDataBlock::functionName));
  context.frequencyFunction = title == kTimeFunctionTitle ? 0 : 1;
  context.minTimeStep = *blocks.info.field<double>(offsetof(FunctionInfoBlock, minTimeStep));
  context.highestNaturalFrequency =
      *blocks.info.field<double>(offsetof(FunctionInfoBlock, highestNaturalFrequency));
  for (int i = 0; i < blocks.pointCount; ++i) {
    points.push_back({data_->abscissa[i], data_->ordinate[i]});
  }
  refitEnabled = blocks.pointCount > 1;
}

bool CCurveEditDlg::OnInitDialog() {
  CPrettyDialog::OnInitDialog();
  AppendSystemMenu(0, "");
  AppendSystemMenu(IDM_ABOUTBOX, kAboutItem);
  SetIcon(icon_, true);
  SetIcon(icon_, false);
  SetDlgItemText(IDC_CAPTION, caption);
  if (attachFailed_) EndDialog(ui::IDCANCEL);
  return true;
}

// Limits that show every point (a single point from zero, or from itself, to twice its value).
void CCurveEditDlg::OnFirstShow() {
  if (attachFailed_) return;
  graph.setUp(controlRectPixels(IDC_GRAPHBOX));
  SetCurSel(IDC_XSCALE, kLinearScale);
  SetCurSel(IDC_YSCALE, kLinearScale);
  graph.x.min = 0.0;
  const auto spread = [](double low, double high, Axis& target) {
    target.min = low;
    target.max = high;
    if (target.max == target.min) target.max = target.max != 0.0 ? 2.0 * target.max : 1.0;
  };
  if (points.size() == 1) {
    const CurvePoint& only = points.front();
    graph.y.min = only.y;
    graph.y.max = only.y > 0.0 ? 2.0 * only.y : (only.y == 0.0 ? 1.0 : 0.0);
    graph.x.min = only.x;
    graph.x.max = only.x > 0.0 ? 2.0 * only.x : (only.x == 0.0 ? 1.0 : 0.0);
  } else if (!points.empty()) {
    spread(smallestY(points), largestY(points), graph.y);
    spread(points.front().x, points.back().x, graph.x);
  }
  showLimits(AxisName::X);
  showLimits(AxisName::Y);
  if (points.empty()) {
    showPointEdits(0.0, 0.0);
  } else {
    showSelectedPoint();
  }
  setSpinRange();
  if (!refitEnabled) EnableWindow(IDC_REFIT, false);
  Invalidate();
}

int CCurveEditDlg::ValidateFunction() { return curvedit::ValidateFunction(points, context, errorText); }

void CCurveEditDlg::OnOK() {
  if (data_ == nullptr) {
    EndDialog(ui::IDCANCEL);
    return;
  }
  if (!ValidateFunction()) {
    errorBox(errorText);
    return;
  }
  data_->status = context.frequencyFunction ? kStatusFrequencyApplied : kStatusTimeApplied;
  const std::size_t count = std::min(points.size(), static_cast<std::size_t>(kMaxFunctionPoints));
  for (std::size_t i = 0; i < count; ++i) {
    data_->abscissa[i] = points[i].x;
    data_->ordinate[i] = points[i].y;
  }
  data_->pointCount = static_cast<std::int32_t>(count);
  detachBlocks();
  EndDialog(ui::IDOK);
}

void CCurveEditDlg::OnCancel() {
  if (data_ != nullptr) data_->status = kStatusCancelled;
  detachBlocks();
  EndDialog(ui::IDCANCEL);
}

void CCurveEditDlg::OnDestroy() {
  detachBlocks();
  CPrettyDialog::OnDestroy();
}

void CCurveEditDlg::OnPaint(ui::Painter& painter) { graph.paint(painter, points, selectedPoint); }

void CCurveEditDlg::OnSysCommand(unsigned id) {
  if ((id & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutDlg about(this);
    about.DoModal();
    return;
  }
  CPrettyDialog::OnSysCommand(id);
}
