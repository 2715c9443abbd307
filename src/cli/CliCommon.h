#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Anomaly.h"
#include "mission/Mission.h"

namespace vh::cli {

enum ExitCode { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

// Thrown for a command line that cannot be used; main prints it with the usage.
struct UsageError {
  std::string message;
};

// Splits "--name value" options from positional arguments. Options that take
// no value are listed in `flags`.
struct ParsedArgs {
  std::vector<std::string> positional;
  std::vector<std::pair<std::string, std::string>> options;
  std::optional<std::string> Option(const std::string& name) const;
  bool Flag(const std::string& name) const;
};
ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                     const std::vector<std::string>& flags);

// Directory of the running program, with a trailing separator.
std::string ProgramDir();

// How a command uses stdmiss.dat and stddf00.dat: not at all (reading a
// mission needs neither), for a detail it can do without (the check's
// estimate of the file size), or for saving.
enum class TStdUse { None, Optional, Save };

// Applies --text-dir and, as `use` asks, --std-dir: loads the standard data.
// For saving, a missing file is an error when the directory was given, else
// a warning.
void ApplyStdOptions(const ParsedArgs& args, TStdUse use);

// Loads a mission as the editor opens it. A path that is missing or a folder
// is named as such; a missing shop names file gives the editor's default
// names, with a warning. Returns the path of that names file when it was
// missing, else empty. Raises an EVhError.
std::string LoadMission(TMission& m, const std::string& path);

// Prints tolerated anomalies as warnings on stderr.
class WarningSink : public AnomalySink {
public:
  void Anomaly(const std::string& what) override;
  int Count() const { return count_; }

private:
  int count_ = 0;
};

// Code page 1252 bytes as UTF-8, for output. The five bytes the code page
// leaves undefined become the control characters of the same number, so
// that every byte comes back through Utf8ToCp1252.
std::string Cp1252ToUtf8(const std::string& text);

// UTF-8 as code page 1252. Fails on text that is no valid UTF-8 (`bad` -1)
// or that holds a character the code page lacks (`bad` that character).
bool Utf8ToCp1252(std::string_view text, std::string& out, long& bad);

// A path as UTF-8 for output, converted from the file system's encoding;
// bytes that are no valid UTF-8 show as U+FFFD.
std::string PathText(const std::string& path);

// An error message as UTF-8. Messages name files in the file system's
// encoding; one that is no valid UTF-8 quotes the model and is read as code
// page 1252 (the editor reads them the same way).
std::string MessageText(const std::string& message);

// Prints "vhmission: error: MESSAGE" and returns ExitFailed.
int PrintError(const std::string& message);
void PrintWarning(const std::string& message);

}  // namespace vh::cli
