#include <QDir>

#include "shell/MDIMainForm.h"
#include "shell/VhApplication.h"
#include "tools/Cp1252.h"

int main(int argc, char** argv) {
  vh::TVhApplication app(argc, argv);
  // vhedit.ini and the editor's data files lie beside the program.
  std::string programDir = vh::PathFromQString(QDir::toNativeSeparators(QApplication::applicationDirPath()));
  vh::TMDIMain frame(programDir);
  frame.showMaximized();
  return app.exec();
}
