#include <gtest/gtest.h>

#include <set>
#include <utility>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "config/IniFile.h"
#include "hexmap/HexGeometry.h"
#include "shell/DLGUtility.h"
#include "shell/FrameFixture.h"
#include "shell/MainStatusBar.h"
#include "shell/MapMouse.h"
#include "shell/VhApplication.h"
#include "tools/COMPMultiSelView.h"
#include "tools/COMPSpinEdit.h"
#include "tools/MDIPicturesForm.h"
#include "views/COMPMissView.h"

namespace vh {
namespace {

using test::CentreOf;
using test::Mouse;
using test::RightClick;
using test::Stroke;

using MapEditing = test::FrameFixture;
namespace fs = std::filesystem;

// Whatever the view shows equals the map drawn afresh.
bool ShowsCurrentMission(TMissView& map) {
  const std::vector<uint8_t> shown = map.MapBitmap().Pixels;
  map.RedrawAll();
  return shown == map.MapBitmap().Pixels;
}

TEST_F(MapEditing, AQuickStrokePaintsEveryCellBetweenTheMovesItReported) {
  Start();
  ASSERT_TRUE(started);
  auto* palette = dynamic_cast<TMDIPictures*>(frame->EditWindow());
  TMDIMiss* w = frame->OpenMissionFile(SampleMission("stroke.dat"));
  TMissView& map = *w->MissView();
  palette->PageControl->setCurrentIndex(TMDIPictures::pgTerrain);
  test::RightClick(*palette->TerSelector, {2, 0});
  const int16_t terrain = palette->TerSelector->CurrentValue();
  ASSERT_NE(terrain, -1);

  std::set<std::pair<int, int>> before;
  for (int y = 0; y < map.Rows(); ++y)
    for (int x = 0; x < map.Cols(); ++x)
      if (map.Mission().Cells[y][x].Terrain == terrain)
        before.insert({x, y});

  // Two reported moves, far apart: across six columns and down again.
  QTest::mousePress(&map, Qt::LeftButton, Qt::NoModifier, CentreOf(map, {10, 5}));
  QTest::mouseMove(&map, CentreOf(map, {16, 8}));
  QTest::mouseMove(&map, CentreOf(map, {16, 13}));
  QTest::mouseRelease(&map, Qt::LeftButton, Qt::NoModifier, CentreOf(map, {16, 13}));

  std::vector<TPoint> painted;
  for (int y = 0; y < map.Rows(); ++y)
    for (int x = 0; x < map.Cols(); ++x)
      if (map.Mission().Cells[y][x].Terrain == terrain && !before.count({x, y}))
        painted.push_back({x, y});
  // A path of neighbouring cells: 6 steps to (16, 8), 5 more to (16, 13).
  const auto has = [&](TPoint c) { return std::find(painted.begin(), painted.end(), c) != painted.end(); };
  EXPECT_TRUE(has({10, 5}));
  EXPECT_TRUE(has({16, 8}));
  for (int y = 9; y <= 13; ++y)
    EXPECT_TRUE(has({16, y})) << y;
  for (int x = 11; x <= 15; ++x) {
    int inColumn = 0;
    for (TPoint c : painted)
      inColumn += c.x == x;
    EXPECT_EQ(inColumn, 1) << "column " << x;
  }
  for (TPoint c : painted) {
    if (c == TPoint{10, 5})
      continue;
    bool joined = false;
    for (int d = 0; d < DirectionCount; ++d)
      joined = joined || has(Neighbour(c, d));
    EXPECT_TRUE(joined) << c.x << "," << c.y;
  }
  EXPECT_LE(painted.size(), 12u);
  EXPECT_TRUE(ShowsCurrentMission(map));

  // The next stroke starts beside the cells (the map's corner belongs to no
  // cell): it does not go on from where the last one ended. The events go
  // straight to the map, wherever it is scrolled to.
  const size_t before2 = painted.size();
  const auto send = [&map](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
    QMouseEvent event(type, QPointF(at), QPointF(map.mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&map, &event);
  };
  const QPoint corner = map.BitmapToWidget(map.CellToPoint({0, 0}));
  send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, corner);
  send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, CentreOf(map, {4, 14}));
  send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, CentreOf(map, {4, 14}));
  EXPECT_EQ(map.Mission().Cells[14][4].Terrain, terrain);
  int count = 0;
  for (int y = 0; y < map.Rows(); ++y)
    for (int x = 0; x < map.Cols(); ++x)
      count += map.Mission().Cells[y][x].Terrain == terrain && !before.count({x, y});
  EXPECT_EQ(count, static_cast<int>(before2) + 1);
}

void RightClickOn(TEckView& view, TPoint cell) {
  QTest::mousePress(&view, Qt::RightButton, Qt::NoModifier, CentreOf(view, cell));
  QTest::mouseRelease(&view, Qt::RightButton, Qt::NoModifier, CentreOf(view, cell));
}

QStringList Items(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i)
    items << box.itemText(i);
  return items;
}

TEST_F(MapEditing, ClearWithFilterLeavesNothingShownOfWhatItCleared) {
  Start();
  auto* palette = dynamic_cast<TMDIPictures*>(frame->EditWindow());
  TMDIMiss* w = frame->OpenMissionFile(SampleMission("clear.dat"));
  TMissView& map = *w->MissView();

  // The unit under the cursor: shown in the status bar and on the Vehicle page.
  RightClickOn(map, {5, 4});
  EXPECT_EQ(frame->StatusPanels()->VehPanel->text(), UnitPanelText(0x0203));
  EXPECT_TRUE(palette->IsAI->isEnabled());
  frame->ClearFilterItem->trigger();  // terrain, objects and units of the map
  ASSERT_EQ(map.Mission().Cells[4][5].Vehicle, NoUnit);
  EXPECT_EQ(frame->StatusPanels()->VehPanel->text(), UnitPanelText(0xFFFF));
  EXPECT_FALSE(palette->IsAI->isEnabled());

  // The shop under the cursor, with shops in the filter.
  RightClickOn(map, {6, 6});
  palette->PageControl->setCurrentIndex(TMDIPictures::pgShop);
  ASSERT_EQ(Items(*palette->ShopNameCombo).size(), 1);
  EXPECT_TRUE(palette->PriorityEdit->isEnabled());
  frame->FilterActions[mfShopMarks]->trigger();
  ASSERT_TRUE(map.FilterOn(mfShopMarks));
  frame->ClearFilterItem->trigger();
  ASSERT_EQ(map.Mission().Cells[6][6].Shop, -1);
  EXPECT_TRUE(Items(*palette->ShopNameCombo).isEmpty());
  EXPECT_FALSE(palette->PriorityEdit->isEnabled());
  // A new shop is the only one.
  QTest::mouseClick(palette->ShopButton, Qt::LeftButton);
  ASSERT_NE(map.Mission().Cells[6][6].Shop, -1);
  EXPECT_EQ(Items(*palette->ShopNameCombo).size(), 1)
      << Items(*palette->ShopNameCombo).join(", ").toStdString();
}

TEST_F(MapEditing, ATransferredMapIsShownInTheStatusBar) {
  Start();
  TMDIMiss* w = frame->NewMissionWindow(24, 16);
  RightClickOn(*w->MissView(), {3, 3});
  EXPECT_EQ(frame->StatusPanels()->TerPanel->text(), PartPanelText("Ter: ", 0xFFFF));
  frame->ToggleGenerator();
  ASSERT_NE(frame->Generator(), nullptr);
  QTest::mouseClick(frame->Generator()->GenerateButton, Qt::LeftButton);
  QTest::mouseClick(frame->Generator()->OKButton, Qt::LeftButton);
  const int16_t terrain = w->Mission().Cells[3][3].Terrain;
  ASSERT_NE(terrain, -1);
  EXPECT_EQ(frame->StatusPanels()->TerPanel->text(), PartPanelText("Ter: ", static_cast<uint16_t>(terrain)));
}

TEST_F(MapEditing, APressOnAMapBringsItsWindowToTheFront) {
  Start();
  TMDIMiss* a = frame->NewMissionWindow(24, 16);
  TMDIMiss* b = frame->NewMissionWindow(24, 16);
  auto* subA = qobject_cast<QMdiSubWindow*>(a->parentWidget());
  auto* subB = qobject_cast<QMdiSubWindow*>(b->parentWidget());
  ASSERT_TRUE(subA && subB);
  subA->setGeometry(0, 0, 300, 300);
  subB->setGeometry(40, 40, 300, 300);
  subB->raise();
  ASSERT_EQ(frame->MdiArea()->subWindowList(QMdiArea::StackingOrder).last(), subB);
  // A cell of a's map that b does not cover.
  const QPoint at = CentreOf(*a->MissView(), {0, 0});
  QTest::mousePress(a->MissView(), Qt::RightButton, Qt::NoModifier, at);
  QTest::mouseRelease(a->MissView(), Qt::RightButton, Qt::NoModifier, at);
  EXPECT_EQ(frame->MdiArea()->subWindowList(QMdiArea::StackingOrder).last(), subA);
}

TEST_F(MapEditing, TheLayerNumberLabelIsDisabledWithoutAMission) {
  Start();
  ASSERT_NE(frame->DFNrLabel, nullptr);
  EXPECT_FALSE(frame->DFNrLabel->isEnabled());
  TMDIMiss* w = frame->NewMissionWindow(24, 16);
  EXPECT_TRUE(frame->DFNrLabel->isEnabled());
  EXPECT_TRUE(frame->DFNrCounter->isEnabled());
  w->SetDiscardOnClose();
  qobject_cast<QMdiSubWindow*>(w->parentWidget())->close();
  test::FlushDeletes();
  EXPECT_FALSE(frame->DFNrLabel->isEnabled());
}

TEST_F(MapEditing, TheSeedMakesALandscapeAgainAndThePreviewFrameFitsIt) {
  Start();
  frame->NewMissionWindow(24, 16);
  frame->ToggleGenerator();
  TUtilityForm& g = *frame->Generator();
  const auto generate = [&] {
    QTest::mouseClick(g.GenerateButton, Qt::LeftButton);
    return g.Generator().Preview().Pixels;
  };
  // Empty: from the clock, and the seed it took is offered.
  const auto fromClock = generate();
  const QString last = QString::number(g.Generator().LastSeed());
  EXPECT_TRUE(g.SeedEdit->placeholderText().endsWith(last)) << g.SeedEdit->placeholderText().toStdString();
  QTest::keyClicks(g.SeedEdit, last);
  EXPECT_EQ(generate(), fromClock);
  g.SeedEdit->clear();
  QTest::keyClicks(g.SeedEdit, "12345x678");  // digits only
  EXPECT_EQ(g.SeedEdit->text(), "12345678");
  const auto seeded = generate();
  EXPECT_EQ(generate(), seeded);
  EXPECT_NE(seeded, fromClock);

  const TPreview& p = g.Generator().Preview();
  ASSERT_GT(p.Width, 0);
  EXPECT_EQ(g.Image->size(), QSize(p.Width + 2, p.Height + 2));
  EXPECT_EQ(g.Image->contentsRect().size(), QSize(p.Width, p.Height));
}

TEST_F(MapEditing, TheGeneratorWindowRemembersItsSettingsInTheIniFile) {
  WriteIni("[General]\r\nVarnholtDir=" + gameDir +
           "\r\n[Generator]\r\nRoughness=150\r\nTerrainType=1\r\nTextured=1\r\nBorder0=50\r\n"
           "Border1=80\r\nBorder2=130\r\nSeed=4242\r\n");
  Start();
  TMDIMiss* w = frame->NewMissionWindow(24, 16);
  frame->ToggleGenerator();
  TUtilityForm* g = frame->Generator();
  EXPECT_EQ(g->RoughnessEdit->value(), 150);
  EXPECT_EQ(g->TerrainType->checkedId(), 1);
  EXPECT_TRUE(g->TexturedCheckBox->isChecked());
  EXPECT_EQ(g->BorderEdits[0]->value(), 50);
  EXPECT_EQ(g->BorderEdits[1]->value(), 80);
  EXPECT_EQ(g->BorderEdits[2]->value(), 130);
  EXPECT_EQ(g->SeedEdit->text(), "4242");
  EXPECT_EQ(w->MissView()->Generator.Roughness, 150);

  g->RoughnessEdit->selectAll();
  QTest::keyClicks(g->RoughnessEdit, "170");
  g->SeedEdit->clear();
  QTest::keyClicks(g->SeedEdit, "77");
  QTest::mouseClick(g->CancelButton, Qt::LeftButton);
  test::FlushDeletes();
  ASSERT_EQ(frame->Generator(), nullptr);
  const TIniFile ini(programDir + "vhedit.ini");
  EXPECT_EQ(ini.ReadInteger("Generator", "Roughness", 0), 170);
  EXPECT_EQ(ini.ReadString("Generator", "Seed", ""), "77");
  EXPECT_EQ(ini.ReadInteger("Generator", "Border2", 0), 130);
  EXPECT_EQ(ini.ReadString("General", "VarnholtDir", ""), gameDir);

  // The next window starts from there.
  frame->ToggleGenerator();
  EXPECT_EQ(frame->Generator()->SeedEdit->text(), "77");
  EXPECT_EQ(frame->Generator()->RoughnessEdit->value(), 170);
}

TEST_F(MapEditing, AnErrorNamesAPathWithUmlautsAsTheFileSystemHasIt) {
  Start();
  const std::string dir = gameDir + "K\xC3\xBCste";  // UTF-8, the file system's encoding
  fs::create_directories(dir);
  TMission m;
  m.SetSize({8, 8});
  m.SaveAs(dir + "/x.dat");  // with its names file
  WriteWholeFile(dir + "/x.dat", ByteStream(300, 'x'));
  QString text;
  test::AnswerNextMessageBox(QMessageBox::Ok, &text);
  EXPECT_FALSE(RunCommand(frame, [&] { frame->OpenMissionFile(dir + "/x.dat"); }));
  EXPECT_TRUE(text.contains(QString::fromUtf8("K\u00FCste/x.dat"))) << text.toStdString();
}

}  // namespace
}  // namespace vh
