#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "base/Errors.h"
#include "cli/MissionJson.h"
#include "mission/MissionFile.h"
#include "mission/ShopNames.h"

namespace {

using namespace vh;

ByteStream Saved(const TMission& m) {
  auto copy = std::make_unique<TMission>(m);
  ByteStream bytes = BuildMissionFile(*copy);
  AppendBytes(bytes, ShopNamesFileBytes(*copy));
  return bytes;
}

}  // namespace

// Reads any bytes as the JSON of a dump. What load takes must save into
// files that open again, and its own dump must load into the same bytes;
// everything else is refused with an error, never by another exception.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto m = std::make_unique<TMission>();
  try {
    cli::MissionFromJson(std::string(reinterpret_cast<const char*>(data), size), *m);
  } catch (const EVhError&) {
    return 0;
  }
  if (!FindNamesFaults(*m).empty())
    __builtin_trap();
  auto copy = std::make_unique<TMission>(*m);
  const ByteStream file = BuildMissionFile(*copy);
  const TShopNames names = ParseShopNames(ShopNamesFileBytes(*copy), "names.txt");
  auto reopened = std::make_unique<TMission>();
  ParseMissionFile(*reopened, file, names, "saved.dat");  // throws, and so fails, when it cannot
  auto again = std::make_unique<TMission>();
  cli::MissionFromJson(cli::MissionToJson(*m), *again);
  if (Saved(*again) != Saved(*m))
    __builtin_trap();
  return 0;
}
