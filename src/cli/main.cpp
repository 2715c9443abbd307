#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/Platform.h"
#include "cli/CliCommon.h"
#include "cli/CmdRender.h"
#include "cli/Commands.h"
#include "config/Installation.h"

namespace {

const char* const kUsage =
    "Usage: vhmission COMMAND [OPTIONS] ARGUMENTS\n"
    "\n"
    "Command-line companion of Varnholt Editor for mission files (miss*.dat).\n"
    "\n"
    "Commands:\n"
    "  dump MISSION            print the whole mission as JSON\n"
    "  check MISSION           check the mission as the editor's Mission > Check does:\n"
    "                          one line per kind of problem with the count and the\n"
    "                          first places; exit 1 when there are errors\n"
    "  roundtrip IN OUT        load IN and save it as OUT with OUT's shop names file,\n"
    "                          as the editor's Save As does\n"
    "  render MISSION OUT      draw the whole map into OUT (.bmp or .png)\n"
    "\n"
    "Options:\n"
    "  --std-dir DIR           where stdmiss.dat and stddf00.dat lie (default: beside\n"
    "                          the program, or its installed data folder)\n"
    "  --text-dir NAME         the game's text directory name (default: GER)\n"
    "  --game-dir DIR          render: the game directory (default: VarnholtDir of\n"
    "                          the editor's vhedit.ini)\n"
    "  --ini FILE              render: the vhedit.ini to read instead of the editor's\n"
    "  --filter N              render: what is drawn, as the map view's filter word\n"
    "                          (default 71: terrain, objects, units, base map)\n"
    "  --df-layer N            render: the change layer to show (0..31)\n"
    "  --grid                  render: draw the hex grid\n"
    "  --json                  check: every problem with all its places as JSON\n"
    "  --help                  show this text\n"
    "  --version               show the version\n"
    "\n"
    "Exit codes: 0 done (check: no errors, warnings allowed), 1 failed, 2 bad usage.\n";

struct Command {
  const char* name;
  int (*run)(const std::vector<std::string>&);
};

const Command kCommands[] = {
    {"dump", vh::cli::CmdDump},
    {"check", vh::cli::CmdCheck},
    {"roundtrip", vh::cli::CmdRoundtrip},
    {"render", vh::cli::CmdRender},
};

} // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args = vh::ProgramArguments(argc, argv);
  vh::UseUtf8Console();
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      return vh::cli::ExitOk;
    }
    if (a == "--version") {
      std::printf("vhmission %s\n", vh::ProgramVersion());
      return vh::cli::ExitOk;
    }
  }
  if (args.empty()) {
    std::fputs(kUsage, stderr);
    return vh::cli::ExitUsage;
  }
  for (const Command& c : kCommands) {
    if (args[0] != c.name)
      continue;
    try {
      return c.run(std::vector<std::string>(args.begin() + 1, args.end()));
    } catch (const vh::cli::UsageError& e) {
      std::fprintf(stderr, "vhmission %s: %s\nTry 'vhmission --help'.\n", c.name, e.message.c_str());
      return vh::cli::ExitUsage;
    } catch (const std::exception& e) {
      std::fprintf(stderr, "vhmission: error: %s\n", vh::cli::Cp1252ToUtf8(e.what()).c_str());
      return vh::cli::ExitFailed;
    }
  }
  std::fprintf(stderr, "vhmission: unknown command '%s'\nTry 'vhmission --help'.\n", args[0].c_str());
  return vh::cli::ExitUsage;
}
