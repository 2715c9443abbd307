#include "config/Installation.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#ifndef _WIN32
#include <unistd.h>
#endif

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "config/Config.h"

namespace fs = std::filesystem;

namespace vh {

namespace {

std::string WithSlash(const fs::path& dir) {
  return WithTrailingSeparator(dir.lexically_normal().string());
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(ResolvePathCI(path), ec);
}

bool IsWritableDir(const std::string& dir) {
#ifndef _WIN32
  return ::access(dir.c_str(), W_OK) == 0;
#else
  std::error_code ec;
  return fs::is_directory(dir, ec);
#endif
}

// "VarnholtDemo\" but neither "/games/vh" nor "C:\GAMES\".
bool IsRelativeDir(const std::string& dir) {
  if (dir.empty() || IsPathSep(dir[0]))
    return false;
  return !(dir.size() >= 2 && std::isalpha(static_cast<unsigned char>(dir[0])) && dir[1] == ':');
}

} // namespace

const char* ProgramVersion() {
  return VH_VERSION;
}

const char* InstalledDataDirFromProgram() {
  return VH_DATA_FROM_PROGRAM;
}

std::string FindDataDir(const std::string& programDir) {
  const std::string beside = WithTrailingSeparator(programDir);
  if (Exists(beside + DataMarkerFile))
    return beside;
  std::error_code ec;
  const fs::path installed = fs::path(beside) / InstalledDataDirFromProgram();
  if (fs::is_directory(installed, ec))
    return WithSlash(installed);
  return beside;
}

std::string UserConfigDir(const char* xdgConfigHome, const char* home) {
  fs::path base;
  if (xdgConfigHome && *xdgConfigHome && fs::path(xdgConfigHome).is_absolute())
    base = xdgConfigHome;
  else if (home && *home)
    base = fs::path(home) / ".config";
  else
    return {};
  return (base / AppDirName).lexically_normal().string();
}

std::string UserConfigDirFromEnvironment() {
  return UserConfigDir(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

TIniLocation ChooseIniLocation(const TIniFacts& facts, const std::optional<std::string>& iniOverride) {
  if (iniOverride)
    return {*iniOverride, {}};
  const std::string beside = facts.ProgramDir + IniFileName;
  if (facts.IniBesideProgram)
    return {beside, {}};
  if ((facts.DataDir == facts.ProgramDir && facts.ProgramDirWritable) || facts.UserConfigDir.empty())
    return {beside, {}};
  return {WithTrailingSeparator(facts.UserConfigDir) + IniFileName, facts.DataDir + IniFileName};
}

TLocations LocationsBeside(const std::string& programDir) {
  const std::string dir = WithTrailingSeparator(programDir);
  return {dir, dir, {dir + IniFileName, {}}};
}

TLocations FindLocations(const std::string& programDir, const std::string& userConfigDir,
                         const std::optional<std::string>& iniOverride) {
  TIniFacts facts;
  facts.ProgramDir = WithTrailingSeparator(programDir);
  facts.DataDir = FindDataDir(programDir);
  facts.UserConfigDir = userConfigDir;
  facts.IniBesideProgram = Exists(facts.ProgramDir + IniFileName);
  facts.ProgramDirWritable = IsWritableDir(facts.ProgramDir);
  return {facts.ProgramDir, facts.DataDir, ChooseIniLocation(facts, iniOverride)};
}

TIniFile OpenSettings(const TIniLocation& location) {
  if (location.Defaults.empty() || Exists(location.Path))
    return TIniFile(location.Path);
  const std::string defaults = ResolvePathCI(location.Defaults);
  TIniFile ini(defaults);
  std::string gameDir = ini.ReadString("General", "VarnholtDir", "");
  if (IsRelativeDir(gameDir)) {
#ifndef _WIN32
    std::replace(gameDir.begin(), gameDir.end(), '\\', '/');
#endif
    ini.WriteString("General", "VarnholtDir", WithSlash(fs::path(defaults).parent_path() / gameDir));
  }
  // The shipped file stays as it is; a save goes to the user's file.
  ini.SetPath(location.Path);
  return ini;
}

bool CreateIniFromDefaults(const TIniLocation& location) {
  if (location.Defaults.empty() || Exists(location.Path) || !Exists(location.Defaults))
    return false;
  std::error_code ec;
  fs::create_directories(fs::path(location.Path).parent_path(), ec);
  OpenSettings(location).Save();
  return true;
}

} // namespace vh
