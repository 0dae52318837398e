#include <memory>

#include "loadentry/CLoadBcInputDlg.h"
#include "loadentry/LoadEntryResources.h"
#include "platform/ui/qt/QtApplication.h"

int main(int argc, char** argv) {
  loadentry::registerIcon();
  return ui::qt::runApplication(argc, argv, [] { return std::make_unique<CLoadBcInputDlg>(); });
}
