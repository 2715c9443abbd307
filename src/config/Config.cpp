#include "config/Config.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "base/FileUtil.h"
#include "config/IniFile.h"

namespace fs = std::filesystem;

namespace vh {

namespace {

constexpr char kNativeSep = static_cast<char>(fs::path::preferred_separator);

// "C:\GAMES\RQS\" read inside a Wine prefix names <prefix>/drive_c/GAMES/RQS/.
std::string MapIntoPrefix(const std::string& path, const std::string& prefix) {
  if (prefix.empty() || path.size() < 3 || !std::isalpha(static_cast<unsigned char>(path[0])) || path[1] != ':' ||
      !IsPathSep(path[2]))
    return path;
  char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(path[0])));
  std::string base = WithTrailingSeparator(prefix) + "dosdevices/" + drive + ":";
  std::error_code ec;
  if (!fs::exists(base, ec) && drive == 'c')
    base = WithTrailingSeparator(prefix) + "drive_c";
  std::string rest = path.substr(3);
  std::replace(rest.begin(), rest.end(), '\\', '/');
  return ResolvePathCI(base + "/" + rest);
}

} // namespace

std::string WithTrailingSeparator(const std::string& dir) {
  if (dir.empty() || IsPathSep(dir.back()))
    return dir;
  // Keep a path written with backslashes in one style.
  bool backslashes = dir.find('\\') != std::string::npos && dir.find('/') == std::string::npos;
  return dir + (backslashes ? '\\' : kNativeSep);
}

TPlatformDirs CurrentPlatformDirs() {
  TPlatformDirs dirs;
#ifndef _WIN32
  std::string prefix;
  if (const char* env = std::getenv("WINEPREFIX"); env && *env)
    prefix = env;
  else if (const char* home = std::getenv("HOME"); home && *home)
    prefix = std::string(home) + "/.wine";
  std::error_code ec;
  if (!prefix.empty() && fs::is_directory(prefix, ec)) {
    dirs.WinePrefix = prefix;
    dirs.WindowsDir = ResolvePathCI(prefix + "/drive_c/windows");
  }
#else
  if (const char* windir = std::getenv("WINDIR"))
    dirs.WindowsDir = windir;
#endif
  return dirs;
}

std::string FindGameDir(const TPlatformDirs& platform) {
  std::string path = DefaultRqsPath;
  if (!platform.WindowsDir.empty()) {
    TIniFile rqs(WithTrailingSeparator(platform.WindowsDir) + "rqs.ini");
    path = rqs.ReadString("FILES", "RQSPATH", DefaultRqsPath);
  }
  return WithTrailingSeparator(MapIntoPrefix(path, platform.WinePrefix));
}

TConfig ReadConfig(const std::string& programDir, const TPlatformDirs& platform) {
  return ReadConfig(LocationsBeside(programDir), platform);
}

TConfig ReadConfig(const TLocations& locations, const TPlatformDirs& platform) {
  TConfig c;
  c.ProgramDir = WithTrailingSeparator(locations.ProgramDir);
  c.DataDir = WithTrailingSeparator(locations.DataDir);
  c.Ini = locations.Ini;
  const TIniFile ini = OpenSettings(c.Ini);
  c.GameDir = WithTrailingSeparator(ini.ReadString("General", "VarnholtDir", ""));
  if (c.GameDir.empty())
    c.GameDir = FindGameDir(platform);
  c.TxtFilesDir = ini.ReadString("General", "TxtFilesDir", "GER");
  c.ToolBar = ini.ReadBool("General", "ToolBar", true);
  c.StatusBar = ini.ReadBool("General", "StatusBar", true);
  c.AutosaveSeconds = static_cast<int>(std::clamp(ini.ReadInteger("General", "AutosaveSeconds", 120), 0L, 86400L));
  c.RecoveryDir = ini.ReadString("General", "RecoveryDir", "");
  // A negative figure is a slip, not a wish for no history.
  const long undoLimit = ini.ReadInteger("General", "UndoLimit", static_cast<long>(DefaultUndoLimit));
  c.UndoLimit = undoLimit < 0 ? DefaultUndoLimit : static_cast<size_t>(undoLimit);
  for (int i = 0; i < SideCount; ++i) {
    std::string n = std::to_string(i);
    TPlayerInfo& p = c.StdPlayers[i];
    p.Name = ini.ReadString("VH2Players", "PlayerName" + n, "").substr(0, 16);
    // The colour is one byte; a value beyond it is clamped rather than
    // stopping the editor at start-up.
    p.Color = static_cast<uint8_t>(std::clamp(ini.ReadInteger("VH2Players", "PlayerColor" + n, 0), 0L, 255L));
  }
  return c;
}

void WriteConfig(const TConfig& c) {
  std::error_code ec;
  if (const fs::path folder = fs::path(c.IniPath()).parent_path(); !folder.empty())
    fs::create_directories(folder, ec);  // a failure shows when the file is saved
  TIniFile ini(c.IniPath());
  ini.WriteString("General", "VarnholtDir", WithTrailingSeparator(c.GameDir));
  ini.WriteString("General", "TxtFilesDir", c.TxtFilesDir);
  ini.WriteBool("General", "ToolBar", c.ToolBar);
  ini.WriteBool("General", "StatusBar", c.StatusBar);
  // Only a changed interval is written: the default may still change.
  if (c.AutosaveSeconds != 120 || !ini.ReadString("General", "AutosaveSeconds", "").empty())
    ini.WriteString("General", "AutosaveSeconds", std::to_string(c.AutosaveSeconds));
  ini.Save();
}

} // namespace vh
