#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "generator/Generator.h"

namespace vh {

// What the "Generate Map" window keeps between runs of the editor: the
// controls of a mission window's generator state and the seed typed.
struct TGeneratorSettings {
  int32_t Roughness = 100;
  uint8_t TerrainType = 0;
  bool Textured = false;
  uint8_t Border0 = 60;
  uint8_t Border1 = 90;
  uint8_t Border2 = 120;
  std::string Seed;  // empty: from the clock
  friend bool operator==(const TGeneratorSettings&, const TGeneratorSettings&) = default;
};

TGeneratorSettings SettingsOf(const GeneratorState& state, std::string seed);
// Values out of their limits are brought into them; borders out of order
// leave the state's borders alone.
void ApplySettings(const TGeneratorSettings& settings, GeneratorState& state);

// The settings are kept as keys of one INI section.
inline constexpr const char* GeneratorSettingsSection = "Generator";
// The value of a key, nothing when the key is missing.
using TSettingLookup = std::function<std::optional<std::string>(const std::string& key)>;
// Nothing when no settings were kept; values that are no numbers give the
// defaults, numbers beyond their limits the limits.
std::optional<TGeneratorSettings> ParseGeneratorSettings(const TSettingLookup& value);
std::vector<std::pair<std::string, std::string>> GeneratorSettingKeys(const TGeneratorSettings& settings);

}  // namespace vh
