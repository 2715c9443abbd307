#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/Errors.h"
#include "mission/ShopNames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    std::vector<int> skipped;
    vh::TShopNames table = vh::ParseShopNames({data, size}, "fuzz.txt", &skipped);
    for (size_t i = 1; i < skipped.size(); ++i)
      if (skipped[i] <= skipped[i - 1] || skipped[0] < 1)
        __builtin_trap();
    vh::TMission m;
    vh::ApplyMissionText(m, vh::LookupName(table, 0, 0));
    for (const vh::TPlayerInfo& p : m.Players)
      if (p.Name.size() > vh::MaxPlayerNameLength)
        __builtin_trap();
    // What we write must read back to the same mission text.
    vh::ByteStream written = vh::ShopNamesFileBytes(m);
    // Every line the editor writes is an entry or blank.
    std::vector<int> skippedAgain;
    vh::TShopNames again = vh::ParseShopNames(written, "again.txt", &skippedAgain);
    if (!skippedAgain.empty())
      __builtin_trap();
    vh::TMission back;
    back.Players = m.Players;
    vh::ApplyMissionText(back, vh::LookupName(again, 0, 0));
    if (back.SaveNames != m.SaveNames || back.Players != m.Players)
      __builtin_trap();
  } catch (const vh::EVhError&) {
  }
  return 0;
}
