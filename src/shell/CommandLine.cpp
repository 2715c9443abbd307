#include "shell/CommandLine.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

#include "views/QtText.h"

namespace vh {

TCommandLine ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Editor for the missions of Varnholt"));
  QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                          QStringLiteral("Show this help."));
  QCommandLineOption ini(QStringLiteral("ini"), QStringLiteral("Use this INI file instead of vhedit.ini."),
                         QStringLiteral("PATH"));
  // Answered before Qt starts; listed here for the help text.
  QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version."));
  parser.addOption(help);
  parser.addOption(version);
  parser.addOption(ini);
  parser.addPositionalArgument(QStringLiteral("MISSION"), QStringLiteral("Missions to open."),
                               QStringLiteral("[MISSION ...]"));
  TCommandLine result;
  if (!parser.parse(arguments)) {
    std::fprintf(stderr, "vhedit: %s\n%s", qPrintable(parser.errorText()), qPrintable(parser.helpText()));
    result.HelpShown = true;
    result.ExitCode = 2;
    return result;
  }
  if (parser.isSet(help)) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    result.HelpShown = true;
    return result;
  }
  if (parser.isSet(ini))
    result.IniFile = PathFromQString(QFileInfo(parser.value(ini)).absoluteFilePath());
  for (const QString& m : parser.positionalArguments())
    result.Missions.append(QFileInfo(m).absoluteFilePath());
  return result;
}

}  // namespace vh
