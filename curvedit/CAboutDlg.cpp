#include "curvedit/CAboutDlg.h"

#include "curvedit/CurveditResources.h"

CAboutDlg::CAboutDlg(ui::Dialog* parent) : CPrettyDialog(curvedit::aboutTemplate(), parent) {}
