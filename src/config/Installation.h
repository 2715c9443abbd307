#pragma once

#include <optional>
#include <string>

#include "config/IniFile.h"

namespace vh {

// Reverse-DNS name of the application: desktop entry, icon and metadata.
inline constexpr char AppId[] = "org.varnholt.Editor";
// Folder name of the per-user settings and of the installed data.
inline constexpr char AppDirName[] = "varnholt-editor";
// The file the editor's data folder is recognised by.
inline constexpr char DataMarkerFile[] = "TOOLS.DAT";

// The version the build was made as.
const char* ProgramVersion();

// Where the installed data lies as seen from the program's folder
// ("../share/varnholt-editor" for the usual prefix layout).
const char* InstalledDataDirFromProgram();

// The folder of the editor's data files (TOOLS.DAT, the selection files,
// the standard mission data, the demo game and the default settings): the
// program's own folder when TOOLS.DAT lies there (a build folder, an
// unpacked copy, the layout users of the old program know), else the
// installed data folder beside bin/ when it exists, else the program's
// folder again, so the missing files are reported where users expect them.
// Ends in a separator.
std::string FindDataDir(const std::string& programDir);

// The per-user configuration folder as the XDG rule gives it (what Qt calls
// the application's config location): $XDG_CONFIG_HOME when it is an
// absolute path, else $HOME/.config, followed by AppDirName. Empty when
// neither is set. No separator at the end.
std::string UserConfigDir(const char* xdgConfigHome, const char* home);
// The same for the running system: the XDG folder on Linux,
// %APPDATA%\varnholt-editor on Windows.
std::string UserConfigDirFromEnvironment();

// Which vhedit.ini the programs use. `Defaults` names the shipped default
// settings that `Path` is created from when it does not exist yet; empty
// when there is nothing to create it from.
struct TIniLocation {
  std::string Path;
  std::string Defaults;
};

// What the file system says about the places an INI file could live.
struct TIniFacts {
  std::string ProgramDir;     // ends in a separator
  std::string DataDir;        // ends in a separator
  std::string UserConfigDir;  // empty: none
  bool IniBesideProgram = false;
  bool ProgramDirWritable = false;
};

// The rule, without touching the disk: an INI given on the command line
// wins; then vhedit.ini beside the program when it exists there; then a new
// one beside the program when the data lies there too and the folder is
// writable (an installed program never writes into bin/, not even as root);
// otherwise the per-user folder, created from the data folder's defaults.
TIniLocation ChooseIniLocation(const TIniFacts& facts, const std::optional<std::string>& iniOverride);

// Where a program started from `programDir` finds its data and settings.
struct TLocations {
  std::string ProgramDir;  // ends in a separator
  std::string DataDir;     // ends in a separator
  TIniLocation Ini;
};

// Everything beside the program, with no defaults to copy: the layout of a
// build folder.
TLocations LocationsBeside(const std::string& programDir);
// Looks at the disk and applies the rules above.
TLocations FindLocations(const std::string& programDir, const std::string& userConfigDir,
                         const std::optional<std::string>& iniOverride);

// The settings as a program reads them: `location.Path` when it exists,
// else the shipped defaults with a relative "VarnholtDir" made absolute
// against the defaults' folder (so the defaults can name the demo game that
// lies beside them wherever the package was unpacked), else an empty file.
// Saving it always writes `location.Path`.
TIniFile OpenSettings(const TIniLocation& location);

// Creates `location.Path` (and its folder) from OpenSettings when the file
// does not exist yet. Returns whether it wrote; raises EInOutError naming the
// file when it cannot.
bool CreateIniFromDefaults(const TIniLocation& location);

}  // namespace vh
