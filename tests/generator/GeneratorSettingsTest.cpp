#include <gtest/gtest.h>

#include <map>

#include "generator/GeneratorSettings.h"

namespace vh {
namespace {

TSettingLookup From(const std::map<std::string, std::string>& keys) {
  return [keys](const std::string& key) -> std::optional<std::string> {
    const auto it = keys.find(key);
    return it == keys.end() ? std::nullopt : std::optional<std::string>(it->second);
  };
}

TEST(GeneratorSettings, KeysComeBackAsTheSameSettings) {
  EXPECT_FALSE(ParseGeneratorSettings(From({})));
  const TGeneratorSettings s{210, 1, true, 10, 20, 250, "86399999"};
  std::map<std::string, std::string> keys;
  for (const auto& [k, v] : GeneratorSettingKeys(s))
    keys[k] = v;
  EXPECT_EQ(ParseGeneratorSettings(From(keys)), s);
}

TEST(GeneratorSettings, ValuesBeyondTheirLimitsAreBroughtIntoThem) {
  const auto s = ParseGeneratorSettings(From({{"Roughness", "9999"},
                                              {"TerrainType", "7"},
                                              {"Border0", "-5"},
                                              {"Border1", "300"},
                                              {"Border2", "x"},
                                              {"Seed", "12a"}}));
  ASSERT_TRUE(s);
  EXPECT_EQ(s->Roughness, RoughnessMax);
  EXPECT_EQ(s->TerrainType, 0);
  EXPECT_EQ(s->Border0, 0);
  EXPECT_EQ(s->Border1, 255);
  EXPECT_EQ(s->Border2, 120);  // not a number: the default
  EXPECT_EQ(s->Seed, "");      // not a seed the window takes
  EXPECT_EQ(ParseGeneratorSettings(From({{"Roughness", "5"}, {"Seed", "1234567890"}}))->Seed, "");

  // Borders out of order would break the classification: the state keeps
  // its own, the rest is taken.
  GeneratorState state;
  ApplySettings(*s, state);
  EXPECT_EQ(state.Roughness, RoughnessMax);
  EXPECT_EQ(state.Border0, GeneratorState{}.Border0);
  EXPECT_EQ(state.Border1, GeneratorState{}.Border1);
  EXPECT_EQ(state.Border2, GeneratorState{}.Border2);
  ApplySettings({-4, 1, true, 1, 2, 3, ""}, state);
  EXPECT_EQ(state.Roughness, RoughnessMin);
  EXPECT_EQ(state.TerrainType, 1);
  EXPECT_TRUE(state.Textured);
  EXPECT_EQ(SettingsOf(state, "5"), (TGeneratorSettings{RoughnessMin, 1, true, 1, 2, 3, "5"}));
}

}  // namespace
}  // namespace vh
