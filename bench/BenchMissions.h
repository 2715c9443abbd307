#pragma once

#include "mission/Mission.h"

namespace vh::bench {

// A full 64 x 64 map as the game's missions fill them: terrain everywhere,
// objects on a third of the cells (roads joined to their neighbours among
// them), a unit on every sixth cell, some shops. With `extras`, also cargo on
// a quarter of the units, AI points, and a change layer that changes half of
// the cells.
inline void FillFullMission(TMission& m, bool extras) {
  m.SetSize({64, 64});
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      TMissionCell& c = m.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)];
      const int n = x * 7 + y * 13;
      c.Terrain = static_cast<int16_t>(n % 64);
      if (y % 5 == 2)
        c.Obj = 90;
      else if (x % 9 == 4)
        c.Obj = 93;
      else if (n % 3 == 0)
        c.Obj = static_cast<int16_t>(100 + n % 1200);
      if (n % 6 == 1) {
        c.Vehicle = static_cast<uint8_t>(n % 64);
        c.VehOwner = static_cast<uint8_t>(n % 7);
        if (extras && n % 4 == 1)
          m.NewVehContent({x, y});
      }
      if (n % 97 == 0 && c.Obj >= 100) {
        m.NewShop({x, y});
        m.GetShop(c.Shop)->Owner = static_cast<uint8_t>(n % 7);
      }
      if (!extras)
        continue;
      if (n % 11 == 3)
        m.NewAIPoint({x, y});
      if ((x + y) % 2 == 0)
        m.DFCells[static_cast<size_t>(y)][static_cast<size_t>(x)] = {static_cast<int16_t>(n % 50), -1, 0xFF,
                                                                     0xFF};
    }
}

}  // namespace vh::bench
