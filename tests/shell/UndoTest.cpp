// Undo and redo driven through the real windows: strokes, keys, menu
// items, the palette, the generator, the settings dialog and the history window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

#include "shell/DLGUtility.h"
#include "shell/FrameFixture.h"
#include "shell/HistoryDock.h"
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

class UndoFixture : public test::FrameFixture {
protected:
  TMDIPictures* palette = nullptr;

  void StartShown() {
    Start();
    ASSERT_TRUE(started);
    palette = dynamic_cast<TMDIPictures*>(frame->EditWindow());
    ASSERT_NE(palette, nullptr);
    test::ShowActive(frame);
  }
  static void Key(TMissView& map, int key, Qt::KeyboardModifiers mods = Qt::ControlModifier) {
    test::KeyOn(map, key, mods);
  }
  void PaintTerrain(TMissView& map, std::initializer_list<TPoint> cells) {
    palette->PageControl->setCurrentIndex(TMDIPictures::pgTerrain);
    RightClick(*palette->TerSelector, {2, 0});
    Stroke(map, cells);
  }
};

TEST_F(UndoFixture, AStrokeUndoneWithCtrlZSavesTheFileAsItWasOpened) {
  StartShown();
  const std::string path = gameDir + "MIS/miss001.dat";
  const ByteStream opened = ReadWholeFile(path, 1 << 24);
  TMDIMiss* w = frame->OpenMissionFile(path);
  TMissView& map = *w->MissView();
  EXPECT_FALSE(frame->EditUndoItem->isEnabled());
  EXPECT_EQ(frame->EditUndoItem->text(), "&Undo");
  const TMission before = map.Mission();
  PaintTerrain(map, {{10, 5}, {11, 5}, {12, 6}, {13, 6}});
  const TPoint cursor = map.CursorPos();
  ASSERT_NE(map.Mission().Cells[5][10].Terrain, before.Cells[5][10].Terrain);
  EXPECT_EQ(map.History().Count(), 1u);
  EXPECT_TRUE(frame->EditUndoItem->isEnabled());
  EXPECT_EQ(frame->EditUndoItem->text(), "&Undo Paint Terrain");
  EXPECT_FALSE(frame->EditRedoItem->isEnabled());
  EXPECT_TRUE(w->isWindowModified());

  Key(map, Qt::Key_Z);
  EXPECT_EQ(map.Mission().Cells, before.Cells);
  EXPECT_FALSE(map.IsModified());
  EXPECT_FALSE(w->isWindowModified());
  EXPECT_EQ(frame->EditRedoItem->text(), "&Redo Paint Terrain");
  EXPECT_FALSE(frame->EditUndoItem->isEnabled());
  EXPECT_EQ(map.CursorPos(), cursor);

  // Both redo keys, with an undo between.
  Key(map, Qt::Key_Y);
  EXPECT_NE(map.Mission().Cells, before.Cells);
  Key(map, Qt::Key_Z);
  Key(map, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_NE(map.Mission().Cells, before.Cells);
  EXPECT_TRUE(map.IsModified());
  Key(map, Qt::Key_Z);

  w->Save();
  EXPECT_EQ(ReadWholeFile(path, 1 << 24), opened);
}

TEST_F(UndoFixture, AGeneratorTransferIsOneStep) {
  StartShown();
  TMDIMiss* w = frame->NewMissionWindow(24, 16);
  frame->ToggleGenerator();
  frame->Generator()->GenerateButtonClick();
  frame->Generator()->OKButtonClick();
  EXPECT_NE(w->Mission().Cells[3][3].Terrain, -1);
  EXPECT_EQ(frame->EditUndoItem->text(), "&Undo Transfer Map");
  EXPECT_EQ(w->MissView()->History().StepCells(0), 24u * 16u);
  frame->EditUndoItem->trigger();
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 24; ++x)
      ASSERT_EQ(w->Mission().Cells[y][x].Terrain, -1) << x << "," << y;
  EXPECT_FALSE(w->MissView()->IsModified());
  frame->EditRedoItem->trigger();
  EXPECT_NE(w->Mission().Cells[3][3].Terrain, -1);
}

TEST_F(UndoFixture, ANewShopUndoneLeavesTheShopListAgain) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  TMissView& map = *w->MissView();
  RightClick(map, {16, 9});
  palette->PageControl->setCurrentIndex(TMDIPictures::pgShop);
  ASSERT_EQ(map.Mission().Cells[9][16].Shop, -1);
  const int shops = palette->ShopNameCombo->count();
  QTest::mouseClick(palette->ShopButton, Qt::LeftButton);
  ASSERT_NE(map.Mission().Cells[9][16].Shop, -1);
  EXPECT_EQ(palette->ShopNameCombo->count(), shops + 1);
  EXPECT_EQ(frame->EditUndoItem->text(), "&Undo New Shop");

  // Typing a name is one more step, however many letters.
  palette->ShopNameEdit->setFocus();
  palette->ShopNameEdit->selectAll();
  QTest::keyClicks(palette->ShopNameEdit, "Testburg");
  EXPECT_EQ(map.History().Count(), 2u);
  EXPECT_EQ(frame->EditUndoItem->text(), "&Undo Shop Name");

  frame->EditUndoItem->trigger();
  EXPECT_EQ(palette->ShopNameEdit->text(), "Shop Nr. " + QString::number(map.Mission().Cells[9][16].Shop));
  frame->EditUndoItem->trigger();
  EXPECT_EQ(map.Mission().Cells[9][16].Shop, -1);
  EXPECT_EQ(palette->ShopNameCombo->count(), shops);
  EXPECT_EQ(palette->ShopButton->text(), "&New");
  EXPECT_EQ(map.CursorPos(), (TPoint{16, 9}));
  EXPECT_EQ(frame->EditRedoItem->text(), "&Redo New Shop");
  frame->EditRedoItem->trigger();
  EXPECT_EQ(palette->ShopNameCombo->count(), shops + 1);
  EXPECT_EQ(palette->ShopButton->text(), "&Delete");
}

TEST_F(UndoFixture, SettingsOkIsOneStepOnlyWhenSomethingChanged) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  const uint16_t next = w->Mission().NextMission;
  auto answer = [](bool change) {
    QTimer::singleShot(0, [change] {
      auto* form = qobject_cast<TSettingsForm*>(QApplication::activeModalWidget());
      ASSERT_NE(form, nullptr);
      if (change)
        form->NextMission->setValue(form->NextMission->value() + 1);
      form->OKButton->click();
    });
  };
  answer(false);
  frame->SettingsItem->trigger();
  EXPECT_EQ(w->MissView()->History().Count(), 0u);
  answer(true);
  frame->SettingsItem->trigger();
  EXPECT_EQ(w->Mission().NextMission, next + 1);
  EXPECT_EQ(frame->EditUndoItem->text(), "&Undo Settings");
  frame->EditUndoItem->trigger();
  EXPECT_EQ(w->Mission().NextMission, next);
  EXPECT_FALSE(w->MissView()->IsModified());
}

TEST_F(UndoFixture, EachWindowHasItsOwnHistoryAndTheHistoryWindowGoesToARow) {
  StartShown();
  TMDIMiss* a = frame->NewMissionWindow(24, 16);
  PaintTerrain(*a->MissView(), {{1, 1}, {2, 1}});
  PaintTerrain(*a->MissView(), {{5, 5}});
  TMDIMiss* b = frame->NewMissionWindow(20, 12);
  EXPECT_FALSE(frame->EditUndoItem->isEnabled());
  PaintTerrain(*b->MissView(), {{3, 3}});
  EXPECT_EQ(b->MissView()->History().Count(), 1u);
  EXPECT_EQ(a->MissView()->History().Count(), 2u);

  frame->MdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(a->parentWidget()));
  ASSERT_EQ(frame->ActiveMiss(), a);
  EXPECT_EQ(frame->EditUndoItem->text(), "&Undo Paint Terrain");
  ASSERT_FALSE(frame->HistoryDock()->isVisible());
  frame->EditHistoryItem->trigger();
  ASSERT_TRUE(frame->HistoryDock()->isVisible());
  QListWidget* list = frame->HistoryDock()->List();
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(0)->text(), "Start   (saved)");
  EXPECT_EQ(list->item(1)->text(), QStringLiteral("Paint Terrain \u2014 2 cells"));
  EXPECT_EQ(list->item(2)->text(), QStringLiteral("Paint Terrain \u2014 1 cell"));
  EXPECT_EQ(list->currentRow(), 2);

  // A click on the first row goes back to the start of window a alone.
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(a->MissView()->History().Position(), 0u);
  EXPECT_EQ(a->Mission().Cells[1][1].Terrain, -1);
  EXPECT_NE(b->Mission().Cells[3][3].Terrain, -1);
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_FALSE(frame->EditUndoItem->isEnabled());
  EXPECT_EQ(frame->EditRedoItem->text(), "&Redo Paint Terrain");
}

TEST_F(UndoFixture, CursorPicksFiltersAndLayersAreNoSteps) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
  TMissView& map = *w->MissView();
  RightClick(map, {7, 7});
  QPoint at = CentreOf(map, {4, 4});
  Mouse(map, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, at);
  Mouse(map, QEvent::MouseButtonPress, Qt::LeftButton, Qt::RightButton | Qt::LeftButton, at);
  Mouse(map, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::RightButton, at);
  Mouse(map, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, at);
  frame->FilterActions[mfDFLayer]->trigger();
  frame->SelectDFLayer(3);
  frame->SelectDFLayer(0);
  frame->FilterActions[mfObjects]->trigger();
  EXPECT_EQ(map.History().Count(), 0u);
  EXPECT_FALSE(frame->EditUndoItem->isEnabled());
  EXPECT_FALSE(map.IsModified());
}

TEST_F(UndoFixture, TheEditMenuStandsBetweenFileAndView) {
  StartShown();
  QStringList menus;
  for (QAction* a : frame->menuBar()->actions())
    menus << a->text();
  ASSERT_GE(menus.size(), 3);
  EXPECT_EQ(menus.mid(0, 3), (QStringList{"&File", "&Edit", "&View"}));
  EXPECT_EQ(frame->EditUndoItem->shortcut(), QKeySequence(QKeySequence::Undo));
  EXPECT_TRUE(frame->EditRedoItem->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
  EXPECT_TRUE(frame->EditRedoItem->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
  EXPECT_TRUE(frame->ToolBar->actions().contains(frame->EditUndoItem));
  EXPECT_TRUE(frame->ToolBar->actions().contains(frame->EditRedoItem));
}

}  // namespace
}  // namespace vh
