#pragma once

#include <string>

#include "mission/Mission.h"

namespace vh::cli {

// The layout of the dump; vhmission-dump.schema.json describes it.
constexpr int DumpSchemaVersion = 1;

// The whole model as JSON: sizes, settings, players, every cell in use, the
// three slot lists (null for an empty slot) with the cell that names each
// record, the MAP records and MISS block as hex, and every change layer's
// records (the selected one from its working grid).
std::string MissionToJson(const TMission& m);

// The model a dump describes, for saving. Raises an EVhError naming the
// field ("shops[3].name: ...") when the JSON is not a dump of this version
// or holds what the mission file or its shop names file could not hold or
// would read back differently. Uses StdPlayers as the players of a mission
// that does not save them. Fills `m`, a freshly created mission.
void MissionFromJson(const std::string& json, TMission& m);

}  // namespace vh::cli
