// The control panel as the main window embeds it (no Qt in this header).
//
//   shakeplay::ControlPanel panel = shakeplay::CreateControlPanel(doc, mainWindow, panelColour);
//   panel.widget->setGeometry(0, 584, 800, height);   // the control frame's place
//
// CreateControlPanel builds CControlView on dialog resource 130 for `doc`, shows it as a child
// form of `parent` (no caption, no frame, no window of its own) at the pixel places its
// template was drawn for, clear of the orientation box, and puts it at the bottom of
// its siblings' z-order, as the panel does when first shown. The widget starts at the
// template's size; the main window may give it any place and size, and the panel colour fills
// all of it. The widget belongs to `parent`; the view lives exactly as long as the widget, and
// `doc` must outlive both.
//
// The panel's window timer is the animation clock. Each tick calls doc.AdvanceFrame(), which
// renders the document's renderer (when set) at once, inside the tick, before the panel shows
// the new time: the main window makes its model view the renderer and nothing else is needed.
#pragma once

#include "platform/ui/Geometry.h"

class QWidget;

namespace shakeplay {

class CControlView;
class CShakeplayDoc;

struct ControlPanel {
  QWidget* widget = nullptr;     // owned by the parent
  CControlView* view = nullptr;  // owned by the widget (the application's m_pControlView)
};

// panelColour: the system menu colour that the application reads once.
ControlPanel CreateControlPanel(CShakeplayDoc& doc, QWidget* parent, ui::Rgb panelColour);

}  // namespace shakeplay
