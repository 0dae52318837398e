#include "shakeplay/qt/ShakeplayApp.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/CommandLine.h"
#include "platform/ui/Services.h"
#include "platform/ui/qt/QtApplication.h"
#include "platform/ui/qt/QtIcon.h"
#include "platform/ui/qt/QtServices.h"
#include "shakeplay/app/AboutDialog.h"
#include "shakeplay/app/DocServices.h"
#include "shakeplay/app/Resources.h"
#include "shakeplay/core/CommandLine.h"
#include "shakeplay/core/ShakeplayDoc.h"
#include "shakeplay/qt/MainFrame.h"
#include "shakeplay/qt/OpenGLSupport.h"

int CShakeplayApp::InitInstance(int argc, char** argv) {
  // A .frd file's options go past Qt, and after the words it leaves.
  const int shown = shakeplay::wordsForWindowSystem(argc, argv);
  int qtArgc = shown;
  QApplication application(qtArgc, argv);
  std::vector<std::string> words = ui::qt::startPlatform();
  if (shown < argc) {
    words.insert(words.end(), argv + shown, argv + argc);
    platform::setCommandLine(words);
  }
  ui::setApplicationName("shakeplay");
  // Where no window can be seen, messages go to the standard error stream instead of boxes
  // nobody could answer.
  ui::qt::QtServices qtServices;
  std::optional<ui::ScopedServices> installed;
  if (shakeplay::platformShowsWindows()) installed.emplace(qtServices);
  shakeplay::registerApplicationIcon();
  QApplication::setWindowIcon(ui::qt::toIcon(ui::LoadIcon(shakeplay::IDR_MAINFRAME), nullptr));

  if (const std::string reason = shakeplay::openGLUnavailable(); !reason.empty()) {
    shakeplay::reportNoOpenGL(reason);
    return 1;
  }
  shakeplay::DocServices docServices;
  shakeplay::CShakeplayDoc doc(docServices);
  if (!doc.OnNewDocument()) return doc.exitCode();

  const QColor menu = QApplication::palette().color(QPalette::Window);
  shakeplay::CMainFrame frame(
      doc, ui::Rgb{static_cast<std::uint8_t>(menu.red()), static_cast<std::uint8_t>(menu.green()),
                   static_cast<std::uint8_t>(menu.blue())});
  frame.showAtStart();
  return QApplication::exec();
}
