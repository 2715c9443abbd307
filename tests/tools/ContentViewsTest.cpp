// The content, production and standard production grids and the two slot
// dialogs, driven with the mouse.
#include <QFrame>
#include <QPushButton>
#include <QTabWidget>

#include "tools/COMPContentView.h"
#include "tools/COMPMultiSelView.h"
#include "tools/COMPStdProdView.h"
#include "tools/DLGEditProduce.h"
#include "tools/DLGSettings.h"
#include "tools/PaletteFixture.h"

namespace vh::test {
namespace {

const TPictureSets& FakeSets() {
  static const TPictureSets sets = MakeFakeSets();
  return sets;
}

THexPicture StdProdCell(int16_t word, int type) {
  THexPicture p = FakeSets().BackgroundHex;
  if (word & 1)
    OverlayPicture(p, FakeSets().ProductionMarks(0), 0);
  if (word & 2)
    OverlayPicture(p, FakeSets().ProductionMarks(1), 0);
  OverlayPicture(p, FakeSets().Unit(type), 0);
  RecolourForOwner(p, NeutralSide);
  return InsideOnly(p);
}

TEST(StdProdView, ClicksToggleTheTwoMarksOfTheTypeUnderThem) {
  TStdProdView view(FakeSets());
  view.SetLibrary(plUnits);
  view.SetupGrid();
  std::array<int16_t, UnitTypeCount> words{};
  words[63] = 1;
  view.LoadWords(words);
  view.show();
  EXPECT_EQ(view.Cols(), 12);
  EXPECT_EQ(view.Rows(), 6);
  EXPECT_EQ(ShownCell(view, {3, 5}), StdProdCell(1, 63));

  LeftClick(view, {1, 1});
  EXPECT_EQ(view.Words[13], 2);
  EXPECT_EQ(ShownCell(view, {1, 1}), StdProdCell(2, 13));
  RightClick(view, {1, 1});
  EXPECT_EQ(view.Words[13], 3);
  EXPECT_EQ(ShownCell(view, {1, 1}), StdProdCell(3, 13));
  LeftClick(view, {1, 1});
  EXPECT_EQ(view.Words[13], 1);
  EXPECT_EQ(ShownCell(view, {1, 1}), StdProdCell(1, 13));

  // Beyond type 63 nothing happens; other words are untouched.
  const auto before = view.Words;
  LeftClick(view, {4, 5});
  RightClick(view, {11, 5});
  EXPECT_EQ(view.Words, before);
  EXPECT_EQ(ShownCell(view, {4, 5}), InsideOnly(FakeSets().BackgroundHex));
  for (int t = 0; t < UnitTypeCount; ++t)
    EXPECT_EQ(view.Words[static_cast<size_t>(t)], t == 13 ? 1 : t == 63 ? 1 : 0) << t;
}

TEST(StdProdView, SettingsDialogEditsTheWordsInItsGrid) {
  TSettingsForm form(nullptr, &FakeSets());
  ASSERT_NE(form.StdProdGrid, nullptr);
  EXPECT_EQ(form.StdProdGrid->parentWidget(), form.StdProdView);
  TMission m;
  m.SetSize({24, 16});
  m.StdProd[13] = 1;
  m.StdProd[0] = 2;
  form.LoadFrom(m);
  form.show();
  form.PageControl->setCurrentIndex(2);
  EXPECT_EQ(form.StdProdGrid->Words, m.StdProd);
  LeftClick(*form.StdProdGrid, {1, 1});
  RightClick(*form.StdProdGrid, {0, 0});
  form.StoreTo(m);
  EXPECT_EQ(m.StdProd[13], 3);
  EXPECT_EQ(m.StdProd[0], 3);

  // Without pictures the placeholder carries the words through.
  TSettingsForm bare;
  EXPECT_EQ(bare.StdProdGrid, nullptr);
  bare.LoadFrom(m);
  TMission back;
  bare.StoreTo(back);
  EXPECT_EQ(back.StdProd, m.StdProd);
}

TEST(ContentView, SlotsLoadsClearsAndChangeEvents) {
  TContentView shop(FakeSets());
  int changes = 0;
  shop.OnChange = [&](TEckView*) { ++changes; };
  shop.SetupGrid();
  EXPECT_EQ(shop.GridSize(), (TPoint{4, 4}));
  EXPECT_EQ(shop.Style(), es4Ecks);
  TContentView::TSlots stored{};
  stored.fill(-1);
  stored[15] = 9;
  shop.LoadSlots(stored, true);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(shop.IsEmpty());
  EXPECT_EQ(ShownCell(shop, {3, 3}), InsideOnly(FakeSets().Unit(9)));
  EXPECT_FALSE(shop.SetSlot({3, 3}, 9));  // the value it holds: no change
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(shop.SetSlot({1, 2}, 4));  // slot 1 * 4 + 2
  EXPECT_EQ(shop.Slots()[6], 4);
  EXPECT_EQ(changes, 2);
  shop.Clear(true);
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(shop.IsEmpty());

  TContentView unit(FakeSets());
  unit.VehContent = true;
  unit.SetupGrid();
  EXPECT_EQ(unit.GridSize(), (TPoint{2, 4}));
  unit.LoadSlots(stored, false);  // slot 15 filled, beyond a unit's 8
  EXPECT_TRUE(unit.IsEmpty());
  TContentView::TUnitSlots units{1, -1, -1, -1, -1, -1, -1, 2};
  unit.LoadUnitSlots(units, true);
  for (size_t i = 8; i < 16; ++i)
    EXPECT_EQ(unit.Slots()[i], -1) << i;
  EXPECT_EQ(unit.UnitSlots(), units);
  EXPECT_FALSE(unit.IsEmpty());

  TProduceView produce(FakeSets());
  produce.SetupGrid();
  EXPECT_EQ(produce.GridSize(), (TPoint{4, 1}));
  EXPECT_TRUE(produce.SetSlot({2, 0}, 5));
  EXPECT_FALSE(produce.SetSlot({2, 0}, 5));
  EXPECT_EQ(produce.Slots(), (TProduceView::TSlots{-1, -1, 5, -1}));
}

TEST(SlotDialogs, EditProductionIgnoresUnitTypeZeroAndErasesWithEmptyCells) {
  TEditProduceForm dialog(FakeSets());
  EXPECT_EQ(dialog.windowTitle(), "Edit Production");
  EXPECT_EQ(dialog.ClearProduceBut->text(), "X");
  EXPECT_TRUE(dialog.Button1->isDefault());
  dialog.Produce->LoadSlots({3, 4, -1, -1}, true);
  dialog.show();
  TMultiSelView& units = *dialog.VehSelector;
  TProduceView& produce = *dialog.Produce;
  EXPECT_EQ(produce.HexSpace(), 1);
  EXPECT_FALSE(produce.HasCursor());

  LeftClick(units, {0, 0});  // either button moves the dialog's selector
  ASSERT_EQ(units.CurrentValue(), 0);
  LeftClick(produce, {0, 0});
  LeftClick(produce, {2, 0});
  EXPECT_EQ(produce.Slots(), (TProduceView::TSlots{3, 4, -1, -1}));

  RightClick(units, {7, 1});  // type 19
  Press(produce, {2, 0}, Qt::LeftButton);
  QTest::mouseMove(&produce, CellCentre(produce, {3, 0}));
  Release(produce, {3, 0}, Qt::LeftButton);
  EXPECT_EQ(produce.Slots(), (TProduceView::TSlots{3, 4, 19, 19}));

  LeftClick(units, {6, 5});  // empty: erases
  LeftClick(produce, {0, 0});
  EXPECT_EQ(produce.Slots(), (TProduceView::TSlots{-1, 4, 19, 19}));

  QTest::mouseClick(dialog.ClearProduceBut, Qt::LeftButton);
  EXPECT_EQ(produce.Slots(), (TProduceView::TSlots{-1, -1, -1, -1}));
  EXPECT_EQ(ShownCell(produce, {2, 0}), InsideOnly(FakeSets().BackgroundHex));
}

TEST(SlotDialogs, EditContentWritesTheChosenUnitWithoutChangeForTheSameValue) {
  TEditContentForm dialog(FakeSets());
  EXPECT_EQ(dialog.windowTitle(), "Edit Content");
  dialog.show();
  int changes = 0;
  dialog.Content->OnChange = [&](TEckView*) { ++changes; };
  LeftClick(*dialog.VehSelector, {0, 0});
  LeftClick(*dialog.Content, {3, 3});  // type 0 is fine in a content
  EXPECT_EQ(dialog.Content->Slots()[15], 0);
  EXPECT_EQ(changes, 1);
  LeftClick(*dialog.Content, {3, 3});
  EXPECT_EQ(changes, 1);
  // A right click on the content does nothing.
  RightClick(*dialog.Content, {0, 0});
  EXPECT_EQ(dialog.Content->Slots()[0], -1);
  QTest::mouseClick(dialog.ClearContentBut, Qt::LeftButton);
  EXPECT_TRUE(dialog.Content->IsEmpty());
}

}  // namespace
}  // namespace vh::test
