#include "curveplot/CurvePlotResources.h"

#include "curveplot/CurvePlotIcon.h"

namespace curveplot {
namespace {
ui::DialogTemplate plotTemplate(const char* caption) {
  namespace style = ui::style;
  return {.id = IDD_CURVEPLOT,
          .caption = caption,
          .size = {286, 232},
          .style = style::Caption | style::SystemMenu | style::Resizable | style::AppWindow,
          .controls = {}};
}

}  // namespace

void registerIcon() { ui::RegisterIcon(IDR_MAINFRAME, curvePlotIcon()); }

const ui::DialogTemplate& linearPlotTemplate() {
  static const ui::DialogTemplate t = plotTemplate("curveplot");
  return t;
}

const ui::DialogTemplate& logPlotTemplate() {
  static const ui::DialogTemplate t = plotTemplate("curveplotb");
  return t;
}

}  // namespace curveplot
