#include "shakeplay/panel/qt/ControlPanel.h"

#include <QWidget>
#include <memory>

#include "platform/ui/qt/ChildForm.h"
#include "shakeplay/panel/CControlView.h"

namespace shakeplay {

ControlPanel CreateControlPanel(CShakeplayDoc& doc, QWidget* parent, ui::Rgb panelColour) {
  auto view = std::make_unique<CControlView>(doc, panelColour);
  CControlView* const panel = view.get();
  QWidget* const widget =
      ui::qt::embedChildForm(std::move(view), parent, ui::qt::FormUnits::OfTemplatePixels);
  widget->lower();
  return {widget, panel};
}

}  // namespace shakeplay
