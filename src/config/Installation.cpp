#include "config/Installation.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Platform.h"
#include "config/Config.h"

namespace fs = std::filesystem;

namespace vh {

namespace {

std::string WithSlash(const fs::path& dir) {
  return WithTrailingSeparator(Utf8Of(dir.lexically_normal()));
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(PathOf(ResolvePathCI(path)), ec);
}

// "VarnholtDemo\" but neither "/games/vh" nor "C:\GAMES\".
bool IsRelativeDir(const std::string& dir) {
  if (dir.empty() || IsPathSep(dir[0]))
    return false;
  return !(dir.size() >= 2 && std::isalpha(static_cast<unsigned char>(dir[0])) && dir[1] == ':');
}

}  // namespace

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
  const fs::path installed = PathOf(beside) / InstalledDataDirFromProgram();
  if (fs::is_directory(installed, ec))
    return WithSlash(installed);
  return beside;
}

namespace {

std::string AppFolderIn(const std::string& base) {
  return base.empty() ? base : Utf8Of((PathOf(base) / AppDirName).lexically_normal());
}

}  // namespace

std::string UserConfigDir(const char* xdgConfigHome, const char* home) {
  return AppFolderIn(XdgConfigHome(xdgConfigHome, home));
}

std::string UserConfigDirFromEnvironment() {
  return AppFolderIn(UserConfigBase());
}

TIniLocation ChooseIniLocation(const TIniFacts& facts, const std::optional<std::string>& iniOverride) {
  if (iniOverride)
    return {*iniOverride, {}};
  const std::string beside = facts.ProgramDir + IniFileName;
  // Where the data lie beside the program, a vhedit.ini there may be the
  // shipped defaults of an unpacked archive: only a writable folder keeps
  // its settings, a read-only one seeds the user's file from it.
  const bool keepBeside =
      facts.DataDir == facts.ProgramDir ? facts.ProgramDirWritable : facts.IniBesideProgram;
  if (keepBeside || facts.UserConfigDir.empty())
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
  const bool own = location.Defaults.empty() || Exists(location.Path);
  const std::string source = own ? location.Path : ResolvePathCI(location.Defaults);
  TIniFile ini(source);
  // A relative game directory counts from the file that names it, so the
  // shipped defaults can name the demo game beside them wherever the
  // package or archive was unpacked.
  std::string gameDir = ini.ReadString("General", "VarnholtDir", "");
  if (IsRelativeDir(gameDir)) {
    if constexpr (!OnWindows)
      std::replace(gameDir.begin(), gameDir.end(), '\\', '/');
    ini.WriteString("General", "VarnholtDir", WithSlash(PathOf(source).parent_path() / PathOf(gameDir)));
  }
  // The shipped file stays as it is; a save goes to the user's file.
  ini.SetPath(location.Path);
  return ini;
}

bool CreateIniFromDefaults(const TIniLocation& location) {
  if (location.Defaults.empty() || Exists(location.Path) || !Exists(location.Defaults))
    return false;
  std::error_code ec;
  fs::create_directories(PathOf(location.Path).parent_path(), ec);
  OpenSettings(location).Save();
  return true;
}

}  // namespace vh
