// Focus and keys with two missions open, driven by real events: undo from
// the tool bar keeps the current window and the palette with it, shortcuts
// reach the frame wherever the focus is, the history window's highlight
// is where the mission is, the pointer panel follows a paint, and the
// keyboard moves the map's cursor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

#include "shell/FrameFixture.h"
#include "shell/HistoryDock.h"
#include "shell/MainStatusBar.h"
#include "shell/MapMouse.h"
#include "tools/COMPMultiSelView.h"
#include "tools/COMPSpinEdit.h"
#include "tools/MDIPicturesForm.h"
#include "views/COMPMissView.h"

namespace vh {
namespace {

using test::CentreOf;
using test::Click;
using test::Hover;
using test::Mouse;
using test::RightClick;

class FocusAndKeys : public test::FrameFixture {
protected:
  TMDIPictures* palette = nullptr;
  TMDIMiss* first = nullptr;
  TMDIMiss* second = nullptr;

  // miss001 and miss002 of the demo game, miss002 in front.
  void StartWithTwo() {
    Start();
    ASSERT_TRUE(started);
    palette = dynamic_cast<TMDIPictures*>(frame->EditWindow());
    ASSERT_NE(palette, nullptr);
    test::ShowActive(frame);
    first = frame->OpenMissionFile(gameDir + "MIS/miss001.dat");
    second = frame->OpenMissionFile(gameDir + "MIS/miss002.dat");
    QApplication::processEvents();
    ASSERT_EQ(frame->ActiveMiss(), second);
  }
  void ClickTab(int page) {
    QTabBar* bar = palette->PageControl->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(page).center());
    ASSERT_EQ(palette->PageControl->currentIndex(), page);
  }
  // Clicks into a number field and types over its text.
  static void TypeInto(TSpinEdit* field, const QString& text) {
    QLineEdit* edit = field->findChild<QLineEdit*>();
    QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
    ASSERT_TRUE(field->hasFocus() || edit->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), text);
  }
  void ClickToolBar(QAction* action) {
    QWidget* button = frame->ToolBar->widgetForAction(action);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
  }
  // A key as the user presses it, to whatever has the focus.
  static void Press(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, static_cast<Qt::Key>(key), mods);
  }
  int ShopEnergy(TMDIMiss* w, int16_t shop) { return w->Mission().GetShop(shop)->Energy; }
};

TEST_F(FocusAndKeys, UndoOfAPaletteEditKeepsTheWindowAndThePaletteOnIt) {
  StartWithTwo();
  TMissView& map = *second->MissView();
  ASSERT_EQ(map.Mission().Cell({10, 8}).Shop, 0);
  RightClick(map, {10, 8});
  ClickTab(TMDIPictures::pgShop);
  ASSERT_EQ(palette->CurrentShop(), 0);
  const int energy = ShopEnergy(second, 0);
  ASSERT_EQ(palette->EnergyEdit->Value(), energy);
  TypeInto(palette->EnergyEdit, "222");
  Press(Qt::Key_Tab);
  ASSERT_EQ(ShopEnergy(second, 0), 222);
  ASSERT_TRUE(second->isWindowModified());

  ClickToolBar(frame->EditUndoItem);
  QApplication::processEvents();
  EXPECT_EQ(ShopEnergy(second, 0), energy);
  EXPECT_EQ(palette->EnergyEdit->Value(), energy);
  EXPECT_EQ(frame->ActiveMiss(), second) << "undo changed the current window";
  EXPECT_EQ(frame->MdiArea()->activeSubWindow()->widget(), second);
  EXPECT_EQ(palette->FollowedView(), second->MissView());
  EXPECT_FALSE(second->isWindowModified());

  // Typing goes on into the mission in front, and only that one changes.
  TypeInto(palette->EPEdit, "7");
  Press(Qt::Key_Tab);
  EXPECT_EQ(second->Mission().GetShop(0)->EP, 7);
  EXPECT_TRUE(second->isWindowModified());
  EXPECT_FALSE(first->isWindowModified());
  EXPECT_EQ(first->MissView()->History().Count(), 0u);
}

TEST_F(FocusAndKeys, AShopUndoneAwayLeavesTheFocusInThePalette) {
  StartWithTwo();
  TMissView& map = *second->MissView();
  RightClick(map, {2, 2});
  ASSERT_EQ(map.Mission().Cell({2, 2}).Shop, -1);
  ClickTab(TMDIPictures::pgShop);
  QTest::mouseClick(palette->ShopButton, Qt::LeftButton);  // "New"
  ASSERT_NE(palette->CurrentShop(), -1);
  TypeInto(palette->EnergyEdit, "12");
  // Ctrl+Z in the field: its own typing first, then the steps, down to the
  // new shop, whose fields are disabled with the focus in one of them.
  for (int i = 0; i < 8 && map.Mission().Cell({2, 2}).Shop != -1; ++i)
    Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(map.Mission().Cell({2, 2}).Shop, -1);
  EXPECT_EQ(frame->ActiveMiss(), second);
  EXPECT_EQ(frame->MdiArea()->activeSubWindow()->widget(), second);
  EXPECT_TRUE(palette->isAncestorOf(QApplication::focusWidget()));
}

TEST_F(FocusAndKeys, CtrlZInAFieldTakesBackItsTypingThenTheMissionsSteps) {
  StartWithTwo();
  TMissView& map = *second->MissView();
  // An earlier step: a stroke of terrain.
  palette->PageControl->setCurrentIndex(TMDIPictures::pgTerrain);
  RightClick(*palette->TerSelector, {2, 0});
  const int16_t painted = map.Mission().Cell({3, 3}).Terrain;
  test::Stroke(map, {{3, 3}});
  ASSERT_EQ(map.History().Count(), 1u);
  ASSERT_NE(map.Mission().Cell({3, 3}).Terrain, painted);

  RightClick(map, {10, 8});
  ClickTab(TMDIPictures::pgShop);
  const int energy = ShopEnergy(second, 0);
  TypeInto(palette->EnergyEdit, "222");
  ASSERT_EQ(ShopEnergy(second, 0), 222);
  // The field has typing of its own: it goes first.
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(palette->EnergyEdit->hasFocus() ||
              palette->EnergyEdit->isAncestorOf(QApplication::focusWidget()));
  EXPECT_NE(map.Mission().Cell({3, 3}).Terrain, painted) << "the stroke waits until the field is done";
  // After Tab the next field has nothing to take back: Ctrl+Z undoes the
  // energy step, then the stroke.
  Press(Qt::Key_Tab);
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(ShopEnergy(second, 0), energy);
  Press(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(map.Mission().Cell({3, 3}).Terrain, painted);
  EXPECT_EQ(map.History().Position(), 0u);
  Press(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_NE(map.Mission().Cell({3, 3}).Terrain, painted);
  EXPECT_EQ(frame->ActiveMiss(), second);
}

TEST_F(FocusAndKeys, TheLayerCounterGivesTheFocusBackAndToolKeysWorkOutsideTextFields) {
  StartWithTwo();
  QSpinBox* counter = frame->DFNrCounter;
  QStyleOptionSpinBox option;
  option.initFrom(counter);
  option.subControls = QStyle::SC_All;
  const QRect up =
      counter->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, counter);
  QTest::mouseClick(counter, Qt::LeftButton, {}, up.center());
  QApplication::processEvents();
  EXPECT_EQ(counter->value(), 1);
  EXPECT_EQ(QApplication::focusWidget(), second->MissView()) << "the map has the keys again";
  Press(Qt::Key_F);
  EXPECT_TRUE(frame->FillToolItem->isChecked());
  Press(Qt::Key_L);
  EXPECT_TRUE(frame->LineToolItem->isChecked());

  // Typing a number and Return: the same.
  QLineEdit* edit = counter->findChild<QLineEdit*>();
  QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(QApplication::focusWidget(), "3");
  Press(Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(counter->value(), 3);
  EXPECT_EQ(QApplication::focusWidget(), second->MissView());
  Press(Qt::Key_B);
  EXPECT_TRUE(frame->PaintToolItem->isChecked());

  // In a selector of the palette and in the history list the keys work.
  palette->TerSelector->setFocus();
  Press(Qt::Key_F);
  EXPECT_TRUE(frame->FillToolItem->isChecked());
  frame->EditHistoryItem->trigger();
  frame->HistoryDock()->List()->setFocus();
  Press(Qt::Key_L);
  EXPECT_TRUE(frame->LineToolItem->isChecked());
  // In a text field a letter is a letter.
  ClickTab(TMDIPictures::pgShop);
  RightClick(*second->MissView(), {10, 8});
  palette->ShopNameEdit->setFocus();
  Press(Qt::Key_B);
  EXPECT_TRUE(frame->LineToolItem->isChecked());
  EXPECT_TRUE(palette->ShopNameEdit->text().endsWith('b'));
}

TEST_F(FocusAndKeys, AnyClickOnAHistoryRowGoesThere) {
  StartWithTwo();
  TMissView& map = *second->MissView();
  palette->PageControl->setCurrentIndex(TMDIPictures::pgTerrain);
  RightClick(*palette->TerSelector, {2, 0});
  const TMissionCell before = map.Mission().Cell({4, 4});
  test::Stroke(map, {{4, 4}});
  test::Stroke(map, {{6, 6}});
  frame->EditHistoryItem->trigger();
  QListWidget* list = frame->HistoryDock()->List();
  ASSERT_EQ(list->count(), 3);
  QTest::mouseClick(list->viewport(), Qt::RightButton, {}, list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(map.History().Position(), 0u);
  EXPECT_EQ(map.Mission().Cell({4, 4}), before);
  EXPECT_EQ(list->currentRow(), 0);
  EXPECT_FALSE(second->isWindowModified());
  // The keyboard, too: one row down is one step on.
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(map.History().Position(), 1u);
  EXPECT_EQ(list->currentRow(), 1);
  EXPECT_TRUE(second->isWindowModified());
}

TEST_F(FocusAndKeys, ThePointerPanelShowsWhatAPaintLeft) {
  StartWithTwo();
  TMissView& map = *second->MissView();
  palette->PageControl->setCurrentIndex(TMDIPictures::pgTerrain);
  RightClick(*palette->TerSelector, {2, 0});
  const int16_t terrain = static_cast<int16_t>(palette->TerSelector->CurrentValue());
  ASSERT_NE(map.Mission().Cell({20, 5}).Terrain, terrain);
  Hover(map, {20, 5});
  Click(map, {20, 5});
  ASSERT_EQ(map.Mission().Cell({20, 5}).Terrain, terrain);
  EXPECT_TRUE(frame->StatusPanels()->PointerPanel->text().startsWith(
      QStringLiteral("Pointer 20:5   Ter: %1   ").arg(terrain)))
      << frame->StatusPanels()->PointerPanel->text().toStdString();
}

TEST_F(FocusAndKeys, ArrowKeysMoveTheCursorAndCtrlClickPicks) {
  StartWithTwo();
  TMissView& map = *second->MissView();
  RightClick(map, {6, 6});
  map.setFocus();
  // Even column 6: right to odd 7 on the same row, which is its lower
  // right neighbour; up and down stay in the column.
  Press(Qt::Key_Right);
  EXPECT_EQ(map.CursorPos(), (TPoint{7, 6}));
  Press(Qt::Key_Right);
  EXPECT_EQ(map.CursorPos(), (TPoint{8, 6}));
  Press(Qt::Key_Up);
  EXPECT_EQ(map.CursorPos(), (TPoint{8, 5}));
  Press(Qt::Key_Left);
  EXPECT_EQ(map.CursorPos(), (TPoint{7, 5}));
  Press(Qt::Key_Down);
  EXPECT_EQ(map.CursorPos(), (TPoint{7, 6}));
  // The palette follows the cursor as with the mouse.
  RightClick(map, {10, 7});
  map.setFocus();
  Press(Qt::Key_Down);
  EXPECT_EQ(map.CursorPos(), (TPoint{10, 8}));
  EXPECT_EQ(palette->CurrentShop(), 0);
  // At the map's edge the cursor stays.
  RightClick(map, {0, 0});
  map.setFocus();
  Press(Qt::Key_Left);
  Press(Qt::Key_Up);
  EXPECT_EQ(map.CursorPos(), (TPoint{0, 0}));
  EXPECT_FALSE(second->isWindowModified());

  // Ctrl + click picks the cell's picture and paints nothing.
  palette->PageControl->setCurrentIndex(TMDIPictures::pgTerrain);
  const int16_t there = map.Mission().Cell({12, 3}).Terrain;
  ASSERT_NE(there, -1);
  RightClick(*palette->TerSelector, {0, 0});
  Mouse(map, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, CentreOf(map, {12, 3}),
        Qt::ControlModifier);
  Mouse(map, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, CentreOf(map, {12, 3}),
        Qt::ControlModifier);
  EXPECT_EQ(palette->TerSelector->CurrentValue(), there);
  EXPECT_EQ(map.CursorPos(), (TPoint{12, 3}));
  // Dragged on, the pick's press paints nothing either.
  RightClick(*palette->TerSelector, {0, 0});
  Mouse(map, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, CentreOf(map, {12, 3}),
        Qt::ControlModifier);
  Mouse(map, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, CentreOf(map, {14, 3}), Qt::ControlModifier);
  Mouse(map, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, CentreOf(map, {14, 3}),
        Qt::ControlModifier);
  EXPECT_EQ(palette->TerSelector->CurrentValue(), there);
  EXPECT_EQ(map.History().Count(), 0u);
  EXPECT_FALSE(second->isWindowModified());
}

TEST_F(FocusAndKeys, ArrowKeysScrollTheMapAlong) {
  StartWithTwo();
  TMissView& map = *second->MissView();
  second->Navigator()->SetZoom(400);
  RightClick(map, {0, 0});
  map.setFocus();
  const QPoint origin = map.mapTo(second, QPoint(0, 0));
  for (int i = 0; i < 30; ++i)
    Press(Qt::Key_Down);
  EXPECT_EQ(map.CursorPos(), (TPoint{0, 30}));
  EXPECT_NE(map.mapTo(second, QPoint(0, 0)), origin) << "the map scrolled with the cursor";
  const QPoint cell = map.mapTo(second, CentreOf(map, {0, 30}));
  EXPECT_TRUE(second->rect().contains(cell)) << "the cursor cell is in view";
}

}  // namespace
}  // namespace vh
