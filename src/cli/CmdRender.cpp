// render: the whole map of a mission as one picture.
#include "cli/CmdRender.h"

#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>

#include "cli/CliCommon.h"
#include "graphics/IndexedImage.h"
#include "graphics/Library.h"
#include "graphics/PictureSets.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "mission/Mission.h"
#include "config/Config.h"
#include "config/IniFile.h"
#include "config/Installation.h"
#include "hexmap/MapRenderer.h"

namespace vh::cli {

namespace {

const char* const kUsage =
    "usage: vhmission render [--game-dir DIR] [--ini FILE] [--filter N] [--df-layer N] [--grid] "
    "[--std-dir DIR] [--text-dir NAME] MISSION OUT.bmp|OUT.png";

std::string Lower(std::string s) {
  for (char& c : s)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Decimal, or hexadecimal after "0x", within [0, max].
long ParseNumber(const std::string& option, const std::string& text, long max) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = hex ? text.substr(2) : text;
  long value = 0;
  bool ok = !digits.empty() && digits.size() <= 8;
  for (char c : digits) {
    const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                  : hex && std::isxdigit(static_cast<unsigned char>(c))
                      ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                      : -1;
    ok = ok && d >= 0;
    value = value * (hex ? 16 : 10) + d;
  }
  if (!ok || value > max)
    throw UsageError{option + " needs a number from 0 to " + std::to_string(max) + ", not '" + text + "'"};
  return value;
}

// The editor's settings as the editor would find them, but read only: an
// installed copy that has not run yet reads the shipped defaults.
std::string GameDirFromIni(const TIniLocation& location) {
  const TIniFile ini = OpenSettings(location);
  const std::string dir = ini.ReadString("General", "VarnholtDir", "");
  if (dir.empty())
    throw UsageError{"no game directory: give --game-dir DIR or set VarnholtDir in section [General] of " +
                     ResolvePathCI(location.Path)};
  return dir;
}

void LoadGraphics(TPictureSets& sets, const std::string& gameDir, const std::string& dataDir) {
  TLibraryTable table = DefaultLibraryTable();
  try {
    OpenLibraries(gameDir, table);
    LoadGameGraphics(sets, table, dataDir);
  } catch (const EVhError& e) {
    CloseLibraries(table);
    throw EVhError(std::string("Can't find Varnholt 3 graphic files in directory: ") + gameDir + " (" + e.what() +
                   ")");
  }
  CloseLibraries(table);
}

int Run(const std::vector<std::string>& args, const std::string& programDir) {
  const ParsedArgs parsed = ParseArgs(
      args, {"--game-dir", "--ini", "--filter", "--df-layer", "--std-dir", "--text-dir"}, {"--grid"});
  if (parsed.positional.size() != 2)
    throw UsageError{kUsage};
  const std::string& missionFile = parsed.positional[0];
  const std::string& outFile = parsed.positional[1];
  const size_t dot = outFile.find_last_of('.');
  const std::string ext = dot == std::string::npos ? "" : Lower(outFile.substr(dot));
  if (ext != ".bmp" && ext != ".png")
    throw UsageError{"the picture's name must end in .bmp or .png: " + outFile};

  TMapDrawOptions options;
  if (auto f = parsed.Option("--filter"))
    options.Filter = static_cast<uint16_t>(ParseNumber("--filter", *f, (1 << MissFilterBitCount) - 1));
  options.ShowGrid = parsed.Flag("--grid");
  std::optional<uint8_t> layer;
  if (auto l = parsed.Option("--df-layer"))
    layer = static_cast<uint8_t>(ParseNumber("--df-layer", *l, DFLayerCount - 1));
  const std::optional<std::string> iniOverride = parsed.Option("--ini");
  if (iniOverride && iniOverride->empty())
    throw UsageError{"--ini needs a file name"};
  const TLocations locations = FindLocations(programDir, UserConfigDirFromEnvironment(), iniOverride);
  const std::string gameDir =
      parsed.Option("--game-dir") ? *parsed.Option("--game-dir") : GameDirFromIni(locations.Ini);
  ApplyStdOptions(parsed, false);

  WarningSink sink;
  ScopedAnomalySink scope(&sink);
  auto sets = std::make_unique<TPictureSets>();
  LoadGraphics(*sets, gameDir, locations.DataDir);
  auto mission = std::make_unique<TMission>();
  mission->LoadFromFile(missionFile);
  if (layer) {
    mission->SelectDFLayer(*layer);
    if (!(options.Filter & FilterBit(mfDFLayer)))
      std::fprintf(stderr, "vhmission: warning: change layer %d is not drawn: the filter lacks bit %d (%d)\n",
                   *layer, mfDFLayer, FilterBit(mfDFLayer));
  }

  const TIndexedImage map = RenderMission(*sets, *mission, options);
  if (int missing = CountMissingPictures(*sets, *mission))
    std::fprintf(stderr, "vhmission: warning: %d cells name pictures the game does not have; they show the "
                 "missing-picture cross\n", missing);
  WriteImageFile(outFile, map, sets->GamePalette);
  std::printf("wrote %s (%d x %d pixels)\n", outFile.c_str(), map.Width, map.Height);
  return ExitOk;
}

} // namespace

int RenderCommand(const std::vector<std::string>& args, const std::string& programDir) {
  std::string dir = programDir;
  if (!dir.empty() && !IsPathSep(dir.back()))
    dir += '/';
  try {
    return Run(args, dir);
  } catch (const UsageError& e) {
    std::fprintf(stderr, "vhmission render: %s\nTry 'vhmission --help'.\n", e.message.c_str());
    return ExitUsage;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vhmission: error: %s\n", Cp1252ToUtf8(e.what()).c_str());
    return ExitFailed;
  }
}

int CmdRender(const std::vector<std::string>& args) { return RenderCommand(args, ProgramDir()); }

} // namespace vh::cli
