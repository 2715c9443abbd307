#include "demo/Missions.h"

namespace vh::demo {

std::vector<SampleMission> BuildSampleMissions() { return {}; }

bool WriteSampleMissions(const std::string&, const ByteStream&, std::vector<std::string>&) { return false; }

} // namespace vh::demo
