#pragma once

#include "mission/MissionFile.h"
#include "mission/ShopNames.h"

namespace vh::test {

// What saving would write (mission file, then shop names file), without
// touching the mission itself.
inline ByteStream SavedBytes(const TMission& m) {
  TMission copy = m;
  ByteStream bytes = BuildMissionFile(copy);
  AppendBytes(bytes, ShopNamesFileBytes(copy));
  return bytes;
}

}  // namespace vh::test
