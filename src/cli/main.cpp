#include <cstdio>
#include <string>
#include <vector>

#include "base/Platform.h"
#include "cli/CliCommon.h"
#include "cli/Usage.h"
#include "config/Installation.h"

int main(int argc, char** argv) {
  std::vector<std::string> args = vh::ProgramArguments(argc, argv);
  vh::UseUtf8Console();
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") {
      std::fputs(vh::cli::HelpText().c_str(), stdout);
      return vh::cli::ExitOk;
    }
    if (a == "--version") {
      std::printf("vhmission %s\n", vh::ProgramVersion());
      return vh::cli::ExitOk;
    }
  }
  if (args.empty()) {
    std::fputs(vh::cli::HelpText().c_str(), stderr);
    return vh::cli::ExitUsage;
  }
  for (const vh::cli::TCommandDoc& c : vh::cli::CommandDocs()) {
    if (args[0] != c.Name)
      continue;
    try {
      return c.Run(std::vector<std::string>(args.begin() + 1, args.end()));
    } catch (const vh::cli::UsageError& e) {
      std::fprintf(stderr, "vhmission %s: %s\nTry 'vhmission --help'.\n", c.Name, e.message.c_str());
      return vh::cli::ExitUsage;
    } catch (const std::exception& e) {
      return vh::cli::PrintError(vh::cli::MessageText(e.what()));
    }
  }
  std::fprintf(stderr, "vhmission: unknown command '%s'\nTry 'vhmission --help'.\n", args[0].c_str());
  return vh::cli::ExitUsage;
}
