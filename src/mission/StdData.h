#pragma once

#include <string>

#include "mission/Mission.h"

namespace vh {

// Process-wide standard data, filled by the shell at start-up and read when a
// mission is created or saved. Empty or zero until then.
inline TMissHeader StdMissionTemplate{};  // the MISS block of stdmiss.dat
inline TPlayers StdPlayers{};             // standard player table of the configuration
inline ByteStream StdDFStream;            // change records of stddf00.dat
inline std::string TxtFilesDir = "GER";   // name of the game's text directory

}  // namespace vh

namespace vh {

// Read the editor's standard data files into the process-wide data above.
// Both raise an EVhError naming the file when it is missing or unusable and
// leave the previous data in place then.
void LoadStdMissionTemplate(const std::string& path);  // first 332 bytes of stdmiss.dat
void LoadStdDFStream(const std::string& path);         // change records of stddf00.dat

}  // namespace vh
