// The point table on the clipboard: Ctrl+C copies it as text, Ctrl+V replaces the point list by
// a pasted table that obeys the rules of typed points, or changes nothing. In the number fields
// both keys keep their meaning for the field's own text (the dialog never sees them there).
#include "curvedit/CCurveEditDlg.h"
#include "curvedit/CurveditResources.h"
#include "curvedit/PointTable.h"
#include "platform/ui/Services.h"

using namespace curvedit;

void CCurveEditDlg::OnEditCopy() { ui::services().setClipboard({.text = pointTableText(points)}); }

void CCurveEditDlg::OnEditPaste() {
  PastedTable table = readPointTable(ui::services().clipboardText(), graph.x, graph.y);
  if (!table.error.empty()) {
    errorBox(table.error);
    return;
  }
  points = std::move(table.points);
  newPointPending = false;
  selectedPoint = 0;
  setSpinRange();
  SetPos(IDC_SPIN, 0);
  showSelectedPoint();
  setRefit(points.size() > 1);
  Invalidate();
}
