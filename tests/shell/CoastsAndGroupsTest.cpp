// Tools > Automatic Coasts, Mission > Rebuild Coasts, Fill's Match Group and
// Random, driven with the mouse, the keys and the tool bar as the user does.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QStatusBar>
#include <QToolTip>
#include <memory>
#include <set>

#include "config/IniFile.h"
#include "hexmap/Coasts.h"
#include "hexmap/MissionPicture.h"
#include "mission/HexGrid.h"
#include "shell/HistoryDock.h"
#include "shell/MainStatusBar.h"
#include "shell/MapEditsSupport.h"
#include "shell/MapMouse.h"
#include "views/COMPMissView.h"

namespace vh {
namespace {

using test::Click;
using test::ShallowWater;
using test::Stroke;
using test::Terrains;

using MapEdits = test::MapEditsFixture;

constexpr uint16_t BaseMap = DefaultMissFilter;

// `picture` painted on `cells` of a copy of `m` with automatic coasts, by
// the model's own operations: what the editor must show after the stroke.
std::unique_ptr<TMission> PaintedWithCoasts(const TMission& m, uint16_t filter,
                                            const std::vector<TPoint>& cells, int16_t picture) {
  auto copy = std::make_unique<TMission>(m);
  int16_t stroke = 0;
  bool first = true;
  for (TPoint c : cells) {
    ApplyCellValue(*copy, filter, first, c, static_cast<uint16_t>(picture), pkTerrain, stroke);
    first = false;
  }
  UpdateCoasts(*copy, filter, cells);
  return copy;
}

int16_t LandPicture(const TPictureGroups& groups, int group) {
  return groups.Pictures(group).front();
}

TEST_F(MapEdits, AutomaticCoastsFollowStrokeFillPasteAndDeleteWithinTheirStepAndAreRemembered) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(SeaMission("miss050.dat"));
  TMissView& map = *w->MissView();
  const int group = LandGroup(1);
  ASSERT_GE(group, 0);
  const int16_t land = LandPicture(*palette->PictureGroups(0), group);
  ChooseTerrain(land);
  const std::vector<int16_t> sea = Terrains(map.Mission());

  // Off (the default): only the painted cell changes.
  EXPECT_FALSE(frame->AutoCoastsItem->isChecked());
  Click(map, {10, 10});
  std::vector<int16_t> expected = sea;
  expected[10 * 40 + 10] = land;
  EXPECT_EQ(Terrains(map.Mission()), expected);
  w->Undo();

  // On from the tool bar: the stroke's cells get their coasts as it goes,
  // and the whole is one step.
  ClickToolButton(frame->AutoCoastsItem);
  EXPECT_TRUE(frame->AutoCoastsItem->isChecked());
  EXPECT_TRUE(frame->PaintTool().AutoCoasts);
  const size_t steps = map.History().Position();
  Stroke(map, {{10, 10}, {11, 10}});
  std::unique_ptr<TMission> want;
  {
    // The sea as it was, painted by the model.
    auto before = std::make_unique<TMission>(map.Mission());
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 40; ++x)
        before->Cells[static_cast<size_t>(y)][static_cast<size_t>(x)].Terrain =
            sea[static_cast<size_t>(y * 40 + x)];
    want = PaintedWithCoasts(*before, BaseMap, {{10, 10}, {11, 10}}, land);
  }
  EXPECT_EQ(Terrains(map.Mission()), Terrains(*want));
  // Every sea cell beside the land is a coast now.
  for (TPoint c : {TPoint{10, 10}, TPoint{11, 10}})
    for (int d = 0; d < DirectionCount; ++d) {
      const TPoint n = Neighbour(c, d);
      const int16_t t = map.Mission().Cells[static_cast<size_t>(n.y)][static_cast<size_t>(n.x)].Terrain;
      if (t != land) {
        EXPECT_EQ(TerrainKindOf(t).Role, TTerrainRole::Coast) << n.x << "," << n.y;
      }
    }
  EXPECT_EQ(map.History().Position(), steps + 1);
  EXPECT_EQ(map.History().UndoName(), "Paint Terrain");
  w->Undo();
  EXPECT_EQ(Terrains(map.Mission()), sea);
  w->Redo();
  EXPECT_EQ(Terrains(map.Mission()), Terrains(*want));

  // Delete takes the land and its coasts: open sea again, but for the two
  // cells that now hold no terrain.
  TCellSet both;
  both.Add({10, 10});
  both.Add({11, 10});
  w->SetSelection(both);
  frame->EditCopyItem->trigger();
  frame->EditDeleteItem->trigger();
  expected = sea;
  expected[10 * 40 + 10] = expected[10 * 40 + 11] = -1;
  EXPECT_EQ(Terrains(map.Mission()), expected);
  EXPECT_EQ(map.History().UndoName(), "Delete");
  w->Undo();
  EXPECT_EQ(Terrains(map.Mission()), Terrains(*want));
  w->Redo();

  // A pasted block brings its coasts along.
  frame->EditPasteItem->trigger();
  ASSERT_TRUE(w->Pasting());
  Click(map, {20, 12});
  int coasts = 0;
  for (int16_t t : Terrains(map.Mission()))
    coasts += TerrainKindOf(t).Role == TTerrainRole::Coast ? 1 : 0;
  EXPECT_GE(coasts, 8);  // two land cells side by side touch ten sea cells, some as corners
  EXPECT_EQ(map.History().UndoName(), "Paste");

  // Filling the land with water reverts its coasts: the paste's cells are
  // open sea again. (Escape first drops the selection, which a click would
  // only drop.)
  test::KeyOn(map, Qt::Key_Escape, Qt::NoModifier);
  frame->FillToolItem->trigger();
  ChooseTerrain(ShallowWater);
  const TPoint landCell = [&] {
    for (int y = 0; y < 24; ++y)
      for (int x = 0; x < 40; ++x)
        if (map.Mission().Cells[static_cast<size_t>(y)][static_cast<size_t>(x)].Terrain == land)
          return TPoint{x, y};
    return TPoint{-1, -1};
  }();
  ASSERT_GE(landCell.x, 0);
  Click(map, landCell);
  expected = sea;
  expected[10 * 40 + 10] = expected[10 * 40 + 11] = -1;
  EXPECT_EQ(Terrains(map.Mission()), expected);
  EXPECT_EQ(map.History().UndoName(), "Fill Terrain");

  // Remembered for the next start.
  w->SetDiscardOnClose();
  frame->close();
  delete frame;
  frame = nullptr;
  test::FlushDeletes();
  EXPECT_TRUE(TIniFile(programDir + "vhedit.ini").ReadBool("General", "AutoCoasts", false));
  Start();
  EXPECT_TRUE(frame->AutoCoastsItem->isChecked());
  EXPECT_TRUE(frame->PaintTool().AutoCoasts);
}

TEST_F(MapEdits, CoastsInAChangeLayerWriteOnlyIntoTheLayerAndStepsNameIt) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(SeaMission("miss051.dat"));
  TMissView& map = *w->MissView();
  const int group = LandGroup(1);
  ASSERT_GE(group, 0);
  const int16_t land = LandPicture(*palette->PictureGroups(0), group);
  ChooseTerrain(land);
  frame->AutoCoastsItem->trigger();
  frame->SelectDFLayer(3);
  frame->FilterActions[mfDFLayer]->trigger();
  ASSERT_TRUE(map.FilterOn(mfDFLayer));
  const std::vector<int16_t> base = Terrains(map.Mission());
  const auto want = PaintedWithCoasts(map.Mission(), map.Filter(), {{20, 8}}, land);

  Click(map, {20, 8});
  EXPECT_EQ(Terrains(map.Mission()), base) << "the base map stays";
  EXPECT_EQ(Terrains(map.Mission(), true), Terrains(*want, true));
  int changed = 0;
  for (int16_t t : Terrains(map.Mission(), true))
    changed += t != -1 ? 1 : 0;
  // The land cell, its six coasts and the two corner tiles where coasts
  // meet at the corner of open water to its left and right.
  EXPECT_EQ(changed, 9);
  EXPECT_EQ(map.History().UndoName(), "Paint Terrain in change layer 3");
  EXPECT_EQ(THistoryDock::StepText(map.History(), map.History().Position() - 1),
            QStringLiteral("Paint Terrain in change layer 3 \u2014 9 cells"));
}

TEST_F(MapEdits, RebuildCoastsGivesAMapPaintedWithoutThemItsCoastsInOneStep) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(SeaMission("miss052.dat"));
  TMissView& map = *w->MissView();
  const int group = LandGroup(1);
  ASSERT_GE(group, 0);
  ChooseTerrain(LandPicture(*palette->PictureGroups(0), group));
  frame->SetPaintTool({TToolMode::Paint, 1});
  Stroke(map, {{8, 8}, {9, 8}, {10, 9}});
  frame->SetPaintTool({TToolMode::Paint, 0});
  Click(map, {0, 0});  // an island on the corner of the map
  const std::vector<int16_t> painted = Terrains(map.Mission());
  auto want = std::make_unique<TMission>(map.Mission());
  RebuildCoasts(*want, BaseMap);
  ASSERT_NE(Terrains(*want), painted);
  const size_t steps = map.History().Position();

  frame->RebuildCoastsItem->trigger();
  EXPECT_EQ(Terrains(map.Mission()), Terrains(*want));
  EXPECT_EQ(map.History().Position(), steps + 1);
  EXPECT_EQ(map.History().UndoName(), "Rebuild Coasts");
  EXPECT_TRUE(frame->statusBar()->currentMessage().startsWith("Rebuild Coasts: "))
      << frame->statusBar()->currentMessage().toStdString();
  w->Undo();
  EXPECT_EQ(Terrains(map.Mission()), painted);
}

// A fixed sequence of draws: 0, 1, 2, ... each below its bound.
struct TCountingDraw {
  std::shared_ptr<int> next = std::make_shared<int>(0);
  int32_t operator()(int32_t n) const { return (*next)++ % n; }
};

TEST_F(MapEdits, RandomPaintsPicturesOfTheChosenGroupAndRedoRepeatsThemExactly) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(SeaMission("miss053.dat"));
  TMissView& map = *w->MissView();
  const int group = LandGroup(3);
  ASSERT_GE(group, 0) << "the demo palette has a land group of three pictures or more";
  const std::vector<int16_t> pictures = palette->PictureGroups(0)->Pictures(group);
  ChooseTerrain(pictures[1]);
  w->SetRandomSource(TCountingDraw{});

  // R switches Random on, as the menu item and the tool bar button show.
  test::KeyOn(map, Qt::Key_R, Qt::NoModifier);
  EXPECT_TRUE(frame->RandomItem->isChecked());
  EXPECT_TRUE(frame->PaintTool().Random);
  frame->SetPaintTool({TToolMode::Paint, 1, false, true});
  Click(map, {12, 10});
  // The brush's seven cells, centre first, got draws 0..6 in turn.
  const std::vector<TPoint> cells = BrushCells({12, 10}, 1, map.GridSize());
  ASSERT_EQ(cells.size(), 7u);
  std::vector<int16_t> got;
  for (size_t i = 0; i < cells.size(); ++i) {
    got.push_back(map.Mission().Cell(cells[i]).Terrain);
    EXPECT_EQ(got.back(), pictures[i % pictures.size()]) << i;
  }
  // Redo repeats the very pictures, not new draws.
  w->Undo();
  EXPECT_EQ(map.Mission().Cell(cells[0]).Terrain, ShallowWater);
  w->Redo();
  for (size_t i = 0; i < cells.size(); ++i)
    EXPECT_EQ(map.Mission().Cell(cells[i]).Terrain, got[i]);

  // Off again: every cell the chosen picture.
  test::KeyOn(map, Qt::Key_R, Qt::NoModifier);
  EXPECT_FALSE(frame->RandomItem->isChecked());
  Click(map, {30, 10});
  for (TPoint c : BrushCells({30, 10}, 1, map.GridSize()))
    EXPECT_EQ(map.Mission().Cell(c).Terrain, pictures[1]);
}

TEST_F(MapEdits, MatchGroupFillsAcrossThePicturesOfTheClickedGroupAndIsRemembered) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(SeaMission("miss054.dat"));
  TMissView& map = *w->MissView();
  const int group = LandGroup(2);
  ASSERT_GE(group, 0);
  const std::vector<int16_t> pictures = palette->PictureGroups(0)->Pictures(group);
  // A row of two pictures of one group: (5,5) and (6,5) touch.
  ChooseTerrain(pictures[0]);
  Click(map, {5, 5});
  ChooseTerrain(pictures[1]);
  Click(map, {6, 5});

  frame->FillToolItem->trigger();
  ChooseTerrain(ShallowWater);
  // Without Match Group the fill takes the clicked picture only.
  Click(map, {5, 5});
  EXPECT_EQ(map.Mission().Cell({5, 5}).Terrain, ShallowWater);
  EXPECT_EQ(map.Mission().Cell({6, 5}).Terrain, pictures[1]);
  w->Undo();

  ClickToolButton(frame->MatchGroupItem);
  EXPECT_TRUE(frame->PaintTool().MatchGroup);
  Click(map, {5, 5});
  EXPECT_EQ(map.Mission().Cell({5, 5}).Terrain, ShallowWater);
  EXPECT_EQ(map.Mission().Cell({6, 5}).Terrain, ShallowWater);
  EXPECT_EQ(Terrains(map.Mission()), std::vector<int16_t>(40 * 24, ShallowWater));

  w->SetDiscardOnClose();
  frame->close();
  delete frame;
  frame = nullptr;
  test::FlushDeletes();
  const TIniFile ini(programDir + "vhedit.ini");
  EXPECT_TRUE(ini.ReadBool("General", "MatchGroup", false));
  EXPECT_FALSE(ini.ReadBool("General", "AutoCoasts", true));
}

TEST_F(MapEdits, ThePointerPanelsToolTipSaysWhereTheCellsPicturesStandInTheirGroups) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(SeaMission("miss055.dat"));
  TMissView& map = *w->MissView();
  const int group = LandGroup(2);
  ASSERT_GE(group, 0);
  const std::vector<int16_t> pictures = palette->PictureGroups(0)->Pictures(group);
  ChooseTerrain(pictures[1]);
  test::Hover(map, {4, 4});
  Click(map, {4, 4});
  const QString tip = frame->StatusPanels()->PointerPanel->toolTip();
  const QString place = QStringLiteral("Terrain: group %1, picture %2, 2 of %3")
                            .arg(group + 1)
                            .arg(pictures[1])
                            .arg(pictures.size());
  EXPECT_TRUE(tip.contains(place)) << tip.toStdString();
  EXPECT_TRUE(tip.contains(QStringLiteral("Object: none"))) << tip.toStdString();
}

}  // namespace
}  // namespace vh
