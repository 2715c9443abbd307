#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

// The palette's groups of pictures, as the selection files (terrain.sel,
// objekt.sel) define them: a designer paints "grass" or "forest", and a fill
// or a random stroke keeps to the group.

namespace vh {

constexpr int MaxPictureGroups = 72;
constexpr int GroupPageColumns = 12;
constexpr int GroupPageRows = 6;
// One group's page as a selection file stores it: column by column, the
// entry of column x, row y at x * 6 + y; -1 marks an empty cell.
using TGroupPageEntries = std::array<int16_t, GroupPageColumns * GroupPageRows>;

// Where a picture stands in a group: Group as the selection file numbers
// its pages (0..71), Index among the group's Count pictures (from 0).
struct TGroupPlace {
  int Group = -1;
  int Index = 0;
  int Count = 0;
  friend bool operator==(const TGroupPlace&, const TGroupPlace&) = default;
};

// Draws a number in 0 .. n - 1 for n > 0: the editor's random generator, or
// a fixed sequence in tests. The caller records what was drawn, so redoing
// a stroke needs no second draw.
using TDrawBelow = std::function<int32_t(int32_t n)>;

class TPictureGroups {
public:
  TPictureGroups() = default;
  // Group g is `pages[g]` (at most 72): its pictures in the order a
  // selector shows them, row by row, each once.
  explicit TPictureGroups(std::span<const TGroupPageEntries> pages);

  int GroupCount() const { return static_cast<int>(groups_.size()); }
  // The pictures of a group; none for a group that does not exist.
  const std::vector<int16_t>& Pictures(int group) const;

  // The lowest-numbered group holding `picture`; -1 when none does (-1,
  // the empty cell, is in none).
  int GroupOf(int16_t picture) const;
  // Its place in that group, or in a given one.
  std::optional<TGroupPlace> PlaceOf(int16_t picture) const;
  std::optional<TGroupPlace> PlaceIn(int group, int16_t picture) const;
  // Whether some group holds both pictures.
  bool ShareGroup(int16_t a, int16_t b) const;

  // A picture of `group` drawn with `below`; -1 for a group without
  // pictures (nothing is drawn then).
  int16_t RandomPicture(int group, const TDrawBelow& below) const;
  // A picture of the group of `picture`; `picture` itself when it is in no
  // group.
  int16_t RandomPictureLike(int16_t picture, const TDrawBelow& below) const;

private:
  std::vector<std::vector<int16_t>> groups_;
  std::unordered_map<int16_t, std::bitset<MaxPictureGroups>> memberOf_;
};

}  // namespace vh
