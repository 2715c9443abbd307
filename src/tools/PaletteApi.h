#pragma once

#include <cstdint>

#include "graphics/PictureGroups.h"
#include "hexmap/MultiSelection.h"

namespace vh {

class TMissView;

// What the main frame and the mission windows ask of the palette window:
// its current choice for painting, the pick of a map cell, and keeping its
// shop and cell panes in step with the current mission window.
class TPaletteApi {
public:
  virtual ~TPaletteApi() = default;

  // Page 0 terrain, 1 objects, 2 units, 3 shops; the value to paint.
  virtual void GetSelectedPicture(uint8_t& page, uint16_t& value) = 0;
  virtual bool GetMultiSelection(TMultiSelection& selection) = 0;
  // The groups of the terrain (page 0) or object (page 1) pictures as the
  // selection files define them; null for the other pages.
  virtual const TPictureGroups* PictureGroups(int page) const = 0;
  // The group whose pictures the page's selector shows; -1 for pages
  // without groups.
  virtual int ShownGroup(int page) const = 0;
  // Shows the cell's picture in the palette; false when it offers none.
  virtual bool PickPicture(int16_t terrain, int16_t obj, uint16_t unit) = 0;

  virtual void AttachMissionView(TMissView* view) = 0;
  virtual void DetachMissionView() = 0;
  virtual void EnableShopCreation() = 0;
  virtual void SetCurrentShop(int16_t shopIndex) = 0;
  virtual void ShowCellUnit(int16_t vehContent, bool hasUnit, int16_t aiPoint) = 0;
  virtual void RefreshOwnerNames() = 0;
  // The followed mission changed as a whole (cleared, a generated map
  // transferred): shop list, shop and cell panes are read from it again.
  virtual void RefreshFromMission() = 0;
};

}  // namespace vh
