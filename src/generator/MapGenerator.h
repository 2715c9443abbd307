#pragma once

#include <cstdint>

#include "generator/Generator.h"

namespace vh {

// Everything the "Generate Map" window does besides showing controls. The
// window attaches the current map view's GeneratorState and mission, loads
// its controls from State() and BorderLimits(), forwards every user edit to
// the matching method, and shows Preview() afterwards.
//
// Edits clamp to the limits the other borders leave; attaching a view never
// clamps. (Loading three border edits one by one, each clamped by the limits
// the previous view left behind, would rewrite the borders of the view being
// attached.) So the window must fill its border edits with their ranges
// widened, or with change notifications blocked, and then apply the limits.
class TMapGenerator {
public:
  struct TLimits {
    int32_t Min = 0;
    int32_t Max = 0;
  };

  // Attaches a view's state and its mission; false (nothing changes) when
  // they are already attached. Classifies and redraws the preview.
  bool SetView(GeneratorState* state, TMission* mission);
  // For a view that goes away while attached.
  void Detach();
  bool Attached() const { return state_ != nullptr; }

  const GeneratorState& State() const { return *state_; }
  int32_t MapWidth() const { return mapWidth_; }
  int32_t MapHeight() const { return mapHeight_; }
  const TCellCodes& CellCodes() const { return codes_; }
  const TPreview& Preview() const { return preview_; }
  bool TransferEnabled() const { return state_ && state_->Generated; }

  // Range of border edit 0, 1 or 2 given the other two borders:
  // Border0 <= Border1 <= Border2.
  TLimits BorderLimits(int index) const;
  static constexpr TLimits RoughnessLimits() { return {RoughnessMin, RoughnessMax}; }

  // User edits. Each returns the value actually stored (clamped to its
  // limits, pinned when both limits are equal). Borders, terrain type and
  // texture reclassify and redraw; roughness waits for the next Generate.
  int32_t SetRoughness(int32_t value);
  int32_t SetBorder(int index, int32_t value);
  void SetTerrainType(uint8_t type);
  void SetTextured(bool textured);

  // A new height field from the clock-seeded generator.
  void Generate();
  // The seed of the last height field made, to make it again.
  uint32_t LastSeed() const { return lastSeed_; }
  // A new height field from a given seed, for reproducible maps and tests.
  void GenerateFromSeed(uint32_t seed);
  // Builds the coasts and writes the terrain into the mission; false when
  // nothing has been generated yet. The caller redraws the map view; the
  // preview stays as it is.
  bool Transfer();

private:
  void Reclassify();
  void GenerateWithCurrentSeed();

  GeneratorState* state_ = nullptr;
  TMission* mission_ = nullptr;
  int32_t mapWidth_ = 0;
  int32_t mapHeight_ = 0;
  TCellCodes codes_{};
  TPreview preview_;
  uint32_t lastSeed_ = 0;
};

}  // namespace vh
