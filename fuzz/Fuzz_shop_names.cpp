#include <cstddef>
#include <cstdint>

#include "base/Errors.h"
#include "mission/ShopNames.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    vh::TShopNames table = vh::ParseShopNames({data, size}, "fuzz.txt");
    vh::TMission m;
    vh::ApplyMissionText(m, vh::LookupName(table, 0, 0));
    for (const vh::TPlayerInfo& p : m.Players)
      if (p.Name.size() > vh::MaxPlayerNameLength)
        __builtin_trap();
    // What we write must read back to the same mission text.
    vh::ByteStream written = vh::ShopNamesFileBytes(m);
    vh::TShopNames again = vh::ParseShopNames(written, "again.txt");
    vh::TMission back;
    back.Players = m.Players;
    vh::ApplyMissionText(back, vh::LookupName(again, 0, 0));
    if (back.SaveNames != m.SaveNames || back.Players != m.Players)
      __builtin_trap();
  } catch (const vh::EVhError&) {
  }
  return 0;
}
