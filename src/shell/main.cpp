#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "config/Installation.h"
#include "shell/MDIMainForm.h"
#include "shell/VhApplication.h"
#include "tools/Cp1252.h"

namespace {

struct TCommandLine {
  bool Version = false;
  std::optional<std::string> Ini;
  std::string Error;
};

// The editor's own options; Qt takes its own ones out of argv itself.
TCommandLine ParseCommandLine(int argc, char** argv) {
  TCommandLine line;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--version") {
      line.Version = true;
    } else if (a == "--ini") {
      if (i + 1 >= argc)
        line.Error = "--ini needs a file name";
      else
        line.Ini = argv[++i];
    } else if (a.rfind("--ini=", 0) == 0) {
      line.Ini = a.substr(6);
    }
  }
  if (line.Ini && line.Ini->empty())
    line.Error = "--ini needs a file name";
  return line;
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

} // namespace

int main(int argc, char** argv) {
  const TCommandLine line = ParseCommandLine(argc, argv);
  if (!line.Error.empty()) {
    std::fprintf(stderr, "vhedit: %s\n", line.Error.c_str());
    return 2;
  }
  if (line.Version) {
    std::printf("vhedit %s\n", vh::ProgramVersion());
    return 0;
  }
  vh::TVhApplication app(argc, argv);
  // The data lie beside the program (a build folder) or in the installed
  // share folder; vhedit.ini beside the program or in the user's folder.
  const std::string programDir =
      vh::PathFromQString(QDir::toNativeSeparators(QApplication::applicationDirPath()));
  const std::string userDir =
      vh::PathFromQString(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
  vh::TMDIMain frame(vh::FindLocations(programDir, userDir, line.Ini));
  // The missions named, read again now that Qt has taken out its own
  // options (-platform and the like, with their values).
  QStringList files;
  QStringList args = QCoreApplication::arguments();
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--ini"))
      ++i;
    else if (!args[i].startsWith(QLatin1Char('-')))
      files << QFileInfo(args[i]).absoluteFilePath();
  }
  frame.SetStartupFiles(files);
  const bool exitWhenReady = ExitWhenReadyRequested();
  if (exitWhenReady)
    ExitWhenReady(frame);
  frame.showMaximized();
  const int code = app.exec();
  return exitWhenReady && !frame.StartupOK() ? 1 : code;
}
