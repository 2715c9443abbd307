#pragma once

// Missions and palette choices for the tests of coasts, painting by group,
// resizing and the change layers' dock.

#include <gtest/gtest.h>

#include <QToolBar>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "graphics/PictureGroups.h"
#include "hexmap/CellEditing.h"
#include "mission/TerrainSets.h"
#include "shell/FrameFixture.h"
#include "tools/MDIPicturesForm.h"

namespace vh::test {

constexpr int16_t ShallowWater = TerrainSets[0].WaterParts[0];

class MapEditsFixture : public FrameFixture {
protected:
  TMDIPictures* palette = nullptr;

  void StartShown() {
    Start();
    ASSERT_TRUE(started);
    ShowActive(frame);
    palette = dynamic_cast<TMDIPictures*>(frame->EditWindow());
    ASSERT_NE(palette, nullptr);
  }
  // A mission of open shallow water, saved under MIS/`name`.
  std::string SeaMission(const std::string& name, TPoint size = {40, 24}) {
    auto m = std::make_unique<TMission>();
    m->SetSize(size);
    for (int y = 0; y < size.y; ++y)
      for (int x = 0; x < size.x; ++x)
        m->Cells[static_cast<size_t>(y)][static_cast<size_t>(x)].Terrain = ShallowWater;
    m->MissionName = "Sea";
    m->SaveAs(gameDir + "MIS/" + name);
    return gameDir + "MIS/" + name;
  }
  // Chooses a terrain picture in the palette, as a pick of a cell holding it does.
  void ChooseTerrain(int16_t picture) {
    palette->PageControl->setCurrentIndex(TMDIPictures::pgTerrain);
    ASSERT_TRUE(palette->PickPicture(picture, -1, NoUnitCode)) << picture;
    uint8_t page = 0;
    uint16_t value = 0;
    palette->GetSelectedPicture(page, value);
    ASSERT_EQ(value, static_cast<uint16_t>(picture));
  }
  // The first terrain group of the palette with at least `count` pictures,
  // all of them land; -1 when there is none.
  int LandGroup(size_t count) const {
    const TPictureGroups& groups = *palette->PictureGroups(TMDIPictures::pgTerrain);
    for (int g = 0; g < groups.GroupCount(); ++g) {
      const std::vector<int16_t>& pictures = groups.Pictures(g);
      bool land = pictures.size() >= count;
      for (int16_t p : pictures)
        land = land && TerrainKindOf(p).Role == TTerrainRole::Land;
      if (land)
        return g;
    }
    return -1;
  }
  // Clicks the tool bar button of `action`, as the user does.
  void ClickToolButton(QAction* action) {
    auto* button = qobject_cast<QToolButton*>(frame->ToolsBar->widgetForAction(action));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
  }
};

// The terrain of every cell of the map (base map or a change layer's grid).
inline std::vector<int16_t> Terrains(const TMission& m, bool changeLayer = false) {
  std::vector<int16_t> t;
  for (int y = 0; y < m.Height; ++y)
    for (int x = 0; x < m.Width; ++x)
      t.push_back(changeLayer ? m.DFCells[static_cast<size_t>(y)][static_cast<size_t>(x)].Terrain
                              : m.Cells[static_cast<size_t>(y)][static_cast<size_t>(x)].Terrain);
  return t;
}

}  // namespace vh::test
