#pragma once

#include <string>
#include <vector>

namespace vh::cli {

// vhmission render MISSION OUT.bmp|OUT.png [--game-dir DIR] [--filter N]
//   [--df-layer N] [--grid] [--std-dir DIR] [--text-dir NAME]
// Draws the whole map as the editor's map view does. Returns an ExitCode;
// errors go to stderr.
int CmdRender(const std::vector<std::string>& args);

// The same with the directory that holds vhedit.ini and TOOLS.DAT given.
int RenderCommand(const std::vector<std::string>& args, const std::string& programDir);

}  // namespace vh::cli
