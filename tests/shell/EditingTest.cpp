#include <gtest/gtest.h>

#include <QComboBox>
#include <QDockWidget>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "graphics/PictureSets.h"
#include "shell/DLGUtility.h"
#include "shell/FrameFixture.h"
#include "shell/MapMouse.h"
#include "tools/COMPMultiSelView.h"
#include "tools/DLGSettings.h"
#include "tools/MDIPicturesForm.h"
#include "views/COMPMissView.h"

namespace vh {
namespace {

using test::CentreOf;
using test::Mouse;
using test::RightClick;
using test::Stroke;

using Editing = test::FrameFixture;
using test::FlushDeletes;

TEST_F(Editing, PaintingAndAShopMadeWithTheMouseSurviveSaveAndReopen) {
  Start();
  ASSERT_TRUE(started);
  auto* palette = dynamic_cast<TMDIPictures*>(frame->EditWindow());
  ASSERT_NE(palette, nullptr);
  EXPECT_TRUE(palette->SetupError().isEmpty());
  TMDIMiss* w = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  TMissView& map = *w->MissView();
  EXPECT_EQ(palette->FollowedView(), &map);

  // Terrain: the third picture of the first group, painted along a stroke.
  palette->PageControl->setCurrentIndex(TMDIPictures::pgTerrain);
  RightClick(*palette->TerSelector, {2, 0});
  uint8_t page = 0;
  uint16_t terrain = 0;
  palette->GetSelectedPicture(page, terrain);
  ASSERT_EQ(page, TMDIPictures::pgTerrain);
  ASSERT_NE(terrain, 0xFFFF);
  Stroke(map, {{10, 5}, {11, 5}, {12, 6}});
  for (TPoint c : {TPoint{10, 5}, TPoint{11, 5}, TPoint{12, 6}})
    EXPECT_EQ(map.Mission().Cells[c.y][c.x].Terrain, static_cast<int16_t>(terrain)) << c.x << "," << c.y;

  // A unit of the second player.
  palette->PageControl->setCurrentIndex(TMDIPictures::pgVehicle);
  palette->VehOwnerComboBox->setCurrentIndex(1);
  RightClick(*palette->VehSelector, {5, 0});
  Stroke(map, {{14, 8}});
  EXPECT_EQ(map.Mission().Cells[8][14].Vehicle, 5);
  EXPECT_EQ(map.Mission().Cells[8][14].VehOwner, 1);

  // A shop on the cursor cell, named by typing.
  RightClick(map, {16, 9});
  EXPECT_EQ(map.CursorPos(), (TPoint{16, 9}));
  palette->PageControl->setCurrentIndex(TMDIPictures::pgShop);
  ASSERT_EQ(map.Mission().Cells[9][16].Shop, -1);
  QTest::mouseClick(palette->ShopButton, Qt::LeftButton);
  int16_t shop = map.Mission().Cells[9][16].Shop;
  ASSERT_NE(shop, -1);
  palette->ShopNameEdit->selectAll();
  QTest::keyClicks(palette->ShopNameEdit, "Testburg");
  EXPECT_EQ(map.Mission().GetShop(shop)->Name, "Testburg");
  EXPECT_TRUE(map.IsModified());

  // The shop page paints nothing.
  Stroke(map, {{3, 3}});
  EXPECT_NE(map.Mission().Cells[3][3].Terrain, static_cast<int16_t>(terrain));

  w->Save();
  EXPECT_FALSE(map.IsModified());
  TMDIMiss* again = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  const TMission& m = again->Mission();
  EXPECT_EQ(m.Cells[5][10].Terrain, static_cast<int16_t>(terrain));
  EXPECT_EQ(m.Cells[6][12].Terrain, static_cast<int16_t>(terrain));
  EXPECT_EQ(m.Cells[8][14].Vehicle, 5);
  EXPECT_EQ(m.Cells[8][14].VehOwner, 1);
  ASSERT_NE(m.Cells[9][16].Shop, -1);
  EXPECT_EQ(m.GetShop(m.Cells[9][16].Shop)->Name, "Testburg");
  EXPECT_EQ(m.Shops.size(), map.Mission().Shops.size());
}

TEST_F(Editing, APickShowsTheCellsPictureInThePalette) {
  Start();
  auto* palette = dynamic_cast<TMDIPictures*>(frame->EditWindow());
  TMDIMiss* w = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  TMissView& map = *w->MissView();
  int16_t terrain = map.Mission().Cells[4][4].Terrain;
  palette->PageControl->setCurrentIndex(TMDIPictures::pgTerrain);
  // Left press while the right button is held: the cursor moves there and the pick follows.
  QPoint at = CentreOf(map, {4, 4});
  Mouse(map, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, at);
  Mouse(map, QEvent::MouseButtonPress, Qt::LeftButton, Qt::RightButton | Qt::LeftButton, at);
  Mouse(map, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::RightButton, at);
  Mouse(map, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, at);
  uint8_t page = 0;
  uint16_t value = 0;
  palette->GetSelectedPicture(page, value);
  EXPECT_EQ(static_cast<int16_t>(value), terrain);
}

TEST_F(Editing, TheGeneratorFollowsTheCurrentWindowAndTransfersIntoItsMap) {
  Start();
  TMDIMiss* a = frame->NewMissionWindow(24, 16);
  frame->ToggleGenerator();
  ASSERT_NE(frame->Generator(), nullptr);
  EXPECT_TRUE(frame->GenerateMapItem->isChecked());
  EXPECT_EQ(frame->Generator()->View(), a->MissView());
  frame->Generator()->GenerateButtonClick();
  frame->Generator()->OKButtonClick();
  int water = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x)
      water += a->Mission().Cells[y][x].Terrain != -1;
  EXPECT_EQ(water, 24 * 16);
  EXPECT_TRUE(a->MissView()->IsModified());
  TMDIMiss* b = frame->NewMissionWindow(32, 20);
  EXPECT_EQ(frame->Generator()->View(), b->MissView());
  EXPECT_FALSE(frame->Generator()->OKButton->isEnabled());  // nothing generated for b
  a->MissView()->Generator.Border2 = 200;
  Activate(a);
  EXPECT_EQ(frame->Generator()->View(), a->MissView());
  EXPECT_TRUE(frame->Generator()->OKButton->isEnabled());
  EXPECT_EQ(a->MissView()->Generator.Border2, 200);
  // Closing the generator's window unchecks the command.
  frame->Generator()->CancelButton->click();
  FlushDeletes();
  EXPECT_EQ(frame->Generator(), nullptr);
  EXPECT_FALSE(frame->GenerateMapItem->isChecked());
}

}  // namespace
}  // namespace vh

namespace vh {
namespace {

// With VH_SCREENSHOT_DIR set, the editor with two demo missions and the
// generator is saved as pictures to look at.
TEST_F(Editing, ScreenshotsOfTheWholeEditor) {
  QByteArray dir = qgetenv("VH_SCREENSHOT_DIR");
  if (dir.isEmpty())
    GTEST_SKIP() << "set VH_SCREENSHOT_DIR to write the pictures";
  Start();
  frame->resize(1500, 950);
  frame->show();
  TMDIMiss* a = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  TMDIMiss* b = frame->OpenMissionFile(gameDir + "MIS/miss002.dat");
  b->MissView()->SetFilter(mfShopMarks, true);
  b->MissView()->GotoShop(b->Mission().ShopNrToIndex(0));
  QApplication::processEvents();
  auto* palette = dynamic_cast<TMDIPictures*>(frame->EditWindow());
  QWidget* paletteSub = frame->PaletteDock();
  QRect area = frame->MdiArea()->viewport()->rect();
  int left = area.width();
  qobject_cast<QMdiSubWindow*>(a->parentWidget())->setGeometry(0, 0, left / 2, area.height());
  qobject_cast<QMdiSubWindow*>(b->parentWidget())->setGeometry(left / 2, 0, left - left / 2, area.height());
  Activate(b);
  QApplication::processEvents();
  frame->grab().save(QString::fromLocal8Bit(dir) + "/editor.png");
  for (int page = 0; page < 4; ++page) {
    palette->PageControl->setCurrentIndex(page);
    QApplication::processEvents();
    paletteSub->grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/palette-%1.png").arg(page));
  }
  {
    TSettingsForm settings(frame, &GamePictures());
    settings.LoadFrom(b->Mission());
    settings.show();
    for (int page = 0; page < 4; ++page) {
      settings.findChild<QTabWidget*>()->setCurrentIndex(page);
      QApplication::processEvents();
      settings.grab().save(QString::fromLocal8Bit(dir) + QStringLiteral("/settings-%1.png").arg(page));
    }
  }
  frame->ToggleGenerator();
  frame->Generator()->GenerateButtonClick();
  QApplication::processEvents();
  frame->Generator()->grab().save(QString::fromLocal8Bit(dir) + "/generator.png");
  frame->Generator()->OKButtonClick();
  QApplication::processEvents();
  b->grab().save(QString::fromLocal8Bit(dir) + "/after-transfer.png");
}

}  // namespace
}  // namespace vh
