#include "tools/PictureGroupText.h"

#include <QCoreApplication>

namespace vh {

QString GroupPlaceText(const TPictureGroups& groups, int16_t picture, int group) {
  std::optional<TGroupPlace> place = groups.PlaceIn(group, picture);
  if (!place)
    place = groups.PlaceOf(picture);
  if (!place)
    return QCoreApplication::translate("vh::PictureGroups", "picture %1").arg(picture);
  return QCoreApplication::translate("vh::PictureGroups", "group %1, picture %2, %3 of %4")
      .arg(place->Group + 1)
      .arg(picture)
      .arg(place->Index + 1)
      .arg(place->Count);
}

}  // namespace vh
