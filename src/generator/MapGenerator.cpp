#include "generator/MapGenerator.h"

#include <algorithm>
#include <string>

#include "base/Errors.h"
#include "generator/Random.h"

namespace vh {

namespace {

uint8_t& BorderRef(GeneratorState& s, int index) {
  switch (index) {
  case 0:
    return s.Border0;
  case 1:
    return s.Border1;
  case 2:
    return s.Border2;
  default:
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Border %1 is not one of 0..2"), index));
  }
}

}  // namespace

bool TMapGenerator::SetView(GeneratorState* state, TMission* mission) {
  if (state == state_ && mission == mission_)
    return false;
  state_ = state;
  mission_ = mission;
  if (!state_ || !mission_) {
    Detach();
    return true;
  }
  mapWidth_ = mission_->Width;
  mapHeight_ = mission_->Height;
  Reclassify();
  return true;
}

void TMapGenerator::Detach() {
  state_ = nullptr;
  mission_ = nullptr;
  mapWidth_ = mapHeight_ = 0;
  codes_ = {};
  preview_ = {};
}

TMapGenerator::TLimits TMapGenerator::BorderLimits(int index) const {
  const GeneratorState& s = *state_;
  switch (index) {
  case 0:
    return {BorderMin, s.Border1};
  case 1:
    return {s.Border0, s.Border2};
  case 2:
    return {s.Border1, BorderMax};
  default:
    throw ERangeError(Message(VH_TRANSLATE_NOOP("Error", "Border %1 is not one of 0..2"), index));
  }
}

int32_t TMapGenerator::SetRoughness(int32_t value) {
  state_->Roughness = std::clamp(value, RoughnessMin, RoughnessMax);
  return state_->Roughness;
}

int32_t TMapGenerator::SetBorder(int index, int32_t value) {
  const TLimits limits = BorderLimits(index);
  // Equal limits pin the value: letting it through would break the order of
  // the borders the classification relies on.
  const int32_t stored = std::clamp(value, limits.Min, std::max(limits.Min, limits.Max));
  BorderRef(*state_, index) = static_cast<uint8_t>(stored);
  Reclassify();
  return stored;
}

void TMapGenerator::SetTerrainType(uint8_t type) {
  TerrainSetOf(type);  // rejects an unknown type before it is stored
  state_->TerrainType = type;
  Reclassify();
}

void TMapGenerator::SetTextured(bool textured) {
  state_->Textured = textured;
  Reclassify();
}

void TMapGenerator::Generate() {
  Rng().Randomize();
  GenerateWithCurrentSeed();
}

void TMapGenerator::GenerateFromSeed(uint32_t seed) {
  Rng().Seed = seed;
  GenerateWithCurrentSeed();
}

void TMapGenerator::GenerateWithCurrentSeed() {
  lastSeed_ = Rng().Seed;
  GenerateHeights(*state_, mapWidth_, mapHeight_);
  state_->Generated = true;
  Reclassify();
}

bool TMapGenerator::Transfer() {
  if (!TransferEnabled())
    return false;
  TransferToMission(codes_, state_->TerrainType, *mission_);
  return true;
}

void TMapGenerator::Reclassify() {
  if (mapWidth_ < 1 || mapHeight_ < 1) {
    // A mission without a size yet has nothing to classify or show.
    codes_ = {};
    preview_ = {};
    return;
  }
  codes_ = Classify(*state_, mapWidth_, mapHeight_);
  preview_ = DrawPreview(codes_, mapWidth_, mapHeight_, state_->TerrainType, state_->Generated);
}

}  // namespace vh
