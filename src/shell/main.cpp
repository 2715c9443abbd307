#include <QDir>

#include "shell/CommandLine.h"
#include "shell/MDIMainForm.h"
#include "shell/VhApplication.h"
#include "tools/Cp1252.h"

int main(int argc, char** argv) {
  vh::TVhApplication app(argc, argv);
  vh::TCommandLine commandLine = vh::ParseCommandLine(QApplication::arguments());
  if (commandLine.HelpShown)
    return commandLine.ExitCode;
  // vhedit.ini and the editor's data files lie beside the program.
  std::string programDir = vh::PathFromQString(QDir::toNativeSeparators(QApplication::applicationDirPath()));
  vh::TMDIMain frame(programDir, vh::CurrentPlatformDirs(), commandLine.IniFile);
  frame.SetStartupFiles(commandLine.Missions);
  frame.ShowWithLayout();
  return app.exec();
}
