#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/ByteIO.h"
#include "mission/Mission.h"

namespace vh::demo {

struct SampleMission {
  std::string FileName;        // e.g. "miss001.dat"
  bool CompressNames = false;  // store its shop names file "TPWM"-coded
  std::unique_ptr<TMission> Mission;
};

// The sample missions, built in memory: landscapes with coasts, rivers and
// roads, shops of several owners, cargo, AI points and change layers.
std::vector<SampleMission> BuildSampleMissions();

// Saves the sample missions into gameDir/MIS (names files into the text
// directory beside it) and appends the paths written. Returns false when this
// build has no mission writer yet.
bool WriteSampleMissions(const std::string& gameDir, const ByteStream& stdMiss,
                         std::vector<std::string>& written);

}  // namespace vh::demo
