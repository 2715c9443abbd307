// Mission > Resize Map... and the "Change Layers" dock, driven as the user
// does: the dialog's fields and anchors, the question, the list's clicks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "config/IniFile.h"
#include "shell/ChangeLayersDock.h"
#include "shell/DLGResizeMap.h"
#include "shell/MapEditsSupport.h"
#include "shell/MapMouse.h"
#include "views/COMPMissView.h"

namespace vh {
namespace {

using test::Stroke;
using test::Terrains;

using ResizeAndLayers = test::MapEditsFixture;

// 30 x 20: units at (1, 1) and (20, 10), shops at (2, 5) and (25, 15), a
// terrain picture that marks (20, 10), a change layer changing (1, 2). The
// file numbers its layers densely: that layer reads back as layer 0.
std::string Sample(const std::string& path) {
  auto m = std::make_unique<TMission>();
  m->SetSize({30, 20});
  m->Cells[1][1].Vehicle = 3;
  m->Cells[1][1].VehOwner = 0;
  m->Cells[10][20].Vehicle = 5;
  m->Cells[10][20].VehOwner = 1;
  m->Cells[10][20].Terrain = 42;
  m->NewShop({2, 5});
  m->NewShop({25, 15});
  m->SelectDFLayer(4);
  m->DFCells[2][1] = TDFCell{12, -2, NoUnit, NoSide};
  m->StoreDFLayer();
  m->SelectDFLayer(0);
  m->MissionName = "Resize";
  m->SaveAs(path);
  return path;
}

// Runs Resize Map with `drive` working the dialog once it shows.
void RunResize(TMDIMain& frame, const std::function<void(TDLGResizeMap&)>& drive) {
  bool shown = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<TDLGResizeMap*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    shown = true;
    drive(*dialog);
  });
  frame.ResizeMapItem->trigger();
  EXPECT_TRUE(shown);
}

QPushButton* OkOf(TDLGResizeMap& d) {
  return d.findChild<QPushButton*>("OKButton");
}

TEST_F(ResizeAndLayers, ResizeMapPlacesTheOldMapByAnchorOrEvenOffsetAsksWhatGoesAndIsOneStep) {
  StartShown();
  TMDIMiss* w = frame->OpenMissionFile(Sample(gameDir + "MIS/miss060.dat"));
  TMissView& map = *w->MissView();
  const std::vector<int16_t> before = Terrains(map.Mission());
  const size_t steps = map.History().Position();

  // Cancelled at the question: nothing changes.
  RunResize(*frame, [](TDLGResizeMap& d) {
    EXPECT_EQ(d.WidthEdit->value(), 30);
    EXPECT_EQ(d.HeightEdit->value(), 20);
    EXPECT_EQ(d.WidthEdit->minimum(), 24);
    EXPECT_EQ(d.HeightEdit->minimum(), 16);
    EXPECT_EQ(d.WidthEdit->maximum(), 64);
    EXPECT_EQ(d.ColumnOffsetEdit->singleStep(), 2);
    EXPECT_TRUE(d.AnchorButtons[0]->isChecked());
    d.ColumnOffsetEdit->setValue(-4);
    test::AnswerNextMessageBox(QMessageBox::No);
    OkOf(d)->click();
  });
  EXPECT_EQ(map.GridSize(), (TPoint{30, 20}));
  EXPECT_EQ(map.History().Position(), steps);
  EXPECT_FALSE(map.IsModified());

  QString question;
  RunResize(*frame, [&question](TDLGResizeMap& d) {
    // The anchor in the middle: half the new room on each side, the column
    // offset taken down to an even number.
    d.WidthEdit->setValue(40);
    QTest::mouseClick(d.AnchorButtons[4], Qt::LeftButton);
    EXPECT_EQ(d.ColumnOffsetEdit->value(), 4);  // 10 / 2 = 5, even: 4
    EXPECT_EQ(d.RowOffsetEdit->value(), 0);
    d.HeightEdit->setValue(30);
    EXPECT_EQ(d.RowOffsetEdit->value(), 5) << "the anchor follows the size";
    QTest::mouseClick(d.AnchorButtons[8], Qt::LeftButton);  // bottom right
    EXPECT_EQ(d.ColumnOffsetEdit->value(), 10);
    EXPECT_EQ(d.RowOffsetEdit->value(), 10);
    // An odd column offset is taken toward zero; offsets set by hand stay
    // when the size changes, and no anchor is marked.
    d.ColumnOffsetEdit->setValue(-3);
    EXPECT_EQ(d.ColumnOffsetEdit->value(), -2);
    d.ColumnOffsetEdit->setValue(-4);
    d.RowOffsetEdit->setValue(5);
    d.HeightEdit->setValue(32);
    EXPECT_EQ(d.RowOffsetEdit->value(), 5);
    for (QToolButton* b : d.AnchorButtons)
      EXPECT_FALSE(b->isChecked());
    EXPECT_EQ(d.Resize(), (TResize{{40, 32}, {-4, 5}}));
    test::AnswerNextMessageBox(QMessageBox::Yes, &question);
    OkOf(d)->click();
  });
  // Columns 0..3 go: the unit on (1, 1), the shop on (2, 5) and the change
  // on (1, 2).
  EXPECT_EQ(question, "Resizing removes what lies outside the new map: 1 unit, 1 shop and 1 change-layer "
                      "record.\n\nResize the map?");
  const TMission& m = map.Mission();
  EXPECT_EQ(map.GridSize(), (TPoint{40, 32}));
  EXPECT_EQ(m.Width, 40);
  EXPECT_EQ(m.Height, 32);
  EXPECT_EQ(m.Cells[15][16].Vehicle, 5);
  EXPECT_EQ(m.Cells[15][16].VehOwner, 1);
  EXPECT_EQ(m.Cells[15][16].Terrain, 42);
  const TArrShop* shop = m.GetShop(m.Cells[20][21].Shop);
  ASSERT_NE(shop, nullptr);
  EXPECT_EQ(shop->X, 21);
  EXPECT_EQ(shop->Y, 20);
  EXPECT_EQ(map.History().Position(), steps + 1);
  EXPECT_EQ(map.History().UndoName(), "Resize Map");
  EXPECT_TRUE(map.IsModified());
  EXPECT_TRUE(w->isWindowModified());

  w->Undo();
  EXPECT_EQ(map.GridSize(), (TPoint{30, 20}));
  EXPECT_EQ(Terrains(map.Mission()), before);
  EXPECT_EQ(map.Mission().Cells[1][1].Vehicle, 3);
  EXPECT_FALSE(map.IsModified());
  w->Redo();
  EXPECT_EQ(map.GridSize(), (TPoint{40, 32}));
  EXPECT_EQ(map.Mission().Cells[15][16].Vehicle, 5);
}

// The row of `layer` as the user clicks it.
void ClickRow(QTreeWidget& list, int layer, bool twice) {
  QTreeWidgetItem* row = list.topLevelItem(layer);
  list.scrollToItem(row);
  const QPoint at = list.visualItemRect(row).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
  if (twice)
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

TEST_F(ResizeAndLayers, TheChangeLayersDockListsCountsFollowsEditsAndShowsTheClickedLayer) {
  WriteIni("[General]\r\nVarnholtDir=" + gameDir + "\r\n");
  StartShown();
  TChangeLayersDock* dock = frame->ChangeLayersDock();
  ASSERT_NE(dock, nullptr);
  EXPECT_TRUE(dock->isHidden());
  QAction* item = dock->toggleViewAction();
  EXPECT_TRUE(frame->ViewMenu->actions().contains(item));
  emit frame->WindowMenu->aboutToShow();
  EXPECT_TRUE(frame->WindowMenu->actions().contains(item));
  item->trigger();
  EXPECT_FALSE(dock->isHidden());

  TMDIMiss* w = frame->OpenMissionFile(Sample(gameDir + "MIS/miss061.dat"));
  TMissView& map = *w->MissView();
  QTreeWidget& list = *dock->List();
  ASSERT_EQ(list.topLevelItemCount(), 32);
  std::array<int, DFLayerCount> counts{};
  counts[0] = 1;
  EXPECT_EQ(dock->Counts(), counts);
  EXPECT_EQ(list.topLevelItem(0)->text(1), "1");
  EXPECT_EQ(list.topLevelItem(4)->text(1), "0");
  EXPECT_EQ(dock->MarkedLayer(), 0);
  EXPECT_TRUE(list.topLevelItem(0)->font(0).bold());

  // A click shows the layer as "Nr."; the change layer stays off.
  ClickRow(list, 4, false);
  EXPECT_EQ(frame->DFNrCounter->value(), 4);
  EXPECT_EQ(map.Mission().DFNr, 4);
  EXPECT_EQ(dock->MarkedLayer(), 4);
  EXPECT_TRUE(list.topLevelItem(4)->font(0).bold());
  EXPECT_FALSE(list.topLevelItem(0)->font(0).bold());
  EXPECT_FALSE(map.FilterOn(mfDFLayer));
  // A double-click turns "DFxx" on as well.
  ClickRow(list, 6, true);
  EXPECT_EQ(map.Mission().DFNr, 6);
  EXPECT_TRUE(map.FilterOn(mfDFLayer));
  EXPECT_TRUE(frame->FilterActions[mfDFLayer]->isChecked());

  // Painting into the layer counts at once, with no event in between.
  ChooseTerrain(test::ShallowWater);
  Stroke(map, {{10, 10}, {11, 10}, {12, 10}});
  counts[6] = 3;
  EXPECT_EQ(dock->Counts(), counts);
  EXPECT_EQ(list.topLevelItem(6)->text(1), "3");
  EXPECT_EQ(map.History().UndoName(), "Paint Terrain in change layer 6");
  // "Nr." on the tool bar moves the mark; the counts stay.
  frame->DFNrCounter->setValue(2);
  EXPECT_EQ(dock->MarkedLayer(), 2);
  EXPECT_EQ(dock->Counts(), counts);
  w->Undo();
  counts[6] = 0;
  EXPECT_EQ(dock->Counts(), counts);

  // Remembered for the next start.
  w->SetDiscardOnClose();
  frame->close();
  delete frame;
  frame = nullptr;
  test::FlushDeletes();
  EXPECT_TRUE(TIniFile(programDir + "vhedit.ini").ReadBool("General", "ChangeLayers", false));
  Start();
  EXPECT_FALSE(frame->ChangeLayersDock()->isHidden());
}

}  // namespace
}  // namespace vh
