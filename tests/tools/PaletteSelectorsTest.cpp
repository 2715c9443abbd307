// The palette's picture selectors driven with the mouse: group choice,
// multi-selection, the unit page and picking.
#include <filesystem>

#include <QComboBox>
#include <QHelpEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QToolTip>

#include "tools/COMPMultiSelView.h"
#include "tools/PaletteFixture.h"

namespace vh::test {
namespace {

using TPaletteSelectors = PaletteTest;

TEST_F(TPaletteSelectors, PagesCaptionsAndStartState) {
  EXPECT_EQ(palette->windowTitle(), "Edit Window");
  ASSERT_EQ(palette->PageControl->count(), 4);
  EXPECT_EQ(palette->PageControl->tabText(0), "Terrain");
  EXPECT_EQ(palette->PageControl->tabText(1), "Object");
  EXPECT_EQ(palette->PageControl->tabText(2), "Vehicle");
  EXPECT_EQ(palette->PageControl->tabText(3), "Shop");
  EXPECT_TRUE(palette->SetupError().isEmpty()) << palette->SetupError().toStdString();

  for (TMultiSelView* s : {palette->TerSelector, palette->TerGroupSel, palette->ObjSelector,
                           palette->ObjGroupSel, palette->VehSelector}) {
    EXPECT_EQ(s->Cols(), 12);
    EXPECT_EQ(s->Rows(), 6);
    EXPECT_EQ(s->Style(), es6Ecks);
    EXPECT_EQ(s->HexSpace(), 0);
    EXPECT_TRUE(s->HasCursor());
    EXPECT_EQ(s->ActionListMove, (TMouseActionList{maRightDown, maRightMove, maLeftRightMove}));
  }
  EXPECT_TRUE(palette->TerSelector->AllowMultiSel);
  EXPECT_TRUE(palette->ObjSelector->AllowMultiSel);
  EXPECT_FALSE(palette->TerGroupSel->AllowMultiSel);
  EXPECT_FALSE(palette->VehSelector->AllowMultiSel);

  EXPECT_EQ(palette->TerGroupSel->Page(), SampleTerrain().GroupIndex);
  EXPECT_EQ(palette->TerSelector->Page(), SampleTerrain().Groups[0]);
  EXPECT_EQ(palette->ObjGroupSel->Page(), SampleObjects().GroupIndex);
  EXPECT_EQ(palette->ObjSelector->Page(), SampleObjects().Groups[0]);
  EXPECT_EQ(palette->VehSelector->Page(), UnitSelectionPage());
  EXPECT_EQ(palette->VehOwnerComboBox->currentIndex(), 0);

  // Cells show their pictures. Empty cells of the selectors that paint show
  // the eraser sign, those of the group selectors the background hexagon.
  EXPECT_EQ(ShownCell(*palette->TerSelector, {2, 2}), InsideOnly(Sets().Part(10)));
  EXPECT_EQ(ShownCell(*palette->VehSelector, {5, 0}), InsideOnly(Sets().Unit(5)));
  THexPicture eraser = Sets().BackgroundHex;
  const TMultiSelView& t = *palette->TerSelector;
  DrawEraserSign(eraser, t.PaletteIndexOf({90, 90, 90}), t.PaletteIndexOf({150, 150, 160}),
                 t.PaletteIndexOf({170, 110, 110}));
  EXPECT_NE(eraser, Sets().BackgroundHex);
  EXPECT_EQ(ShownCell(*palette->TerSelector, {5, 5}), InsideOnly(eraser));
  EXPECT_EQ(ShownCell(*palette->ObjSelector, {5, 5}), InsideOnly(eraser));
  EXPECT_EQ(ShownCell(*palette->VehSelector, NoUnitCell), InsideOnly(eraser));
  EXPECT_EQ(ShownCell(*palette->TerGroupSel, {5, 5}), InsideOnly(Sets().BackgroundHex));
}

TEST_F(TPaletteSelectors, GroupChoiceLoadsThePageOfThatPosition) {
  TMultiSelView& groups = *palette->TerGroupSel;
  TMultiSelView& pictures = *palette->TerSelector;
  RightClick(pictures, {5, 4});
  ASSERT_EQ(pictures.CursorPos(), (TPoint{5, 4}));

  RightClick(groups, {1, 0});  // groups count row by row: page 1
  EXPECT_EQ(pictures.Page(), SampleTerrain().Groups[1]);
  EXPECT_EQ(ShownCell(pictures, {5, 4}).At(12, 12), InsideOnly(Sets().Part(21)).At(12, 12));
  // The picture cursor goes to the group's first picture, never onto a
  // place the new group leaves empty.
  EXPECT_EQ(pictures.CursorPos(), (TPoint{0, 0}));
  EXPECT_EQ(pictures.CurrentValue(), 20);
  RightClick(pictures, {5, 4});

  RightClick(groups, {0, 1});  // page 12, not 2
  EXPECT_EQ(pictures.Page(), SampleTerrain().Groups[12]);
  EXPECT_EQ(pictures.CurrentValue(), 30);

  // Row by row: the first picture of group 27 is (4, 0), not (10, 1).
  RightClick(*palette->ObjSelector, {8, 5});
  RightClick(*palette->ObjGroupSel, {3, 2});
  EXPECT_EQ(palette->ObjSelector->CursorPos(), (TPoint{4, 0}));
  EXPECT_EQ(palette->ObjSelector->CurrentValue(), 300);

  // A position without an icon still loads its (empty) page; the cursor
  // has nowhere better to go.
  RightClick(pictures, {7, 3});
  RightClick(groups, {9, 4});
  EXPECT_EQ(pictures.Page(), TSelectionPage{});
  EXPECT_EQ(pictures.CursorPos(), (TPoint{7, 3}));

  // The object page has its own groups.
  RightClick(*palette->ObjGroupSel, {3, 2});
  EXPECT_EQ(palette->ObjSelector->Page(), SampleObjects().Groups[27]);
  EXPECT_EQ(pictures.Page(), TSelectionPage{});

  // A left click alone moves nothing.
  LeftClick(groups, {1, 0});
  EXPECT_EQ(groups.CursorPos(), (TPoint{9, 4}));
}

// The text the control shows when the mouse rests on a cell.
QString ToolTipAt(TEckView& view, TPoint cell) {
  QToolTip::hideText();
  const QPoint at = CellCentre(view, cell);
  QHelpEvent help(QEvent::ToolTip, at, view.mapToGlobal(at));
  QApplication::sendEvent(&view, &help);
  return QToolTip::isVisible() ? QToolTip::text() : QString();
}

TEST_F(TPaletteSelectors, ToolTipsNameTheSelectorsPicturesUnitsAndTheEraser) {
  // Groups and places count from 1: the icon page's column 1, row 0 is the
  // second group; group 0 shows 1, 10, 11, 14, 12, 13 row by row.
  EXPECT_EQ(ToolTipAt(*palette->TerGroupSel, {1, 0}), "Groups\ngroup 2, picture 20");
  EXPECT_EQ(ToolTipAt(*palette->TerGroupSel, {9, 4}), "Groups");
  EXPECT_EQ(ToolTipAt(*palette->ObjGroupSel, {3, 2}), "Groups\ngroup 28, picture 300");
  EXPECT_EQ(ToolTipAt(*palette->TerSelector, {2, 2}), "Pictures of the group\ngroup 1, picture 10, 2 of 6");
  EXPECT_EQ(ToolTipAt(*palette->TerSelector, {5, 5}), "Erase");
  EXPECT_EQ(ToolTipAt(*palette->ObjSelector, {1, 2}), "Pictures of the group\ngroup 1, picture 201, 2 of 4");
  // Picture 50 stands in groups 5 and 12: the place is the one in the group
  // shown (30, 50, 31 row by row).
  RightClick(*palette->TerGroupSel, {0, 1});
  EXPECT_EQ(ToolTipAt(*palette->TerSelector, {1, 1}), "Pictures of the group\ngroup 13, picture 50, 2 of 3");
  RightClick(*palette->TerGroupSel, {5, 0});
  EXPECT_EQ(ToolTipAt(*palette->TerSelector, {2, 2}), "Pictures of the group\ngroup 6, picture 50, 1 of 1");
  EXPECT_EQ(ToolTipAt(*palette->VehSelector, NoUnitCell), "Erase");
  ShowPage(TMDIPictures::pgVehicle);
  palette->VehOwnerComboBox->setCurrentIndex(2);
  const QString third = palette->VehOwnerComboBox->itemText(2);
  EXPECT_EQ(ToolTipAt(*palette->VehSelector, {5, 0}), "Unit type 5\nOwner: " + third);
  // Type 53 is always neutral.
  EXPECT_EQ(ToolTipAt(*palette->VehSelector, {5, 4}), "Unit type 53\nOwner: neutral");
  QToolTip::hideText();
}

// Erasing stays possible, chosen on purpose.
TEST_F(TPaletteSelectors, TheEraserIsChosenLikeAPicture) {
  RightClick(*palette->TerSelector, {5, 5});
  uint8_t page = 0;
  uint16_t value = 0;
  palette->GetSelectedPicture(page, value);
  EXPECT_EQ(value, 0xFFFF);
}

TEST_F(TPaletteSelectors, SelectedValuesOfEachPage) {
  uint8_t page = 99;
  uint16_t value = 0x1234;
  RightClick(*palette->TerSelector, {3, 3});
  palette->GetSelectedPicture(page, value);
  EXPECT_EQ(page, 0);
  EXPECT_EQ(value, 12);
  RightClick(*palette->TerSelector, {9, 0});
  palette->GetSelectedPicture(page, value);
  EXPECT_EQ(value, 0xFFFF);  // an empty cell paints "none"

  ShowPage(1);
  RightClick(*palette->ObjSelector, {1, 2});
  palette->GetSelectedPicture(page, value);
  EXPECT_EQ(page, 1);
  EXPECT_EQ(value, 201);

  ShowPage(2);
  palette->VehOwnerComboBox->setCurrentIndex(2);
  RightClick(*palette->VehSelector, {5, 0});
  palette->GetSelectedPicture(page, value);
  EXPECT_EQ(page, 2);
  EXPECT_EQ(value, 0x0205);
  RightClick(*palette->VehSelector, {5, 4});  // type 53 is always neutral
  palette->GetSelectedPicture(page, value);
  EXPECT_EQ(value, 0x0635);
  for (int owner = 0; owner < 6; ++owner) {
    palette->VehOwnerComboBox->setCurrentIndex(owner);
    RightClick(*palette->VehSelector, {4, 5});
    palette->GetSelectedPicture(page, value);
    EXPECT_EQ(value, 0xFFFF) << owner;
    RightClick(*palette->VehSelector, {5, 4});
    palette->GetSelectedPicture(page, value);
    EXPECT_EQ(value, 0x0635) << owner;
  }

  ShowPage(3);
  value = 0x4321;
  palette->GetSelectedPicture(page, value);
  EXPECT_EQ(page, 3);
  EXPECT_EQ(value, 0x4321);
  MultiSelection sel;
  EXPECT_FALSE(palette->GetMultiSelection(sel));
}

TEST_F(TPaletteSelectors, MultiSelectionOfAConnectedRegionAndAnIsolatedCell) {
  TMultiSelView& pictures = *palette->TerSelector;
  MultiSelection sel;
  EXPECT_FALSE(palette->GetMultiSelection(sel));

  SpecialClick(pictures, {3, 3});
  ASSERT_TRUE(pictures.MultiSelActive());
  ASSERT_TRUE(palette->GetMultiSelection(sel));
  MultiSelection expected;
  expected.AnchorX = 3;
  expected.AnchorY = 3;
  expected.At(2, 2) = 10;
  expected.At(3, 2) = 11;
  expected.At(3, 3) = 12;
  expected.At(4, 4) = 13;
  EXPECT_EQ(sel, expected);

  // The region is outlined along its border, other cells are not.
  THexPicture outlined = Sets().Part(11);
  const uint8_t border32 = static_cast<uint8_t>(0x3F & ~(1 << dirUpperLeft | 1 << dirDown));
  EXPECT_EQ(pictures.MultiSel().Border({3, 2}), border32);
  OverlayPicture(outlined, Sets().EdgeCombos[border32], 0);
  EXPECT_EQ(ShownCell(pictures, {3, 2}), InsideOnly(outlined));
  EXPECT_EQ(ShownCell(pictures, {0, 0}), InsideOnly(Sets().Part(1)));

  // An isolated cell alone, all six border bits set.
  SpecialClick(pictures, {6, 2});
  ASSERT_TRUE(palette->GetMultiSelection(sel));
  EXPECT_EQ(sel.AnchorX, 6);
  EXPECT_EQ(sel.AnchorY, 2);
  EXPECT_EQ(sel.At(6, 2), 14);
  EXPECT_EQ(sel.At(3, 3), -1);
  EXPECT_EQ(pictures.MultiSel().Border({6, 2}), 0x3F);
  THexPicture isolated = Sets().Part(14);
  OverlayPicture(isolated, Sets().EdgeCombos[0x3F], 0);
  OverlayPicture(isolated, Sets().CursorPictures[0], 0);  // the right press put the cursor there
  EXPECT_EQ(ShownCell(pictures, {6, 2}), InsideOnly(isolated));
  EXPECT_EQ(ShownCell(pictures, {3, 2}), InsideOnly(Sets().Part(11)));

  // A press on an empty cell drops it.
  SpecialClick(pictures, {8, 5});
  EXPECT_FALSE(palette->GetMultiSelection(sel));
  EXPECT_EQ(ShownCell(pictures, {6, 2}), InsideOnly(Sets().Part(14)));

  // Group selectors do not select blocks.
  SpecialClick(*palette->TerGroupSel, {0, 0});
  EXPECT_FALSE(palette->TerGroupSel->MultiSelActive());
}

TEST_F(TPaletteSelectors, AnchorFollowsTheCursorInsideTheRegion) {
  ShowPage(1);
  TMultiSelView& objects = *palette->ObjSelector;
  SpecialClick(objects, {1, 1});
  MultiSelection sel;
  ASSERT_TRUE(palette->GetMultiSelection(sel));
  EXPECT_EQ((TPoint{sel.AnchorX, sel.AnchorY}), (TPoint{1, 1}));
  const auto pictures = sel.Pictures;

  // Right button onto another cell of the block: same block, new anchor.
  RightClick(objects, {2, 2});
  ASSERT_TRUE(palette->GetMultiSelection(sel));
  EXPECT_EQ((TPoint{sel.AnchorX, sel.AnchorY}), (TPoint{2, 2}));
  EXPECT_EQ(sel.Pictures, pictures);

  // A right drag moves the cursor too, here out of the block: dropped.
  Press(objects, {2, 2}, Qt::RightButton);
  QTest::mouseMove(&objects, CellCentre(objects, {8, 5}));
  Release(objects, {8, 5}, Qt::RightButton);
  EXPECT_EQ(objects.CursorPos(), (TPoint{8, 5}));
  EXPECT_FALSE(palette->GetMultiSelection(sel));

  // A new group page drops it as well.
  SpecialClick(objects, {1, 1});
  ASSERT_TRUE(objects.MultiSelActive());
  RightClick(*palette->ObjGroupSel, {3, 2});
  EXPECT_FALSE(objects.MultiSelActive());
}

TEST_F(TPaletteSelectors, PickSearchesCursorCurrentGroupThenAllGroups) {
  TMultiSelView& groups = *palette->TerGroupSel;
  TMultiSelView& pictures = *palette->TerSelector;

  // 50 lies in group 5 (row 0) and group 12 (row 1): the lower row wins.
  ASSERT_TRUE(palette->PickPicture(50, -1, 0xFFFF));
  EXPECT_EQ(groups.CursorPos(), (TPoint{5, 0}));
  EXPECT_EQ(pictures.Page(), SampleTerrain().Groups[5]);
  EXPECT_EQ(pictures.CursorPos(), (TPoint{2, 2}));

  // From inside group 12 the current group wins.
  RightClick(groups, {0, 1});
  ASSERT_TRUE(palette->PickPicture(50, -1, 0xFFFF));
  EXPECT_EQ(groups.CursorPos(), (TPoint{0, 1}));
  EXPECT_EQ(pictures.CursorPos(), (TPoint{1, 1}));

  // Not found: nothing changes, false for the caller's beep.
  EXPECT_FALSE(palette->PickPicture(999, -1, 0xFFFF));
  EXPECT_EQ(groups.CursorPos(), (TPoint{0, 1}));
  EXPECT_EQ(pictures.CursorPos(), (TPoint{1, 1}));

  // The object page searches the object picture.
  ShowPage(1);
  ASSERT_TRUE(palette->PickPicture(50, 301, 0xFFFF));
  EXPECT_EQ(palette->ObjGroupSel->CursorPos(), (TPoint{3, 2}));
  EXPECT_EQ(palette->ObjSelector->CursorPos(), (TPoint{10, 1}));
  EXPECT_FALSE(palette->PickPicture(301, 50, 0xFFFF));

  // Units: cursor on the type, owner taken when it is a player.
  ShowPage(2);
  palette->VehOwnerComboBox->setCurrentIndex(1);
  ASSERT_TRUE(palette->PickPicture(-1, -1, 0x0419));
  EXPECT_EQ(palette->VehSelector->CursorPos(), (TPoint{1, 2}));
  EXPECT_EQ(palette->VehOwnerComboBox->currentIndex(), 4);
  ASSERT_TRUE(palette->PickPicture(-1, -1, 0x0635));
  EXPECT_EQ(palette->VehSelector->CursorPos(), (TPoint{5, 4}));
  EXPECT_EQ(palette->VehOwnerComboBox->currentIndex(), 4);
  ASSERT_TRUE(palette->PickPicture(-1, -1, 0xFFFF));
  EXPECT_EQ(palette->VehSelector->CursorPos(), (TPoint{4, 5}));
  EXPECT_EQ(palette->VehOwnerComboBox->currentIndex(), 4);
  uint8_t page = 0;
  uint16_t value = 0;
  palette->GetSelectedPicture(page, value);
  EXPECT_EQ(value, 0xFFFF);

  ShowPage(3);
  EXPECT_TRUE(palette->PickPicture(999, 999, 0x0101));
}

TEST_F(TPaletteSelectors, MissingAndShortSelectionFilesLeaveAUsablePalette) {
  TempDir other;
  WriteFile(other.File("objekt.sel"), ByteStream(100, 0));
  TMDIPictures p(Sets(), other.Path());
  const std::string error = p.SetupError().toStdString();
  EXPECT_NE(error.find("terrain.sel"), std::string::npos) << error;
  EXPECT_NE(error.find("objekt.sel"), std::string::npos) << error;
  EXPECT_EQ(p.TerGroupSel->Page(), TSelectionPage{});
  EXPECT_EQ(p.ObjSelector->Page(), TSelectionPage{});
  EXPECT_EQ(p.VehSelector->Page(), UnitSelectionPage());
  p.show();
  RightClick(*p.TerGroupSel, {2, 2});
  uint8_t page = 9;
  uint16_t value = 0;
  p.GetSelectedPicture(page, value);
  EXPECT_EQ(page, 0);
  EXPECT_EQ(value, 0xFFFF);
  EXPECT_FALSE(p.PickPicture(5, 5, 0xFFFF));

  // A program directory whose name is no ASCII is named as it is.
  const std::string umlautDir = other.File("Pr\xC3\xBC"
                                           "fung");  // UTF-8, as the file system has it
  std::filesystem::create_directories(umlautDir);
  TMDIPictures named(Sets(), umlautDir);
  EXPECT_TRUE(named.SetupError().contains(QString::fromUtf8("Pr\u00FCfung/terrain.sel")))
      << named.SetupError().toStdString();

  // One good file is enough for its own page.
  WriteFile(other.File("terrain.sel"), SelectionFileBytes(SampleTerrain()));
  TMDIPictures half(Sets(), other.Path());
  EXPECT_EQ(half.TerSelector->Page(), SampleTerrain().Groups[0]);
  EXPECT_EQ(half.SetupError().toStdString().find("terrain.sel"), std::string::npos);
}

TEST_F(TPaletteSelectors, ClosingTheToolWindowMinimisesIt) {
  QMdiArea area;
  area.resize(900, 700);
  auto* p = new TMDIPictures(Sets(), dir.Path());
  QMdiSubWindow* sub = TMDIPictures::AddToMdiArea(area, p);
  area.show();
  sub->show();
  EXPECT_EQ(sub->windowTitle(), "Edit Window");
  EXPECT_TRUE(sub->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(sub->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(sub->close());
  EXPECT_TRUE(sub->isMinimized());
  EXPECT_EQ(area.subWindowList().size(), 1);

  EXPECT_FALSE(palette->close());
  EXPECT_TRUE(palette->isMinimized());
}

}  // namespace
}  // namespace vh::test
