#pragma once

#include <string>

#include "config/Recovery.h"
#include "mission/Mission.h"

namespace vh::test {

inline TMission SmallMission() {
  TMission m;
  m.SetSize({6, 5});
  m.MissionName = "Gr\xFCne H\xFCgel";
  m.SaveNames = true;
  m.NewShop({1, 1});
  m.GetShop(0)->Name = "Depot \xC4";
  m.Cells[3][4].Terrain = 17;
  m.Cells[2][2].Obj = 40;
  return m;
}

inline TRecoveryCopy CopyIn(const std::string& sessionDir, const std::string& id,
                            const std::string& original) {
  return {sessionDir, id, {original, "", 1700000000, 3}, {}};
}

}  // namespace vh::test
