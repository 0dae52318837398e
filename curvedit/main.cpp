#include <memory>

#include "curvedit/CCurveEditDlg.h"
#include "curvedit/CurveditResources.h"
#include "platform/ui/qt/QtApplication.h"

int main(int argc, char** argv) {
  curvedit::registerIcon();
  return ui::qt::runApplication(argc, argv, [] { return std::make_unique<CCurveEditDlg>(); });
}
