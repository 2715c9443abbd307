#pragma once

#include <QStringList>
#include <string>

namespace vh {

// vhedit [--ini PATH] [MISSION ...]
struct TCommandLine {
  std::string IniFile;  // empty: vhedit.ini beside the program
  QStringList Missions;
  bool HelpShown = false;  // --help or a wrong option: the program ends
  int ExitCode = 0;
};
// `arguments` as QCoreApplication::arguments() gives them (program first).
// Help and errors are printed to the terminal.
TCommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace vh
