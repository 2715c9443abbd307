#pragma once

#include <QCoreApplication>
#include <QString>

#include "mission/Mission.h"
#include "mission/ShopNames.h"

namespace vh {

// What the user reads about a text the shop names file cannot hold: one
// sentence that names the text and says why, e.g. "The name of Player 1
// holds "|", which the shop names file puts between the player names."
class TNamesFaultText {
  Q_DECLARE_TR_FUNCTIONS(TNamesFaultText)
public:
  // The text at fault; a shop is named by its cell when `m` has one for it.
  static QString Field(const TNamesFault& fault, const TMission* m = nullptr);
  static QString Sentence(const TNamesFault& fault, const TMission* m = nullptr);
  // The dialog or window where the text is edited.
  static QString WhereToEdit(const TNamesFault& fault);
};

}  // namespace vh
