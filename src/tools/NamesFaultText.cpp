#include "tools/NamesFaultText.h"

#include "views/QtText.h"

namespace vh {

QString TNamesFaultText::Field(const TNamesFault& fault, const TMission* m) {
  switch (fault.Text) {
  case TNamesText::MissionText:
    return tr("The mission text");
  case TNamesText::MissionName:
    return tr("The mission name");
  case TNamesText::PlayerName:
    return tr("The name of %1")
        .arg(fault.Index == NeutralSide ? tr("Neutral") : tr("Player %1").arg(fault.Index + 1));
  case TNamesText::ShopName:
    if (TPoint cell; m && m->FindShop(static_cast<int16_t>(fault.Index), cell))
      return tr("The name of the shop at (%1, %2)").arg(cell.x).arg(cell.y);
    return tr("The name of shop record %1").arg(fault.Index);
  }
  return {};
}

QString TNamesFaultText::Sentence(const TNamesFault& fault, const TMission* m) {
  const QString field = Field(fault, m);
  switch (fault.Kind) {
  case TNamesFaultKind::LineBreak:
    return tr("%1 holds a line break; the shop names file keeps one entry per line.").arg(field);
  case TNamesFaultKind::ZeroByte:
    return tr("%1 holds a zero character, where the shop names file would end.").arg(field);
  case TNamesFaultKind::Bar:
    return tr("%1 holds \"|\", which the shop names file puts between the player names.").arg(field);
  case TNamesFaultKind::TooLong:
    return tr("%1 is longer than %2 characters; loading would cut it.").arg(field).arg(MaxPlayerNameLength);
  case TNamesFaultKind::DosLetter:
    return tr("%1 holds \"%2\", which would read back from the shop names file as \"%3\".")
        .arg(field, ToQString(std::string(1, fault.Char)),
             ToQString(std::string(1, DosLetterReadBack(fault.Char))));
  case TNamesFaultKind::TooManyShops:
    return tr("The mission has more shops than the shop names file can number (%1).").arg(MaxNamedShops);
  }
  return field;
}

QString TNamesFaultText::WhereToEdit(const TNamesFault& fault) {
  switch (fault.Text) {
  case TNamesText::MissionName:
  case TNamesText::PlayerName:
    return tr("Mission > Settings");
  case TNamesText::ShopName:
    return tr("the shop page of the Edit Window");
  case TNamesText::MissionText:
    break;
  }
  return tr("the shop names file");
}

}  // namespace vh
