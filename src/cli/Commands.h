#pragma once

#include <string>
#include <vector>

namespace vh::cli {

// Each command gets the arguments after its name and returns an ExitCode.
int CmdDump(const std::vector<std::string>& args);
int CmdLoad(const std::vector<std::string>& args);
int CmdCheck(const std::vector<std::string>& args);
int CmdRoundtrip(const std::vector<std::string>& args);
int CmdResize(const std::vector<std::string>& args);
int CmdCoasts(const std::vector<std::string>& args);

}  // namespace vh::cli
