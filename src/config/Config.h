#pragma once

#include <string>

#include "config/Installation.h"
#include "mission/History.h"
#include "mission/Mission.h"

namespace vh {

inline constexpr char IniFileName[] = "vhedit.ini";
inline constexpr char DefaultRqsPath[] = "C:\\HALDMARK\\RQS\\";

// Where the platform keeps its Windows directory. Off Windows that is the
// Windows directory of the Wine prefix, when there is one; paths read from
// its INI files ("C:\...") are then mapped into the prefix.
struct TPlatformDirs {
  std::string WindowsDir;  // empty: none
  std::string WinePrefix;  // empty: not under Wine
};
TPlatformDirs CurrentPlatformDirs();

// The editor's settings, read at start-up and written at exit.
struct TConfig {
  std::string ProgramDir;  // ends in a separator
  std::string DataDir;     // TOOLS.DAT, the selection and standard data files; ends in a separator
  TIniLocation Ini;
  std::string GameDir;  // ends in a separator unless empty
  std::string TxtFilesDir = "GER";
  bool ToolBar = true;
  bool StatusBar = true;
  // Steps each mission window's history keeps; 0 keeps all. Only read: the
  // key is there for those who need another figure.
  size_t UndoLimit = DefaultUndoLimit;
  TPlayers StdPlayers;
  // Unsaved missions are copied into the recovery folder this often; 0: never.
  int AutosaveSeconds = 120;
  std::string RecoveryDir;  // empty: the platform's folder for the user's data
  // The editor's language as a language code ("en", "de"); empty follows
  // the system. Read at start-up only: a change shows at the next start.
  std::string Language;

  const std::string& IniPath() const { return Ini.Path; }
};

// `dir` with a separator appended unless it is empty or ends in one.
std::string WithTrailingSeparator(const std::string& dir);

TConfig ReadConfig(const TLocations& locations, const TPlatformDirs& platform);
// Everything beside the program.
TConfig ReadConfig(const std::string& programDir, const TPlatformDirs& platform);
// Writes the "General" keys the editor changes back, keeping every other
// line of the file (creating its folder when needed).
void WriteConfig(const TConfig& config);

// The game directory the third title's "rqs.ini" names, with a trailing separator.
std::string FindGameDir(const TPlatformDirs& platform);

}  // namespace vh
