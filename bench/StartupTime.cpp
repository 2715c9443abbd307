// Measures the editor's start-up: from the start of main() to the main
// window shown with the palette, on the installation beside the program.
// Not a test: run it by hand (QT_QPA_PLATFORM=offscreen works) and read the
// figure. The language follows LANG as the editor's does, so
// LANG=de_DE.UTF-8 measures the start with the German translation loaded.
#include <QDir>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "shell/MDIMainForm.h"
#include "shell/Translations.h"
#include "shell/VhApplication.h"
#include "views/QtText.h"

int main(int argc, char** argv) {
  auto start = std::chrono::steady_clock::now();
  vh::TVhApplication app(argc, argv);
  std::string programDir =
      argc > 1 ? argv[1] : vh::PathFromQString(QApplication::applicationDirPath() + "/../bin");
  vh::InstallTranslations(app, vh::WithTrailingSeparator(programDir), {});
  vh::TMDIMain frame(programDir);
  frame.show();
  QTimer poll;
  poll.setInterval(0);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (frame.PaletteWindow() && frame.PaletteWindow()->isVisible()) {
      QApplication::processEvents();
      auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
      std::printf("start-up to main window with palette: %.1f ms\n", ms);
      QApplication::exit(0);
    }
  });
  poll.start();
  return app.exec();
}
