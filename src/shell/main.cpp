#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "config/Installation.h"
#include "shell/CommandLine.h"
#include "shell/MDIMainForm.h"
#include "shell/Translations.h"
#include "shell/VhApplication.h"
#include "views/QtText.h"

namespace {

bool HasArgument(int argc, char** argv, std::initializer_list<const char*> names) {
  for (int i = 1; i < argc; ++i)
    for (const char* name : names)
      if (std::string(argv[i]) == name)
        return true;
  return false;
}

// For the installation test: with VHEDIT_EXIT_WHEN_READY set, the editor
// quits as soon as its start-up is through (exit code 1 when it failed)
// and tells on stderr what it would have asked in a dialog.
bool ExitWhenReadyRequested() {
  return qEnvironmentVariableIsSet("VHEDIT_EXIT_WHEN_READY");
}

void ExitWhenReady(vh::TMDIMain& frame) {
  auto say = [](const QString& text) { std::fprintf(stderr, "vhedit: %s\n", qPrintable(text)); };
  frame.SetGraphicsCheckUi(
      {[say](const QString& message, const QString& detail) { say(message + " " + detail); },
       [](vh::TConfig&) { return false; }, say});
  // Queued after the frame's own start-up step.
  QTimer::singleShot(0, &frame, [&frame] {
    if (!frame.StartupOK())
      return;
    std::printf("vhedit: ready, settings in %s\n", frame.Config().IniPath().c_str());
    frame.close();
  });
}

}  // namespace

int main(int argc, char** argv) {
  // Neither needs a display, so both are answered before a window system is
  // asked for: a terminal without one must get them too.
  if (HasArgument(argc, argv, {"--version"})) {
    std::printf("vhedit %s\n", vh::ProgramVersion());
    return 0;
  }
  if (HasArgument(argc, argv, {"--help", "-h"})) {
    QCoreApplication core(argc, argv);
    return vh::ParseCommandLine(QCoreApplication::arguments()).ExitCode;
  }
  vh::TVhApplication app(argc, argv);
  // Qt has taken its own options (-platform and the like) out by now.
  const vh::TCommandLine commandLine = vh::ParseCommandLine(QApplication::arguments());
  if (commandLine.HelpShown)
    return commandLine.ExitCode;
  // The data lie beside the program (a build folder) or in the installed
  // share folder; vhedit.ini beside the program or in the user's folder.
  const std::string programDir =
      vh::PathFromQString(QDir::toNativeSeparators(QApplication::applicationDirPath()));
  // The folder vhmission finds too: on Windows %APPDATA%, where Qt's own
  // choice would be the local, not the roaming application data.
  const std::string userDir = vh::UserConfigDirFromEnvironment();
  std::optional<std::string> ini;
  if (!commandLine.IniFile.empty())
    ini = commandLine.IniFile;
  const vh::TLocations locations = vh::FindLocations(programDir, userDir, ini);
  vh::InstallTranslations(app, locations.DataDir, vh::ConfiguredLanguage(locations.Ini));
  vh::TMDIMain frame(locations);
  frame.SetStartupFiles(commandLine.Missions);
  const bool exitWhenReady = ExitWhenReadyRequested();
  if (exitWhenReady)
    ExitWhenReady(frame);
  frame.ShowWithLayout();
  const int code = app.exec();
  return exitWhenReady && !frame.StartupOK() ? 1 : code;
}
