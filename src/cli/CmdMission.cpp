// dump and roundtrip: the commands over the mission core.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/CliCommon.h"
#include "cli/Commands.h"
#include "cli/MissionJson.h"
#include "base/Errors.h"
#include "mission/Mission.h"

namespace vh::cli {

namespace {

// Loads the one mission every command starts from.
struct LoadedMission {
  WarningSink sink;
  ScopedAnomalySink scope{&sink};
  TMission mission;
};

ParsedArgs MissionArgs(const std::vector<std::string>& args, size_t positional, const char* usage,
                       bool saves = false) {
  ParsedArgs parsed = ParseArgs(args, {"--std-dir", "--text-dir"}, {});
  if (parsed.positional.size() != positional)
    throw UsageError{std::string("usage: ") + usage};
  ApplyStdOptions(parsed, saves);
  return parsed;
}

int Fail(const EVhError& e) {
  std::fprintf(stderr, "vhmission: error: %s\n", Cp1252ToUtf8(e.what()).c_str());
  return ExitFailed;
}

} // namespace

int CmdDump(const std::vector<std::string>& args) {
  ParsedArgs parsed = MissionArgs(args, 1, "vhmission dump [--std-dir DIR] [--text-dir NAME] MISSION");
  LoadedMission lm;
  try {
    lm.mission.LoadFromFile(parsed.positional[0]);
  } catch (const EVhError& e) {
    return Fail(e);
  }
  std::string json = MissionToJson(lm.mission);
  std::fwrite(json.data(), 1, json.size(), stdout);
  std::fputc('\n', stdout);
  return ExitOk;
}

int CmdRoundtrip(const std::vector<std::string>& args) {
  ParsedArgs parsed =
      MissionArgs(args, 2, "vhmission roundtrip [--std-dir DIR] [--text-dir NAME] IN OUT", true);
  LoadedMission lm;
  try {
    lm.mission.LoadFromFile(parsed.positional[0]);
    lm.mission.SaveAs(parsed.positional[1]);
  } catch (const EVhError& e) {
    return Fail(e);
  }
  std::printf("wrote %s and %s\n", lm.mission.FileName.c_str(), lm.mission.NamesFileName.c_str());
  return ExitOk;
}

} // namespace vh::cli
