#pragma once

#include <QString>
#include <cstdint>

#include "graphics/PictureGroups.h"

namespace vh {

// Where a picture stands among the palette's groups, as tooltips say it:
// "group 7, picture 126, 3 of 12" (groups and places counted from 1, as a
// designer counts the selector's cells). In `group` when it holds the
// picture, else in the first group that does; "picture 126" for a picture
// in none.
QString GroupPlaceText(const TPictureGroups& groups, int16_t picture, int group = -1);

}  // namespace vh
