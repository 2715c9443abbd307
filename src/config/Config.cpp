#include "config/Config.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "config/IniFile.h"

namespace fs = std::filesystem;

namespace vh {

namespace {

constexpr char kNativeSep = static_cast<char>(fs::path::preferred_separator);

// "C:\GAMES\RQS\" read inside a Wine prefix names <prefix>/drive_c/GAMES/RQS/.
std::string MapIntoPrefix(const std::string& path, const std::string& prefix) {
  if (prefix.empty() || path.size() < 3 || !std::isalpha(static_cast<unsigned char>(path[0])) ||
      path[1] != ':' || !IsPathSep(path[2]))
    return path;
  char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(path[0])));
  std::string base = WithTrailingSeparator(prefix) + "dosdevices/" + drive + ":";
  std::error_code ec;
  if (!fs::exists(PathOf(base), ec) && drive == 'c')
    base = WithTrailingSeparator(prefix) + "drive_c";
  std::string rest = path.substr(3);
  std::replace(rest.begin(), rest.end(), '\\', '/');
  return ResolvePathCI(base + "/" + rest);
}

}  // namespace

std::string WithTrailingSeparator(const std::string& dir) {
  if (dir.empty() || IsPathSep(dir.back()))
    return dir;
  // Keep a path written with one kind of separator in its style.
  const bool slashes = dir.find('/') != std::string::npos, backslashes = dir.find('\\') != std::string::npos;
  if (slashes != backslashes)
    return dir + (slashes ? '/' : '\\');
  return dir + kNativeSep;
}

TPlatformDirs CurrentPlatformDirs() {
  TPlatformDirs dirs;
  dirs.WindowsDir = WindowsDirectory();
  if (!dirs.WindowsDir.empty())
    return dirs;
  std::string prefix = EnvironmentValue("WINEPREFIX").value_or("");
  if (prefix.empty())
    if (std::string home = EnvironmentValue("HOME").value_or(""); !home.empty())
      prefix = home + "/.wine";
  std::error_code ec;
  if (!prefix.empty() && fs::is_directory(PathOf(prefix), ec)) {
    dirs.WinePrefix = prefix;
    dirs.WindowsDir = ResolvePathCI(prefix + "/drive_c/windows");
  }
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
  c.AutosaveSeconds =
      static_cast<int>(std::clamp(ini.ReadInteger("General", "AutosaveSeconds", 120), 0L, 86400L));
  c.RecoveryDir = ini.ReadString("General", "RecoveryDir", "");
  c.Language = ini.ReadString("General", "Language", "");
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
  if (const fs::path folder = PathOf(c.IniPath()).parent_path(); !folder.empty())
    fs::create_directories(folder, ec);  // a failure shows when the file is saved
  TIniFile ini(c.IniPath());
  ini.WriteString("General", "VarnholtDir", WithTrailingSeparator(c.GameDir));
  ini.WriteString("General", "TxtFilesDir", c.TxtFilesDir);
  ini.WriteBool("General", "ToolBar", c.ToolBar);
  ini.WriteBool("General", "StatusBar", c.StatusBar);
  // Only a changed interval is written: the default may still change.
  if (c.AutosaveSeconds != 120 || !ini.ReadString("General", "AutosaveSeconds", "").empty())
    ini.WriteString("General", "AutosaveSeconds", std::to_string(c.AutosaveSeconds));
  // Following the system is the default and stays unwritten likewise.
  if (!c.Language.empty() || !ini.ReadString("General", "Language", "").empty())
    ini.WriteString("General", "Language", c.Language);
  ini.Save();
}

}  // namespace vh
