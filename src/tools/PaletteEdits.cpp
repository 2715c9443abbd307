#include "tools/PaletteEdits.h"

namespace vh {

std::string ShopListText(int16_t index, const std::string& name) {
  return "(" + std::to_string(index) + ") " + name;
}

std::string OwnerItemText(int side, const TPlayers* players) {
  std::string text = side == NeutralSide ? "(--)" : "(" + std::to_string(side + 1) + ")";
  if (players)
    text += " " + (*players)[static_cast<size_t>(side)].Name;
  return text;
}

TPoint DeleteShopAnywhere(TMission& m, int16_t index) {
  TPoint pos{-1, -1};
  if (m.FindShop(index, pos)) {
    m.DeleteShop(pos);
    return pos;
  }
  // A shop no cell holds (only read from a damaged file) still has its slot;
  // emptying it keeps list and model in agreement.
  const auto slot = static_cast<uint16_t>(index);
  if (index != -1 && slot < m.Shops.size() && m.Shops[slot]) {
    m.Shops[slot].reset();
    m.NoteChange();
  }
  return {-1, -1};
}

TCargoWrite StoreCargo(TMission& m, TPoint cell, int16_t current, bool wasEmpty,
                       const std::array<int16_t, 8>& units) {
  TCargoWrite result{current, false};
  if (current == -1 || !m.GetVehContent(current)) {
    if (!wasEmpty)
      return {-1, false};
    result.Target = static_cast<int16_t>(m.NewVehContent(cell));
    result.Created = true;
  }
  AssignField(m, m.GetVehContent(result.Target)->Units, units);
  return result;
}

uint16_t& AIValueField(TAIPointRec& p, TAIValue which) {
  switch (which) {
  case aiv0A:
    return p.AI0A;
  case aiv48:
    return p.AI48;
  case aiv4A:
    return p.AI4A;
  case aiv4E:
    break;
  }
  return p.AI4E;
}

bool StoreAIValue(TMission& m, TAIPointRec& p, TAIValue which, int64_t value) {
  if (value < 0 || value > 0xFFFF)
    return false;
  return AssignField(m, AIValueField(p, which), value);
}

}  // namespace vh
