#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "base/Anomaly.h"

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

// Applies --std-dir and --text-dir: loads stdmiss.dat and stddf00.dat. A
// missing file is an error when the directory was given, else a warning when
// `warnMissing` (only saving uses the standard data).
void ApplyStdOptions(const ParsedArgs& args, bool warnMissing);

// Prints tolerated anomalies as warnings on stderr.
class WarningSink : public AnomalySink {
public:
  void Anomaly(const std::string& what) override;
  int Count() const { return count_; }

private:
  int count_ = 0;
};

// Code page 1252 bytes as UTF-8, for output.
std::string Cp1252ToUtf8(const std::string& text);

} // namespace vh::cli
