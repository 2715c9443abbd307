// dump, load and roundtrip: the commands over the mission core.
#include <cstdio>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/MissionJson.h"
#include "mission/Mission.h"

namespace vh::cli {

namespace {

// Loads the one mission every command starts from.
struct LoadedMission {
  WarningSink sink;
  ScopedAnomalySink scope{&sink};
  // Held on the heap: two 64 x 64 grids are no stack load on every system.
  std::unique_ptr<TMission> mission = std::make_unique<TMission>();
};

ParsedArgs MissionArgs(const std::vector<std::string>& args, size_t positional, const char* usage,
                       TStdUse use) {
  ParsedArgs parsed = ParseArgs(args, {"--std-dir", "--text-dir"}, {});
  if (parsed.positional.size() != positional)
    throw UsageError{std::string("usage: ") + usage};
  ApplyStdOptions(parsed, use);
  return parsed;
}

int Fail(const EVhError& e) {
  return PrintError(MessageText(e.what()));
}

// "wrote OUT and its shop names NAMES"
void SayWritten(const TMission& m) {
  std::printf("wrote %s and its shop names %s\n", PathText(m.FileName).c_str(),
              PathText(m.NamesFileName).c_str());
}

std::string ReadInput(const std::string& path) {
  if (path == "-")
    return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  const ByteStream bytes = ReadWholeFile(path);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

int CmdDump(const std::vector<std::string>& args) {
  ParsedArgs parsed = MissionArgs(args, 1, "vhmission dump [--text-dir NAME] MISSION", TStdUse::None);
  LoadedMission lm;
  try {
    LoadMission(*lm.mission, parsed.positional[0]);
  } catch (const EVhError& e) {
    return Fail(e);
  }
  std::string json = MissionToJson(*lm.mission);
  std::fwrite(json.data(), 1, json.size(), stdout);
  std::fputc('\n', stdout);
  return ExitOk;
}

int CmdLoad(const std::vector<std::string>& args) {
  ParsedArgs parsed =
      MissionArgs(args, 2, "vhmission load [--std-dir DIR] [--text-dir NAME] JSON|- OUT", TStdUse::Save);
  const std::string& input = parsed.positional[0];
  auto mission = std::make_unique<TMission>();
  try {
    const std::string text = ReadInput(input);
    try {
      MissionFromJson(text, *mission);
    } catch (const EVhError& e) {
      // Field paths and their texts are UTF-8 already.
      return PrintError((input == "-" ? std::string("standard input") : PathText(input)) + ": " + e.what());
    }
    mission->SaveAs(parsed.positional[1]);
  } catch (const EVhError& e) {
    return Fail(e);
  }
  SayWritten(*mission);
  return ExitOk;
}

int CmdRoundtrip(const std::vector<std::string>& args) {
  ParsedArgs parsed =
      MissionArgs(args, 2, "vhmission roundtrip [--std-dir DIR] [--text-dir NAME] IN OUT", TStdUse::Save);
  LoadedMission lm;
  std::string missingNames;
  try {
    missingNames = LoadMission(*lm.mission, parsed.positional[0]);
    lm.mission->SaveAs(parsed.positional[1]);
  } catch (const EVhError& e) {
    return Fail(e);
  }
  SayWritten(*lm.mission);
  if (!missingNames.empty())
    std::printf("the shop names are the default ones: %s was missing\n", PathText(missingNames).c_str());
  return ExitOk;
}

}  // namespace vh::cli
