// vhedit.ini is read at every start of the editor; whatever it holds, the
// start goes on: every key the editor reads comes back within its limits,
// and a key written reads back as written.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "config/Config.h"
#include "config/IniFile.h"
#include "generator/GeneratorSettings.h"

namespace {

const std::string& Dir() {
  static const std::string dir = [] {
    const std::filesystem::path p =
        std::filesystem::temp_directory_path() / ("fuzz-ini-" + std::to_string(getpid()));
    std::filesystem::create_directories(p);
    return p.string() + "/";
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = Dir() + "vhedit.ini";
  vh::WriteWholeFile(path, vh::ByteStream(data, data + size));
  vh::TLocations where;
  where.ProgramDir = where.DataDir = Dir();
  where.Ini.Path = path;
  const vh::TConfig config = vh::ReadConfig(where, vh::TPlatformDirs{});
  if (config.AutosaveSeconds < 0 || config.AutosaveSeconds > 86400)
    __builtin_trap();
  for (const vh::TPlayerInfo& p : config.StdPlayers)
    if (p.Name.size() > 16)
      __builtin_trap();

  vh::TIniFile ini(path);
  const auto settings =
      vh::ParseGeneratorSettings([&ini](const std::string& key) -> std::optional<std::string> {
        const std::string missing = "\x01missing";
        std::string v = ini.ReadString(vh::GeneratorSettingsSection, key, missing);
        return v == missing ? std::nullopt : std::optional<std::string>(v);
      });
  if (settings && (settings->Roughness < 0 || settings->TerrainType > 3))
    __builtin_trap();
  for (const std::string& section : {"General", "Layout", "RecentFiles"})
    for (const std::string& key : {"Zoom", "File1", "Maximized", "Geometry"})
      (void)ini.ReadInteger(section, key, 0);

  // A key written into whatever the file holds reads back as written, and
  // the file's other keys keep their values.
  const std::string before = ini.ReadString("General", "TxtFilesDir", "");
  ini.WriteString("General", "AutosaveSeconds", "77");
  try {
    ini.Save();
  } catch (const vh::EVhError&) {
    return 0;
  }
  const vh::TIniFile again(path);
  if (again.ReadInteger("General", "AutosaveSeconds", 0) != 77 ||
      again.ReadString("General", "TxtFilesDir", "") != before)
    __builtin_trap();
  return 0;
}
