// The lower part of the Vehicle page: the cargo of the unit under the
// followed view's cursor and its AI point.
#include <QCheckBox>
#include <QPushButton>

#include "tools/COMPContentView.h"
#include "tools/COMPMultiSelView.h"
#include "tools/COMPSpinEdit.h"
#include "tools/PaletteFixture.h"

namespace vh::test {
namespace {

// On the box itself: the check box may be wider than its box and text.
void ClickBox(QCheckBox* box) {
  QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
}

class TPaletteVehicle : public PaletteTest {
protected:
  void SetUp() override {
    PaletteTest::SetUp();
    view = MakeView();
    TMissionCell& unit = M().Cell(UnitCell);
    unit.Vehicle = 5;
    unit.VehOwner = 0;
    view->SetFilter(mfContentMarks, true);
    view->SetFilter(mfAIMarks, true);
    ShowPage(2);
    palette->EnableShopCreation();
    palette->AttachMissionView(view.get());
  }

  void ChooseUnit(int16_t type) {
    RightClick(*palette->VehSelector, type == -1 ? NoUnitCell : TPoint{type % 12, type / 12});
    ASSERT_EQ(palette->VehSelector->CurrentValue(), type);
  }
  bool MarkShown(TPoint cell) {
    // The cell mark's colour appears only when a record lies on the cell.
    const THexPicture shown = ShownCell(*view, cell);
    return std::find(shown.Pixels.begin(), shown.Pixels.end(), FakeCellMarkColour) != shown.Pixels.end();
  }

  TMission& M() { return view->Mission(); }

  const TPoint UnitCell{3, 3};
};

TEST_F(TPaletteVehicle, FieldsFollowWhetherTheCellHoldsAUnit) {
  EXPECT_FALSE(palette->VehContent->isEnabled());
  EXPECT_FALSE(palette->IsAI->isEnabled());
  EXPECT_EQ(palette->IsAI->text(), "AI Point");
  EXPECT_EQ(palette->AI1231->text(), "12h..31h = -1");
  EXPECT_EQ(palette->VehContentClearButton->text(), "X");
  EXPECT_EQ(palette->VehContent->GridSize(), (TPoint{2, 4}));

  MoveMapCursor(UnitCell);
  EXPECT_TRUE(palette->UnitShown());
  EXPECT_TRUE(palette->VehContent->isEnabled());
  EXPECT_TRUE(palette->VehContentClearButton->isEnabled());
  EXPECT_TRUE(palette->IsAI->isEnabled());
  EXPECT_FALSE(palette->AI0A->isEnabled());
  EXPECT_FALSE(palette->AI1231->isEnabled());

  // No unit: clicks on the cargo do nothing.
  MoveMapCursor({8, 8});
  EXPECT_FALSE(palette->VehContent->isEnabled());
  EXPECT_FALSE(palette->IsAI->isEnabled());
  ChooseUnit(7);
  LeftClick(*palette->VehContent, {0, 0});
  EXPECT_TRUE(palette->VehContent->IsEmpty());
  EXPECT_TRUE(M().VehContents.empty());
}

TEST_F(TPaletteVehicle, CargoRecordCreatedByTheFirstUnitKeptWhenEmptiedAndRemovedByX) {
  MoveMapCursor(UnitCell);
  EXPECT_FALSE(MarkShown(UnitCell));
  ChooseUnit(7);
  uint64_t changes = M().ChangeCount;
  LeftClick(*palette->VehContent, {0, 0});
  EXPECT_EQ(M().Cell(UnitCell).VehContent, 0);
  EXPECT_EQ(palette->CurrentContent(), 0);
  ASSERT_NE(M().GetVehContent(0), nullptr);
  EXPECT_EQ(M().GetVehContent(0)->Units, (std::array<int16_t, 8>{7, -1, -1, -1, -1, -1, -1, -1}));
  EXPECT_GT(M().ChangeCount, changes);
  EXPECT_TRUE(MarkShown(UnitCell));

  // A drag writes every slot it crosses into the same record.
  ChooseUnit(53);
  Press(*palette->VehContent, {1, 0}, Qt::LeftButton);
  QTest::mouseMove(palette->VehContent, CellCentre(*palette->VehContent, {1, 3}));
  Release(*palette->VehContent, {1, 3}, Qt::LeftButton);
  EXPECT_EQ(M().VehContents.size(), 1u);
  EXPECT_EQ(M().GetVehContent(0)->Units, (std::array<int16_t, 8>{7, -1, -1, -1, 53, -1, -1, 53}));

  // The same unit again is no change.
  changes = M().ChangeCount;
  LeftClick(*palette->VehContent, {1, 0});
  EXPECT_EQ(M().ChangeCount, changes);

  // Emptied slot by slot: the record stays, all -1.
  ChooseUnit(-1);
  for (TPoint slot : {TPoint{0, 0}, TPoint{1, 0}, TPoint{1, 3}})
    LeftClick(*palette->VehContent, slot);
  ASSERT_NE(M().GetVehContent(0), nullptr);
  EXPECT_EQ(M().GetVehContent(0)->Units, TVehContentRec{}.Units);
  EXPECT_EQ(M().Cell(UnitCell).VehContent, 0);

  // Filled again: the same record, no second one without a cell.
  ChooseUnit(12);
  LeftClick(*palette->VehContent, {0, 2});
  EXPECT_EQ(M().VehContents.size(), 1u);
  EXPECT_EQ(M().Cell(UnitCell).VehContent, 0);
  EXPECT_EQ(M().GetVehContent(0)->Units[2], 12);

  // The page shows a cell's record when the cursor comes back.
  MoveMapCursor({9, 9});
  EXPECT_TRUE(palette->VehContent->IsEmpty());
  MoveMapCursor(UnitCell);
  EXPECT_EQ(palette->VehContent->UnitSlots(), M().GetVehContent(0)->Units);

  // "X" deletes the record.
  QTest::mouseClick(palette->VehContentClearButton, Qt::LeftButton);
  EXPECT_EQ(M().Cell(UnitCell).VehContent, -1);
  EXPECT_EQ(M().GetVehContent(0), nullptr);
  EXPECT_EQ(palette->CurrentContent(), -1);
  EXPECT_TRUE(palette->VehContent->IsEmpty());
  EXPECT_FALSE(MarkShown(UnitCell));
  // A click afterwards creates a record in the freed slot.
  LeftClick(*palette->VehContent, {1, 1});
  EXPECT_EQ(M().Cell(UnitCell).VehContent, 0);
}

TEST_F(TPaletteVehicle, AIPointCreatedAndDeletedByTheCheckBoxValuesStoredAsTyped) {
  MoveMapCursor(UnitCell);
  uint64_t changes = M().ChangeCount;
  ClickBox(palette->IsAI);
  ASSERT_EQ(M().Cell(UnitCell).AIPoint, 0);
  EXPECT_EQ(*M().GetAIPoint(0), TAIPointRec{});
  EXPECT_EQ(palette->CurrentAIPoint(), 0);
  EXPECT_TRUE(palette->IsAI->isChecked());
  EXPECT_FALSE(palette->AI1231->isChecked());
  for (TSpinEdit* e : {palette->AI0A, palette->AI48, palette->AI4A, palette->AI4E}) {
    EXPECT_TRUE(e->isEnabled());
    EXPECT_EQ(e->text(), "0");
  }
  EXPECT_TRUE(MarkShown(UnitCell));
  EXPECT_GT(M().ChangeCount, changes);

  TAIPointRec& p = *M().GetAIPoint(0);
  palette->AI48->selectAll();
  QTest::keyClicks(palette->AI48, "65535");
  EXPECT_EQ(p.AI48, 65535);
  palette->AI4E->selectAll();
  QTest::keyClicks(palette->AI4E, "42");
  EXPECT_EQ(p.AI4E, 42);

  // The fifth digit of 65539 does not fit: that number is ignored and the
  // field shows the stored one again when it is left.
  palette->AI0A->selectAll();
  QTest::keyClicks(palette->AI0A, "6553");
  EXPECT_EQ(p.AI0A, 6553);
  QTest::keyClicks(palette->AI0A, "9");
  EXPECT_EQ(palette->AI0A->text(), "65539");
  EXPECT_EQ(p.AI0A, 6553);
  QTest::keyClick(palette->AI0A, Qt::Key_Return);
  EXPECT_EQ(p.AI0A, 6553);
  EXPECT_EQ(palette->AI0A->text(), "6553");

  ClickBox(palette->AI1231);
  EXPECT_EQ(p.AI1231, 1);
  ClickBox(palette->AI1231);
  EXPECT_EQ(p.AI1231, 0);
  ClickBox(palette->AI1231);

  // Shown again from the record when the cursor comes back.
  MoveMapCursor({9, 9});
  EXPECT_FALSE(palette->IsAI->isChecked());
  EXPECT_EQ(palette->AI4E->text(), "0");
  EXPECT_FALSE(palette->AI4E->isEnabled());
  MoveMapCursor(UnitCell);
  EXPECT_EQ(palette->AI4E->text(), "42");
  EXPECT_EQ(palette->AI48->text(), "65535");
  EXPECT_TRUE(palette->AI1231->isChecked());

  // Unchecking deletes the point.
  ClickBox(palette->IsAI);
  EXPECT_EQ(M().Cell(UnitCell).AIPoint, -1);
  EXPECT_EQ(M().GetAIPoint(0), nullptr);
  EXPECT_EQ(palette->CurrentAIPoint(), -1);
  EXPECT_FALSE(palette->AI0A->isEnabled());
  EXPECT_EQ(palette->AI0A->text(), "0");
  EXPECT_FALSE(palette->AI1231->isChecked());
  EXPECT_FALSE(MarkShown(UnitCell));
}

TEST_F(TPaletteVehicle, AnAIPointWithoutRecordBeepsAndKeepsTheFields) {
  MoveMapCursor(UnitCell);
  ClickBox(palette->IsAI);
  palette->AI4A->selectAll();
  QTest::keyClicks(palette->AI4A, "77");
  palette->ShowCellUnit(-1, true, 9);
  EXPECT_EQ(beeps.Count, 1);
  EXPECT_EQ(palette->AI4A->text(), "77");
  // Typing into a point that has no record writes nothing.
  const uint64_t changes = M().ChangeCount;
  QTest::keyClicks(palette->AI4A, "1");
  EXPECT_EQ(M().ChangeCount, changes);
}

}  // namespace
}  // namespace vh::test
