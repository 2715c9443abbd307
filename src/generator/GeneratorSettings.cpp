#include "generator/GeneratorSettings.h"

#include <algorithm>
#include <charconv>

namespace vh {

namespace {

long Number(const TSettingLookup& value, const std::string& key, long def) {
  const std::optional<std::string> text = value(key);
  if (!text)
    return def;
  long n = 0;
  const char* first = text->data();
  const char* last = first + text->size();
  const auto [end, error] = std::from_chars(first, last, n);
  return error == std::errc() && end == last ? n : def;
}

uint8_t Border(const TSettingLookup& value, const std::string& key, uint8_t def) {
  return static_cast<uint8_t>(std::clamp<long>(Number(value, key, def), BorderMin, BorderMax));
}

}  // namespace

TGeneratorSettings SettingsOf(const GeneratorState& state, std::string seed) {
  return {state.Roughness, state.TerrainType, state.Textured, state.Border0,
          state.Border1,   state.Border2,     std::move(seed)};
}

void ApplySettings(const TGeneratorSettings& settings, GeneratorState& state) {
  state.Roughness = std::clamp(settings.Roughness, RoughnessMin, RoughnessMax);
  state.TerrainType = settings.TerrainType == 1 ? 1 : 0;
  state.Textured = settings.Textured;
  if (settings.Border0 <= settings.Border1 && settings.Border1 <= settings.Border2) {
    state.Border0 = settings.Border0;
    state.Border1 = settings.Border1;
    state.Border2 = settings.Border2;
  }
}

std::optional<TGeneratorSettings> ParseGeneratorSettings(const TSettingLookup& value) {
  if (!value("Roughness"))
    return std::nullopt;
  TGeneratorSettings s;
  s.Roughness = static_cast<int32_t>(
      std::clamp<long>(Number(value, "Roughness", s.Roughness), RoughnessMin, RoughnessMax));
  s.TerrainType = Number(value, "TerrainType", 0) == 1 ? 1 : 0;
  s.Textured = Number(value, "Textured", 0) != 0;
  s.Border0 = Border(value, "Border0", s.Border0);
  s.Border1 = Border(value, "Border1", s.Border1);
  s.Border2 = Border(value, "Border2", s.Border2);
  // The window takes up to nine digits.
  s.Seed = value("Seed").value_or("");
  if (s.Seed.size() > 9 ||
      !std::all_of(s.Seed.begin(), s.Seed.end(), [](char c) { return c >= '0' && c <= '9'; }))
    s.Seed.clear();
  return s;
}

std::vector<std::pair<std::string, std::string>> GeneratorSettingKeys(const TGeneratorSettings& s) {
  return {{"Roughness", std::to_string(s.Roughness)},
          {"TerrainType", std::to_string(s.TerrainType)},
          {"Textured", s.Textured ? "1" : "0"},
          {"Border0", std::to_string(s.Border0)},
          {"Border1", std::to_string(s.Border1)},
          {"Border2", std::to_string(s.Border2)},
          {"Seed", s.Seed}};
}

}  // namespace vh
