#pragma once

#include <string>

#include "mission/Mission.h"

namespace vh::cli {

// The whole model as JSON: sizes, settings, players, every cell in use, the
// three slot lists (null for an empty slot), the MAP records and MISS block
// as hex, and every change layer's records (the selected one from its
// working grid).
std::string MissionToJson(const TMission& m);

} // namespace vh::cli
