#include "graphics/PictureGroups.h"

#include <algorithm>

namespace vh {

TPictureGroups::TPictureGroups(std::span<const TGroupPageEntries> pages) {
  const size_t count = std::min(pages.size(), static_cast<size_t>(MaxPictureGroups));
  groups_.resize(count);
  for (size_t g = 0; g < count; ++g)
    for (int y = 0; y < GroupPageRows; ++y)
      for (int x = 0; x < GroupPageColumns; ++x) {
        const int16_t picture = pages[g][static_cast<size_t>(x * GroupPageRows + y)];
        if (picture == -1)
          continue;
        auto& member = memberOf_[picture];
        if (member.test(g))
          continue;
        member.set(g);
        groups_[g].push_back(picture);
      }
}

const std::vector<int16_t>& TPictureGroups::Pictures(int group) const {
  static const std::vector<int16_t> none;
  return group >= 0 && group < GroupCount() ? groups_[static_cast<size_t>(group)] : none;
}

int TPictureGroups::GroupOf(int16_t picture) const {
  const auto it = memberOf_.find(picture);
  if (it == memberOf_.end())
    return -1;
  for (int g = 0; g < MaxPictureGroups; ++g)
    if (it->second.test(static_cast<size_t>(g)))
      return g;
  return -1;
}

std::optional<TGroupPlace> TPictureGroups::PlaceOf(int16_t picture) const {
  return PlaceIn(GroupOf(picture), picture);
}

std::optional<TGroupPlace> TPictureGroups::PlaceIn(int group, int16_t picture) const {
  const std::vector<int16_t>& pictures = Pictures(group);
  const auto it = std::find(pictures.begin(), pictures.end(), picture);
  if (it == pictures.end())
    return std::nullopt;
  return TGroupPlace{group, static_cast<int>(it - pictures.begin()), static_cast<int>(pictures.size())};
}

bool TPictureGroups::ShareGroup(int16_t a, int16_t b) const {
  const auto ia = memberOf_.find(a), ib = memberOf_.find(b);
  return ia != memberOf_.end() && ib != memberOf_.end() && (ia->second & ib->second).any();
}

int16_t TPictureGroups::RandomPicture(int group, const TDrawBelow& below) const {
  const std::vector<int16_t>& pictures = Pictures(group);
  if (pictures.empty())
    return -1;
  const int32_t n = static_cast<int32_t>(pictures.size());
  return pictures[static_cast<size_t>(std::clamp(below(n), 0, n - 1))];
}

int16_t TPictureGroups::RandomPictureLike(int16_t picture, const TDrawBelow& below) const {
  const int group = GroupOf(picture);
  return group < 0 ? picture : RandomPicture(group, below);
}

}  // namespace vh
