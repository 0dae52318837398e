#include "curveplot/CCurvePlotBase.h"

#include <charconv>

#include "curveplot/CurveAttach.h"
#include "curveplot/CurvePlotResources.h"
#include "platform/ui/Services.h"

namespace {

// The shortest text that reads back as the same double.
void appendNumber(std::string& text, double value) {
  char digits[32];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  text.append(digits, result.ptr);
}

}  // namespace

CCurvePlotBase::CCurvePlotBase(const ui::DialogTemplate& dialogTemplate, std::size_t firstRecord)
    : CPrettyDialog(dialogTemplate) {
  icon_ = ui::LoadIcon(curveplot::IDR_MAINFRAME);
  ParseCommandLine();
  std::optional<curveplot::CurveInput> read = curveplot::readLaunchedCurve(argCount + 1, argv, firstRecord);
  if (!read) {
    attachFailed_ = true;
    MessageBox("Cannot attach shared memory segment.", "ERROR", ui::MB_OK);
    return;
  }
  input = std::move(*read);
  work = input.segments;
  abscissa = curveplot::normaliseAbscissa(work, input.firstRecord);
}

std::string CCurvePlotBase::curveText() const {
  std::string text;
  for (std::size_t i = input.firstRecord; i < input.segments.size(); ++i) {
    const CurveSegment& s = input.segments[i];
    appendNumber(text, s.x0);
    text += '\t';
    appendNumber(text, s.y0);
    text += '\t';
    appendNumber(text, s.x1);
    text += '\t';
    appendNumber(text, s.y1);
    text += '\n';
  }
  return text;
}

bool CCurvePlotBase::OnInitDialog() {
  CPrettyDialog::OnInitDialog();
  SetIcon(icon_, true);
  SetIcon(icon_, false);
  if (attachFailed_) EndDialog(ui::IDCANCEL);
  return true;
}

void CCurvePlotBase::OnSize(int, int) { Invalidate(); }

void CCurvePlotBase::OnPaint(ui::Painter& painter) {
  if (attachFailed_) return;
  DrawPlot(painter, clientSize().cx, clientSize().cy);
}

void CCurvePlotBase::OnEditCopy() {
  if (attachFailed_) return;
  ui::services().setClipboard(
      {curveText(), clientSize(), [this](ui::Painter& painter) { OnPaint(painter); }});
}
