// The editing commands of the function dialog: limits (DEFINE, REFIT, the scale lists) and
// points (NEW, INPUT, DELETE, the point selector). They work on the point list and the limits
// only; the block is written at APPLY.
#include <algorithm>
#include <cmath>

#include "curvedit/CCurveEditDlg.h"
#include "curvedit/CurveditResources.h"
#include "curvedit/PointRules.h"
#include "platform/FormatText.h"
#include "platform/ui/Services.h"
#include "runtime/skeleton/NumberText.h"

using namespace curvedit;
using platform::formatText;
using skeleton::formatNumber;

namespace {
constexpr const char* kErrorCaption = "Korvena Error";
constexpr const char* kNumberFormat = "%10.3e";

bool allFinite(std::initializer_list<double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}
}  // namespace

// ---- Shared ------------------------------------------------------------------------------------

Axis& CCurveEditDlg::axis(AxisName name) { return name == AxisName::X ? graph.x : graph.y; }

bool& CCurveEditDlg::scaleUnset(AxisName name) { return name == AxisName::X ? xScaleUnset : yScaleUnset; }

void CCurveEditDlg::errorBox(const std::string& text) {
  MessageBox(text, kErrorCaption, ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

void CCurveEditDlg::ShowLimitsError() {
  const std::string text = formatText("1. For logarithmic scale  X > %1.1e\n", graph.x.max / kLogRange) +
                           formatText("2. For logarithmic scale  Y > %1.1e\n", graph.y.max / kLogRange) +
                           "3. For logarithmic scale log10(Xmax) - log10(Xmin) < 4\n";
  MessageBox(text, "Error.  GRAPH BOX Limits Exceeded", ui::MB_OK | ui::MB_ICONSTOP);
}

// An edit is written only when its text changes, so that repeated refreshes leave it alone.
void CCurveEditDlg::showLimits(AxisName name) {
  const Axis& a = axis(name);
  for (const auto& [id, value] : {std::pair{name == AxisName::X ? IDC_XMIN : IDC_YMIN, a.min},
                                  std::pair{name == AxisName::X ? IDC_XMAX : IDC_YMAX, a.max}}) {
    const std::string text = formatNumber(kNumberFormat, value);
    if (GetDlgItemText(id) != text) SetDlgItemText(id, text);
  }
}

void CCurveEditDlg::showPointEdits(double x, double y) {
  SetDlgItemText(IDC_POINTX, formatNumber(kNumberFormat, x));
  SetDlgItemText(IDC_POINTY, formatNumber(kNumberFormat, y));
}

void CCurveEditDlg::showSelectedPoint() {
  const CurvePoint& p = points[static_cast<std::size_t>(selectedPoint)];
  showPointEdits(p.x, p.y);
}

void CCurveEditDlg::setSpinRange() {
  SetRange(IDC_SPIN, 0, std::max(static_cast<int>(points.size()) - 1, 0));
}

void CCurveEditDlg::setRefit(bool enabled) {
  refitEnabled = enabled;
  EnableWindow(IDC_REFIT, enabled);
}

// ---- Limits ------------------------------------------------------------------------------------

void CCurveEditDlg::define() {
  const double xMax = skeleton::readNumber(GetDlgItemText(IDC_XMAX));
  const double xMin = skeleton::readNumber(GetDlgItemText(IDC_XMIN));
  const double yMax = skeleton::readNumber(GetDlgItemText(IDC_YMAX));
  const double yMin = skeleton::readNumber(GetDlgItemText(IDC_YMIN));
  xScaleUnset = false;
  yScaleUnset = false;
  if (!allFinite({xMax, xMin, yMax, yMin})) {
    errorBox("Cannot define an infinite or undefined value for scale");
    showLimits(AxisName::X);
    showLimits(AxisName::Y);
    return;
  }
  if (xMax < 0.0 || xMin < 0.0) {
    errorBox("Cannot define a negative value for scale");
    showLimits(AxisName::X);
    return;
  }
  setLimits(AxisName::X, std::min(xMin, xMax), std::max(xMin, xMax), LogRule::Spread);
  setLimits(AxisName::Y, std::min(yMin, yMax), std::max(yMin, yMax), LogRule::Spread);
  showLimits(AxisName::X);
  showLimits(AxisName::Y);
  Invalidate();
}

// New limits for an axis, from the lower to the higher value. A logarithmic axis rounds them
// outwards to whole decades and refuses, with the limits message, limits no logarithm reaches
// and ranges beyond its rule: DEFINE takes limits up to 100000 apart, REFIT at most five
// decades. Equal limits are refused too (the axis would have no length). A refused axis keeps
// its limits.
void CCurveEditDlg::setLimits(AxisName name, double low, double high, LogRule rule) {
  Axis& a = axis(name);
  const Axis previous = a;
  a.max = high;
  a.min = low;
  if (a.log) {
    a.max = std::pow(10.0, std::ceil(std::log10(a.max)));
    a.min = std::pow(10.0, std::floor(std::log10(a.min)));
    bool fits = false;
    if (rule == LogRule::Spread) {
      fits = std::fabs(a.max - a.min) <= kLogRange;
    } else {
      if (points.size() == 1) a.max = 10.0 * a.min;
      fits = std::fabs(std::log10(a.max) - std::log10(a.min)) <= std::log10(kLogRange) &&
             !(a.max / kLogRange > a.min);
    }
    if (!fits) {
      ShowLimitsError();
      a = previous;
      return;
    }
  }
  if (a.max == a.min) a = previous;
}

void CCurveEditDlg::refit() {
  if (points.empty()) return;
  setLimits(AxisName::X, points.front().x, points.back().x, LogRule::Decades);
  setLimits(AxisName::Y, smallestY(points), largestY(points), LogRule::Decades);
  showLimits(AxisName::X);
  showLimits(AxisName::Y);
  Invalidate();
}

void CCurveEditDlg::scaleChanged(AxisName name) {
  Axis& a = axis(name);
  const int list = name == AxisName::X ? IDC_XSCALE : IDC_YSCALE;
  if (GetCurSel(list) == kLogScale) {
    a.log = 1;
    if (scaleUnset(name)) {
      a.max = 1.0;
      a.min = 1.0 / kLogRange;
      scaleUnset(name) = false;
      showLimits(name);
    }
    a.logWarn = 1;
  } else {
    a.log = 0;
    a.logWarn = 0;
  }
  Invalidate();
}

// ---- Points ------------------------------------------------------------------------------------

// The lowest point each axis can show: zero on a linear axis.
void CCurveEditDlg::showNewPointDefaults() {
  showPointEdits(graph.x.log ? graph.x.max / kLogRange : 0.0, graph.y.log ? graph.y.max / kLogRange : 0.0);
}

void CCurveEditDlg::newPoint() {
  showNewPointDefaults();
  newPointPending = true;
}

bool CCurveEditDlg::CheckPointRange(double x, double y) {
  if (fitsAxes(graph.x, graph.y, {x, y})) return true;
  ShowLimitsError();
  if (points.empty()) {
    showNewPointDefaults();
  } else {
    showSelectedPoint();
  }
  return false;
}

void CCurveEditDlg::input() {
  const double x = skeleton::readNumber(GetDlgItemText(IDC_POINTX));
  const double y = skeleton::readNumber(GetDlgItemText(IDC_POINTY));
  if (!allFinite({x, y})) {
    errorBox("Cannot define an infinite or undefined value for points");
    return;
  }
  if (x < 0.0 || y < 0.0) {
    errorBox("Cannot define a negative value for points");
    return;
  }
  if (newPointPending) {
    newPointPending = false;
    if (!CheckPointRange(x, y)) return;
    const int same = indexOfX(points, x);
    if (same >= 0) {
      // The point with this x takes the new value: no two points share an x.
      points[static_cast<std::size_t>(same)] = {x, y};
      selectedPoint = same;
    } else if (points.size() >= static_cast<std::size_t>(kMaxFunctionPoints)) {
      errorBox(formatText("Cannot define more than %d points", kMaxFunctionPoints));
      return;
    } else {
      points.push_back({x, y});
      setSpinRange();
      sortByX(points);
      selectedPoint =
          static_cast<int>(std::find(points.begin(), points.end(), CurvePoint{x, y}) - points.begin());
    }
    SetPos(IDC_SPIN, selectedPoint);
  } else {
    if (points.empty() || !CheckPointRange(x, y)) return;
    if (indexOfX(points, x, selectedPoint) >= 0) {
      errorBox("Cannot define two points with the same x value");
      return;
    }
    points[static_cast<std::size_t>(selectedPoint)] = {x, y};
    if (points.size() > 1) sortByX(points);
  }
  if (!refitEnabled && points.size() > 1) setRefit(true);
  showSelectedPoint();
  Invalidate();
}

void CCurveEditDlg::deletePoint() {
  if (points.empty()) return;
  if (points.size() == 1) {
    points.clear();
    SetRange(IDC_SPIN, 0, 0);
    SetPos(IDC_SPIN, 0);
    selectedPoint = 0;
    showPointEdits(0.0, 0.0);
  } else {
    points.erase(points.begin() + selectedPoint);
    selectedPoint = std::min(selectedPoint, static_cast<int>(points.size()) - 1);
    setSpinRange();
    SetPos(IDC_SPIN, selectedPoint);
    showSelectedPoint();
  }
  if (points.size() <= 1) setRefit(false);
  Invalidate();
}

// The point selector shows and selects the point it steps to.
bool CCurveEditDlg::spinStep(int delta) {
  if (newPointPending) {
    newPointPending = false;
    setSpinRange();
    SetPos(IDC_SPIN, points.size() == 1 ? 0 : selectedPoint);
  }
  if (points.empty()) return true;
  selectedPoint = std::clamp(GetPos(IDC_SPIN) + delta, 0, static_cast<int>(points.size()) - 1);
  showSelectedPoint();
  Invalidate();
  return true;
}

// ---- The graph box's questions -----------------------------------------------------------------

void CCurveEditDlg::logOfZero(AxisName name) {
  errorBox(name == AxisName::X
               ? "Log of zero for X found!\nPlease switch to a linear X scale to remove or modify "
                 "the point."
               : "Log of zero for Y found!\nPlease switch to a linear Y scale to remove or modify "
                 "the point.");
  axis(name).logWarn = 0;
  SetCurSel(name == AxisName::X ? IDC_XSCALE : IDC_YSCALE, kLinearScale);
  scaleChanged(name);
}

void CCurveEditDlg::logLimitsRounded(AxisName name) { showLimits(name); }
