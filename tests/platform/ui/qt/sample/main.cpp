// korvena-sample-dialog: shows the sample dialog through the Qt application runner.
#include "SampleDialog.h"
#include "platform/ui/qt/QtApplication.h"

int main(int argc, char** argv) {
  return ui::qt::runApplication(argc, argv, [] { return std::make_unique<sample::SampleDialog>(); });
}
