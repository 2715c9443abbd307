// The palette's Shop page following a mission view: list, New and Delete,
// field edits into the model, names, stepping and the slot dialogs.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTimer>
#include <QWheelEvent>

#include "tools/COMPContentView.h"
#include "tools/COMPMultiSelView.h"
#include "tools/COMPSpinEdit.h"
#include "tools/DLGEditProduce.h"
#include "tools/PaletteFixture.h"

namespace vh::test {
namespace {

QStringList Items(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i)
    items << box.itemText(i);
  return items;
}

// What the view should show on a cell after a redraw.
THexPicture Composed(const TMissView& view, TPoint cell) {
  THexPicture p;
  view.GetCellPicture(cell, p);
  if (view.HasCursor() && view.CursorPos() == cell)
    OverlayPicture(p, view.Sets().CursorPictures[static_cast<size_t>(view.CursorPhase())], 0);
  return InsideOnly(p);
}

// Runs `drive` on the modal dialog the next click opens.
template <class TDialog> void WhenModal(std::function<void(TDialog&)> drive) {
  QTimer::singleShot(0, [drive] {
    auto* d = qobject_cast<TDialog*>(QApplication::activeModalWidget());
    if (!d) {
      ADD_FAILURE() << "the dialog is not open";
      if (QWidget* other = QApplication::activeModalWidget())
        other->close();
      return;
    }
    drive(*d);
  });
}

class TPaletteShop : public PaletteTest {
protected:
  void SetUp() override {
    PaletteTest::SetUp();
    view = MakeView();
    TMission& m = view->Mission();
    m.Cell({1, 1}).Obj = 140;  // drawn in its owner's colours
    m.NewShop({1, 1});
    m.NewShop({2, 2});
    m.NewShop({4, 4});
    m.NewShop({5, 5});
    m.DeleteShop({4, 4});  // shops 0, 1 and 3 remain
    m.GetShop(3)->Name = "Harbour";
    m.Players[0].Name = "Red";
    m.Players[6].Name = "Nobody";
    view->SetFilter(mfShopMarks, true);
    view->RedrawAll();
    view->MoveCursor({6, 6});
    ShowPage(3);
    palette->EnableShopCreation();
    palette->AttachMissionView(view.get());
  }

  TMission& M() { return view->Mission(); }
};

TEST_F(TPaletteShop, StartsEmptyAndDisabledWithoutAMission) {
  TMDIPictures p(Sets(), dir.Path());
  EXPECT_EQ(p.ShopButton->text(), "&New");
  EXPECT_FALSE(p.ShopButton->isEnabled());
  EXPECT_FALSE(p.ShopNameCombo->isEnabled());
  EXPECT_FALSE(p.OwnerComboBox->isEnabled());
  EXPECT_FALSE(p.ShopContent->isEnabled());
  EXPECT_EQ(p.ShopNrValue->text(), "-1");
  EXPECT_EQ(p.Label4->text(), "Shop Nr.:");
  EXPECT_EQ(Items(*p.OwnerComboBox), QStringList({"(1)", "(2)", "(3)", "(4)", "(5)", "(6)", "(--)"}));
  EXPECT_EQ(Items(*p.VehOwnerComboBox), QStringList({"(1)", "(2)", "(3)", "(4)", "(5)", "(6)"}));
  EXPECT_EQ(Items(*p.TypeComboBox),
            QStringList({"HQ", "Airport", "Port", "Factory", "Depot", "Town", "Academy", "Town 2"}));
  EXPECT_EQ(p.OwnerComboBox->currentIndex(), -1);
  EXPECT_EQ(p.ShopNameEdit->maxLength(), 16);
  EXPECT_EQ(p.EnergyEdit->MaxValue(), 999);
  EXPECT_EQ(p.EPEdit->MaxValue(), 99);
  EXPECT_EQ(p.PriorityEdit->MaxValue(), 1000);
  EXPECT_EQ(p.AI0A->MaxValue(), 65535);
  p.EnableShopCreation();
  EXPECT_TRUE(p.ShopButton->isEnabled());
  EXPECT_TRUE(p.ShopNameCombo->isEnabled());
}

TEST_F(TPaletteShop, AttachListsTheShopsAndNamesTheOwners) {
  EXPECT_EQ(Items(*palette->ShopNameCombo), QStringList({"(0) Shop Nr. 0", "(1) Shop Nr. 1", "(3) Harbour"}));
  EXPECT_EQ(palette->ShopNameCombo->currentIndex(), -1);
  EXPECT_EQ(palette->CurrentShop(), -1);
  EXPECT_EQ(palette->OwnerComboBox->itemText(0), "(1) Red");
  EXPECT_EQ(palette->VehOwnerComboBox->itemText(0), "(1) Red");
  EXPECT_EQ(palette->OwnerComboBox->itemText(1), "(2) ");
  EXPECT_EQ(palette->OwnerComboBox->itemText(6), "(--) Nobody");

  // Following a shop cell fills the fields without changing the mission.
  const uint64_t changes = M().ChangeCount;
  M().GetShop(1)->Energy = 1500;  // beyond the field: shown limited, not stored
  MoveMapCursor({2, 2});
  EXPECT_EQ(palette->CurrentShop(), 1);
  EXPECT_EQ(palette->ShopButton->text(), "&Delete");
  EXPECT_EQ(palette->ShopNrValue->text(), "1");
  EXPECT_EQ(palette->ShopNameEdit->text(), "Shop Nr. 1");
  EXPECT_EQ(palette->ShopNameCombo->currentIndex(), 1);
  EXPECT_EQ(palette->OwnerComboBox->currentIndex(), 6);
  EXPECT_EQ(palette->TypeComboBox->currentText(), "Town");
  EXPECT_TRUE(palette->EnergyEdit->isEnabled());
  EXPECT_EQ(M().GetShop(1)->Energy, 1500);
  EXPECT_EQ(M().ChangeCount, changes);

  // Detaching empties the page and names the owners by number again.
  palette->DetachMissionView();
  EXPECT_EQ(palette->CurrentShop(), -1);
  EXPECT_FALSE(palette->ShopButton->isEnabled());
  EXPECT_FALSE(palette->ShopNameCombo->isEnabled());
  EXPECT_EQ(palette->ShopNrValue->text(), "-1");
  EXPECT_EQ(palette->OwnerComboBox->itemText(0), "(1)");
  EXPECT_EQ(palette->OwnerComboBox->itemText(6), "(--)");

  // A blank mission leaves the names as they are.
  TMissView blank(Sets());
  palette->AttachMissionView(&blank);
  EXPECT_EQ(palette->OwnerComboBox->itemText(0), "(1)");
}

TEST_F(TPaletteShop, NewTakesTheFreeIndexAndItsListPositionDeleteKeepsTheOthers) {
  const uint64_t changes = M().ChangeCount;
  QTest::mouseClick(palette->ShopButton, Qt::LeftButton);
  EXPECT_EQ(M().Cell({6, 6}).Shop, 2);
  ASSERT_NE(M().GetShop(2), nullptr);
  EXPECT_EQ(M().GetShop(2)->Name, "Shop Nr. 2");
  EXPECT_GT(M().ChangeCount, changes);
  EXPECT_EQ(Items(*palette->ShopNameCombo),
            QStringList({"(0) Shop Nr. 0", "(1) Shop Nr. 1", "(2) Shop Nr. 2", "(3) Harbour"}));
  EXPECT_EQ(palette->ShopNameCombo->currentIndex(), 2);
  EXPECT_EQ(palette->CurrentShop(), 2);
  EXPECT_EQ(palette->ShopNrValue->text(), "2");
  EXPECT_EQ(palette->ShopButton->text(), "&Delete");
  EXPECT_EQ(palette->OwnerComboBox->currentText(), "(--) Nobody");
  EXPECT_EQ(palette->TypeComboBox->currentText(), "Town");
  EXPECT_EQ(palette->ShopNameEdit->text(), "Shop Nr. 2");
  EXPECT_TRUE(palette->PriorityEdit->isEnabled());
  EXPECT_EQ(ShownCell(*view, {6, 6}), Composed(*view, {6, 6}));  // the shop mark is drawn

  // Delete: the entry goes, the others keep their numbers.
  MoveMapCursor({2, 2});
  QTest::mouseClick(palette->ShopButton, Qt::LeftButton);
  EXPECT_EQ(M().Cell({2, 2}).Shop, -1);
  EXPECT_EQ(M().GetShop(1), nullptr);
  EXPECT_EQ(Items(*palette->ShopNameCombo), QStringList({"(0) Shop Nr. 0", "(2) Shop Nr. 2", "(3) Harbour"}));
  EXPECT_EQ(palette->CurrentShop(), -1);
  EXPECT_EQ(palette->ShopButton->text(), "&New");
  EXPECT_EQ(palette->ShopNrValue->text(), "-1");
  EXPECT_FALSE(palette->OwnerComboBox->isEnabled());
  EXPECT_EQ(palette->ShopNameCombo->currentIndex(), -1);
  EXPECT_EQ(ShownCell(*view, {2, 2}), Composed(*view, {2, 2}));
}

TEST_F(TPaletteShop, DeleteRemovesTheShopThePageShowsWhereverItLies) {
  // Choosing "(3) Harbour" from the list jumps to its cell.
  palette->ShopNameEdit->setFocus();
  QTest::keyClick(palette->ShopNameEdit, Qt::Key_Down);
  EXPECT_EQ(palette->CurrentShop(), 0);
  EXPECT_EQ(view->CursorPos(), (TPoint{1, 1}));
  QTest::keyClick(palette->ShopNameEdit, Qt::Key_Down);
  QTest::keyClick(palette->ShopNameEdit, Qt::Key_Down);
  EXPECT_EQ(palette->CurrentShop(), 3);
  EXPECT_EQ(palette->ShopNameCombo->currentIndex(), 2);
  EXPECT_EQ(palette->ShopNameEdit->text(), "Harbour");
  EXPECT_EQ(view->CursorPos(), (TPoint{5, 5}));
  QTest::keyClick(palette->ShopNameEdit, Qt::Key_Up);
  EXPECT_EQ(palette->CurrentShop(), 1);
  EXPECT_EQ(view->CursorPos(), (TPoint{2, 2}));
  EXPECT_EQ(beeps.Count, 0);

  // A shop on no cell: it becomes current, the cursor stays, a beep.
  M().Cell({5, 5}).Shop = -1;
  QTest::keyClick(palette->ShopNameEdit, Qt::Key_Down);
  EXPECT_EQ(palette->CurrentShop(), 3);
  EXPECT_EQ(view->CursorPos(), (TPoint{2, 2}));
  EXPECT_EQ(beeps.Count, 1);

  // Delete removes shop 3, not shop 1 under the cursor; the page then
  // shows the cursor cell's shop again.
  QTest::mouseClick(palette->ShopButton, Qt::LeftButton);
  EXPECT_EQ(M().GetShop(3), nullptr);
  ASSERT_NE(M().GetShop(1), nullptr);
  EXPECT_EQ(M().Cell({2, 2}).Shop, 1);
  EXPECT_EQ(Items(*palette->ShopNameCombo), QStringList({"(0) Shop Nr. 0", "(1) Shop Nr. 1"}));
  EXPECT_EQ(palette->CurrentShop(), 1);
  EXPECT_EQ(palette->ShopNameCombo->currentIndex(), 1);
  EXPECT_EQ(palette->ShopButton->text(), "&Delete");
}

TEST_F(TPaletteShop, FieldEditsGoStraightIntoTheShop) {
  MoveMapCursor({1, 1});
  TArrShop& shop = *M().GetShop(0);
  uint64_t changes = M().ChangeCount;

  // The owner recolours the shop's object on the map at once.
  const THexPicture before = ShownCell(*view, {1, 1});
  palette->OwnerComboBox->setFocus();
  QTest::keyClick(palette->OwnerComboBox, Qt::Key_Home);
  EXPECT_EQ(shop.Owner, 0);
  EXPECT_GT(M().ChangeCount, changes);
  EXPECT_NE(ShownCell(*view, {1, 1}), before);
  EXPECT_EQ(ShownCell(*view, {1, 1}), Composed(*view, {1, 1}));
  QTest::keyClick(palette->TypeComboBox, Qt::Key_Home);
  EXPECT_EQ(shop.ShopType, 0);

  changes = M().ChangeCount;
  palette->EnergyEdit->selectAll();
  QTest::keyClicks(palette->EnergyEdit, "250");
  EXPECT_EQ(shop.Energy, 250);
  EXPECT_GT(M().ChangeCount, changes);
  palette->EPEdit->selectAll();
  QTest::keyClicks(palette->EPEdit, "12");
  palette->MaterialEdit->selectAll();
  QTest::keyClicks(palette->MaterialEdit, "999");
  palette->MPEdit->selectAll();
  QTest::keyClicks(palette->MPEdit, "7");
  EXPECT_EQ(shop.EP, 12);
  EXPECT_EQ(shop.Material, 999);
  EXPECT_EQ(shop.MP, 7);

  // Four digits allow more than the limit while typing, but only numbers
  // within the limits reach the shop; leaving the field limits it.
  palette->PriorityEdit->selectAll();
  QTest::keyClicks(palette->PriorityEdit, "9999");
  EXPECT_EQ(palette->PriorityEdit->text(), "9999");
  EXPECT_EQ(shop.Priority, 999);
  QTest::keyClick(palette->PriorityEdit, Qt::Key_Return);
  EXPECT_EQ(shop.Priority, 1000);
  EXPECT_EQ(palette->PriorityEdit->text(), "1000");

  // An emptied field stores its minimum.
  palette->EnergyEdit->selectAll();
  QTest::keyClick(palette->EnergyEdit, Qt::Key_Backspace);
  EXPECT_EQ(shop.Energy, 0);
  QTest::keyClick(palette->EnergyEdit, Qt::Key_Return);
  EXPECT_EQ(shop.Energy, 0);
  EXPECT_EQ(palette->EnergyEdit->text(), "0");

  // The name: list entry and model at once, 16 characters at most.
  palette->ShopNameEdit->selectAll();
  QTest::keyClicks(palette->ShopNameEdit, "Depot \xC3\x96stra");  // UTF-8 for the keyboard
  EXPECT_EQ(shop.Name, "Depot \xD6stra");                         // code page 1252 in the model
  EXPECT_EQ(palette->ShopNameCombo->itemText(0), QString::fromUtf8("(0) Depot \xC3\x96stra"));
  EXPECT_EQ(palette->ShopNameCombo->currentIndex(), 0);
  palette->ShopNameEdit->selectAll();
  QTest::keyClicks(palette->ShopNameEdit, "ABCDEFGHIJKLMNOPQ");
  EXPECT_EQ(shop.Name, "ABCDEFGHIJKLMNOP");

  // Without a shop nothing is written.
  MoveMapCursor({7, 7});
  changes = M().ChangeCount;
  palette->EnergyEdit->setEnabled(true);
  palette->EnergyEdit->selectAll();
  QTest::keyClicks(palette->EnergyEdit, "5");
  EXPECT_EQ(M().ChangeCount, changes);
}

TEST_F(TPaletteShop, ContentAndProductionThroughTheirDialogsAndClearButtons) {
  MoveMapCursor({2, 2});
  TArrShop& shop = *M().GetShop(1);
  shop.Produce = {4, -1, -1, -1};
  MoveMapCursor({7, 7});
  MoveMapCursor({2, 2});

  WhenModal<TEditContentForm>([](TEditContentForm& d) {
    EXPECT_EQ(d.windowTitle(), "Edit Content");
    RightClick(*d.VehSelector, {9, 0});
    LeftClick(*d.Content, {0, 1});
    LeftClick(*d.Content, {3, 3});
    QTest::mouseClick(d.Button1, Qt::LeftButton);
  });
  QTest::mouseClick(palette->ContentEditBut, Qt::LeftButton);
  EXPECT_EQ(shop.Content[1], 9);
  EXPECT_EQ(shop.Content[15], 9);
  EXPECT_EQ(palette->ShopContent->Slots(), shop.Content);

  // Cancel keeps what was there.
  WhenModal<TEditContentForm>([](TEditContentForm& d) {
    QTest::mouseClick(d.ClearContentBut, Qt::LeftButton);
    QTest::mouseClick(d.Button2, Qt::LeftButton);
  });
  QTest::mouseClick(palette->ContentEditBut, Qt::LeftButton);
  EXPECT_EQ(shop.Content[1], 9);

  WhenModal<TEditProduceForm>([](TEditProduceForm& d) {
    EXPECT_EQ(d.Produce->Slots(), (TProduceView::TSlots{4, -1, -1, -1}));
    LeftClick(*d.VehSelector, {0, 0});
    LeftClick(*d.Produce, {1, 0});  // unit type 0 cannot be produced
    LeftClick(*d.VehSelector, {2, 1});
    LeftClick(*d.Produce, {3, 0});
    QTest::mouseClick(d.Button1, Qt::LeftButton);
  });
  QTest::mouseClick(palette->ProduceEditBut, Qt::LeftButton);
  EXPECT_EQ(shop.Produce, (std::array<int16_t, 4>{4, -1, -1, 14}));

  const uint64_t changes = M().ChangeCount;
  QTest::mouseClick(palette->ContentClearBut, Qt::LeftButton);
  QTest::mouseClick(palette->ProduceClearBut, Qt::LeftButton);
  EXPECT_EQ(shop.Content, TArrShop{}.Content);
  EXPECT_EQ(shop.Produce, TArrShop{}.Produce);
  EXPECT_EQ(M().ChangeCount, changes + 2);
  EXPECT_TRUE(palette->ShopContent->IsEmpty());
}

// Every way of stepping a number stays within its field's limits.
TEST_F(TPaletteShop, ArrowKeysButtonsAndTheWheelStopAtTheLimits) {
  MoveMapCursor({1, 1});
  TArrShop& shop = *M().GetShop(0);
  TSpinEdit& priority = *palette->PriorityEdit;
  priority.setFocus();
  priority.selectAll();
  QTest::keyClicks(&priority, "999");
  ASSERT_EQ(shop.Priority, 999);
  QTest::keyClick(&priority, Qt::Key_Up);
  QTest::keyClick(&priority, Qt::Key_Up);
  QTest::keyClick(&priority, Qt::Key_PageUp);
  EXPECT_EQ(priority.text(), "1000");
  EXPECT_EQ(shop.Priority, 1000);

  // The arrow buttons.
  QStyleOptionSpinBox option;
  option.initFrom(&priority);
  option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
  option.frame = priority.hasFrame();
  option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
  const QRect up =
      priority.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, &priority);
  const QRect down =
      priority.style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxDown, &priority);
  QTest::mouseClick(&priority, Qt::LeftButton, Qt::NoModifier, up.center());
  EXPECT_EQ(shop.Priority, 1000);
  EXPECT_EQ(priority.text(), "1000");

  // The wheel, upwards.
  const auto turnWheel = [](QWidget& w, int delta) {
    const QPointF at(w.rect().center());
    QWheelEvent wheel(at, QPointF(w.mapToGlobal(at.toPoint())), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &wheel);
  };
  turnWheel(priority, 120);
  EXPECT_EQ(shop.Priority, 1000);
  EXPECT_EQ(priority.text(), "1000");

  // Downwards to the lower limit and past it.
  QTest::mouseClick(&priority, Qt::LeftButton, Qt::NoModifier, down.center());
  EXPECT_EQ(shop.Priority, 999);
  TSpinEdit& ep = *palette->EPEdit;
  ep.setFocus();
  ep.selectAll();
  QTest::keyClicks(&ep, "1");
  QTest::keyClick(&ep, Qt::Key_Down);
  QTest::keyClick(&ep, Qt::Key_Down);
  QTest::keyClick(&ep, Qt::Key_PageDown);
  EXPECT_EQ(ep.text(), "0");
  EXPECT_EQ(shop.EP, 0);
  turnWheel(ep, -120);
  EXPECT_EQ(shop.EP, 0);
  EXPECT_EQ(ep.text(), "0");

  // A number typed beyond the limit, then stepped: from the limit.
  priority.setFocus();
  priority.selectAll();
  QTest::keyClicks(&priority, "5000");
  EXPECT_EQ(shop.Priority, 500);
  QTest::keyClick(&priority, Qt::Key_Down);
  EXPECT_EQ(shop.Priority, 999);
  EXPECT_EQ(priority.text(), "999");
}

}  // namespace
}  // namespace vh::test
