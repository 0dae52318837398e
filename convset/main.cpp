#include <memory>

#include "convset/CConvergenceDlg.h"
#include "convset/ConvSetResources.h"
#include "platform/ui/qt/QtApplication.h"

int main(int argc, char** argv) {
  convset::registerIcon();
  return ui::qt::runApplication(argc, argv, [] { return std::make_unique<CConvergenceDlg>(); });
}
