// Every way the mission changes reaches everyone who shows it through the
// one change notification, at once: autosave, the Problems dock, the
// titles, the overview and the palette. The checks follow each edit with no
// event processed in between, so no timer can have done the work.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDockWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "shell/Autosave.h"
#include "shell/DLGUtility.h"
#include "shell/FrameFixture.h"
#include "shell/MapMouse.h"
#include "shell/ProblemsDock.h"
#include "tools/COMPMultiSelView.h"
#include "tools/COMPSpinEdit.h"
#include "tools/DLGSettings.h"
#include "tools/MDIPicturesForm.h"
#include "views/COMPMissView.h"
#include "views/OverviewMap.h"

namespace vh {
namespace {

using test::Click;
using test::RightClick;
using Clock = TAutosave::Clock;

class ChangeNotification : public test::FrameFixture {
protected:
  TMDIPictures* palette = nullptr;
  TMDIMiss* window = nullptr;
  Clock::time_point clock = Clock::now();
  int scaled = 0;

  void SetUp() override {
    FrameFixture::SetUp();
    Start();
    ASSERT_TRUE(started);
    palette = dynamic_cast<TMDIPictures*>(frame->EditWindow());
    test::ShowActive(frame);
    frame->OverviewDock()->show();
    frame->Autosave()->Now = [this] { return clock; };
    window = frame->OpenMissionFile(gameDir + "MIS/miss002.dat");
    QApplication::processEvents();
  }
  TMissView& Map() { return *window->MissView(); }

  // Before a writer: a new time on the autosave's clock, a Problems list
  // that shows the mission as it is, and the overview's count of updates.
  void Before() {
    clock += std::chrono::seconds(1);
    frame->ProblemsDock->CheckNow();
    ASSERT_FALSE(frame->ProblemsDock->Stale());
    scaled = frame->Overview()->ScaledParts();
  }
  // Right after it, with no event processed.
  void Reached(const char* writer) {
    SCOPED_TRACE(writer);
    EXPECT_EQ(frame->Autosave()->LastChangeSeen(&Map()), clock) << "autosave";
    EXPECT_TRUE(frame->ProblemsDock->Stale()) << "Problems dock";
    EXPECT_EQ(window->isWindowModified(), Map().IsModified()) << "window title";
    EXPECT_EQ(frame->isWindowModified(), Map().IsModified()) << "frame title";
    EXPECT_GT(frame->Overview()->ScaledParts(), scaled) << "overview";
    // The palette shows the records of the cell under the cursor as they are.
    const TMissionCell cell = Map().CursorCell();
    EXPECT_EQ(palette->FollowedView(), &Map()) << "palette";
    EXPECT_EQ(palette->CurrentShop(), Map().Mission().GetShop(cell.Shop) ? cell.Shop : -1) << "palette shop";
    EXPECT_EQ(palette->CurrentAIPoint(), cell.AIPoint) << "palette AI point";
    if (const TArrShop* shop = Map().Mission().GetShop(palette->CurrentShop())) {
      EXPECT_EQ(palette->EnergyEdit->Value(), shop->Energy) << "palette energy";
    }
  }
  void AnswerSettings() {
    QTimer::singleShot(0, [] {
      auto* form = qobject_cast<TSettingsForm*>(QApplication::activeModalWidget());
      ASSERT_NE(form, nullptr);
      form->NextMission->setValue(form->NextMission->value() + 1);
      form->OKButton->click();
    });
  }
};

TEST_F(ChangeNotification, EveryWriterReachesEveryListenerAtOnce) {
  TMissView& map = Map();
  // The cursor on shop 0 of the mission, whose records several writers change.
  ASSERT_EQ(map.Mission().Cell({10, 8}).Shop, 0);
  RightClick(map, {10, 8});

  palette->PageControl->setCurrentIndex(TMDIPictures::pgTerrain);
  RightClick(*palette->TerSelector, {2, 0});
  Before();
  test::Stroke(map, {{10, 8}, {11, 8}, {12, 8}});
  Reached("stroke");

  frame->FillToolItem->trigger();
  Before();
  Click(map, {3, 3});
  Reached("fill");
  frame->PaintToolItem->trigger();

  Before();
  window->SetSelection(CellsInRect(THexGeometry{map.Style(), map.HexSpace()}, map.CellToPoint({9, 7}),
                                   map.CellToPoint({11, 9}), map.GridSize()));
  frame->EditCopyItem->trigger();
  frame->EditPasteItem->trigger();
  ASSERT_TRUE(window->Pasting());
  Click(map, {20, 20});
  Reached("paste");
  window->SetSelection({});

  frame->ToggleGenerator();
  frame->Generator()->GenerateButtonClick();
  Before();
  frame->Generator()->OKButtonClick();
  Reached("Transfer");
  frame->ToggleGenerator();

  Before();
  AnswerSettings();
  frame->SettingsItem->trigger();
  Reached("Settings");

  // The palette's own edits: it shows them already, everyone else follows.
  RightClick(map, {10, 8});
  palette->PageControl->setCurrentIndex(TMDIPictures::pgShop);
  if (palette->CurrentShop() == -1)
    palette->ShopButton->click();  // the transfer may have taken the shop's cell
  Before();
  palette->EnergyEdit->findChild<QLineEdit*>()->setText(QStringLiteral("321"));
  Reached("shop page");

  palette->PageControl->setCurrentIndex(TMDIPictures::pgVehicle);
  RightClick(*palette->VehSelector, {3, 0});
  palette->PageControl->setCurrentIndex(TMDIPictures::pgVehicle);
  test::Stroke(map, {{14, 14}});
  ASSERT_NE(UnitCode(map.Mission().Cell({14, 14})), NoUnitCode);
  RightClick(map, {14, 14});
  ASSERT_TRUE(palette->IsAI->isEnabled());
  Before();
  palette->IsAI->click();
  Reached("vehicle page");

  Before();
  frame->ClearFilterItem->trigger();
  Reached("Clear with Filter");

  Before();
  frame->EditUndoItem->trigger();
  Reached("undo");

  Before();
  frame->EditRedoItem->trigger();
  Reached("redo");
}

}  // namespace
}  // namespace vh
