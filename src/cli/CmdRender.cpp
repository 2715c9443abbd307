// render: the whole map of a mission as one picture.
#include "cli/CmdRender.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Platform.h"
#include "cli/CliCommon.h"
#include "config/Config.h"
#include "config/IniFile.h"
#include "config/Installation.h"
#include "graphics/IndexedImage.h"
#include "graphics/Library.h"
#include "graphics/PictureSets.h"
#include "hexmap/MapRenderer.h"
#include "mission/Mission.h"

namespace vh::cli {

namespace {

const char* const kUsage =
    "usage: vhmission render [--game-dir DIR] [--ini FILE] [--filter N] [--df-layer N] [--grid] [--std-dir "
    "DIR] [--text-dir NAME] MISSION OUT.bmp|OUT.png";

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
std::string GameDirFromIni(const TIniLocation& location, bool given) {
  std::error_code error;
  if (given && !std::filesystem::is_regular_file(PathOf(location.Path), error))
    throw UsageError{
        "the settings file " + PathText(location.Path) +
        (std::filesystem::exists(PathOf(location.Path), error) ? " is no file" : " does not exist")};
  const TIniFile ini = OpenSettings(location);
  const std::string dir = ini.ReadString("General", "VarnholtDir", "");
  if (dir.empty())
    throw UsageError{"no game directory: give --game-dir DIR or set VarnholtDir in section [General] of " +
                     PathText(ResolvePathCI(location.Path))};
  return dir;
}

void LoadGraphics(TPictureSets& sets, const std::string& gameDir, const std::string& dataDir) {
  TLibraryTable table = DefaultLibraryTable();
  try {
    OpenLibraries(gameDir, table);
    LoadGameGraphics(sets, table, dataDir);
  } catch (const EVhError& e) {
    CloseLibraries(table);
    throw EVhError(std::string("Can't find Varnholt 3 graphic files in directory: ") + gameDir + " (" +
                   e.what() + ")");
  }
  CloseLibraries(table);
}

// A filter that draws nothing, or not what was asked for, is most likely a
// slip: say so, as the picture alone would not.
void WarnAboutFilter(uint16_t filter, std::optional<uint8_t> layer) {
  const auto bit = [](int b) { return std::to_string(FilterBit(b)); };
  if (!FilterShows(filter, mfBaseMap) && !FilterShows(filter, mfDFLayer))
    PrintWarning("the filter shows neither the base map (" + bit(mfBaseMap) + ") nor the change layer (" +
                 bit(mfDFLayer) + "); the picture is empty");
  else if ((filter & (FilterOf({mfTerrain, mfObjects, mfUnits, mfShopMarks, mfContentMarks, mfAIMarks,
                                mfDFMarks}))) == 0)
    PrintWarning("the filter draws none of terrain (" + bit(mfTerrain) + "), objects (" + bit(mfObjects) +
                 "), units (" + bit(mfUnits) + ") or marks; the picture is empty");
  if (layer && !FilterShows(filter, mfDFLayer))
    PrintWarning("change layer " + std::to_string(*layer) + " is not drawn: the filter lacks bit " +
                 std::to_string(mfDFLayer) + " (" + bit(mfDFLayer) + ")");
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
    throw UsageError{"the picture's name must end in .bmp or .png: " + PathText(outFile)};

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
  const std::string gameDir = parsed.Option("--game-dir")
                                  ? *parsed.Option("--game-dir")
                                  : GameDirFromIni(locations.Ini, iniOverride.has_value());
  ApplyStdOptions(parsed, TStdUse::None);
  WarnAboutFilter(options.Filter, layer);

  WarningSink sink;
  ScopedAnomalySink scope(&sink);
  auto sets = std::make_unique<TPictureSets>();
  LoadGraphics(*sets, gameDir, locations.DataDir);
  auto mission = std::make_unique<TMission>();
  LoadMission(*mission, missionFile);
  if (layer)
    mission->SelectDFLayer(*layer);

  const TIndexedImage map = RenderMission(*sets, *mission, options);
  if (int missing = CountMissingPictures(*sets, *mission))
    std::fprintf(stderr,
                 "vhmission: warning: %d cells name pictures the game does not have; they show the "
                 "missing-picture cross\n",
                 missing);
  WriteImageFile(outFile, map, sets->GamePalette);
  std::printf("wrote %s (%d x %d pixels)\n", PathText(outFile).c_str(), map.Width, map.Height);
  return ExitOk;
}

}  // namespace

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
    return PrintError(MessageText(e.what()));
  }
}

int CmdRender(const std::vector<std::string>& args) {
  return RenderCommand(args, ProgramDir());
}

}  // namespace vh::cli
