#include "platform/ui/qt/QtApplication.h"

#include <QApplication>
#include <QFileInfo>
#include <QStringList>
#include <clocale>
#include <string>
#include <vector>

#include "platform/CommandLine.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/ModalRun.h"
#include "platform/ui/qt/QtFonts.h"
#include "platform/ui/qt/QtServices.h"

namespace ui::qt {

std::vector<std::string> startPlatform() {
  // Qt takes the user's locale for everything, numbers included.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setStyle(QStringLiteral("Fusion"));
  QApplication::setFont(dialogFont("MS Sans Serif", 8));
  std::vector<std::string> words;
  for (const QString& word : QApplication::arguments()) words.push_back(word.toStdString());
  platform::setCommandLine(words);
  return words;
}

int runApplication(int argc, char** argv, const std::function<std::unique_ptr<Dialog>()>& makeMainDialog) {
  QApplication application(argc, argv);
  const std::vector<std::string> words = startPlatform();
  if (!words.empty())
    setApplicationName(QFileInfo(QString::fromStdString(words[0])).baseName().toStdString());
  QtServices qtServices;
  ScopedServices installed(qtServices);
  return runMainDialog(makeMainDialog);
}

}  // namespace ui::qt
