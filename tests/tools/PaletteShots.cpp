// Writes pictures of the palette's pages with a mission attached, of its
// tool window in an MDI area and of the slot dialogs, to look at them as a
// user would. Not a test.
//   palette_shots DIR [GAME_DIR PROGRAM_DIR]
// With a game directory and a program directory holding TOOLS.DAT,
// terrain.sel and objekt.sel the game's own pictures are used; otherwise
// the test pictures and sample selection files.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>

#include <cstdio>
#include <memory>

#include "graphics/Library.h"
#include "support/FakeGraphics.h"
#include "support/TempDir.h"
#include "tools/COMPContentView.h"
#include "tools/COMPMultiSelView.h"
#include "tools/COMPStdProdView.h"
#include "tools/DLGEditProduce.h"
#include "tools/DLGSettings.h"
#include "tools/MDIPicturesForm.h"
#include "tools/SelectionFileBytes.h"
#include "views/COMPMissView.h"

namespace {

using namespace vh;

// Groups of consecutive pictures, each group's first picture as its icon.
TSelectionFile SampleFile(int first, int perGroup, int groups, int count) {
  TSelectionFile f;
  for (int g = 0; g < groups; ++g) {
    const int start = first + g * perGroup;
    if (start >= count)
      break;
    f.GroupIndex.At({g % SelCols, g / SelCols}) = static_cast<int16_t>(start);
    TSelectionPage& page = f.Groups[static_cast<size_t>(g)];
    for (int i = 0; i < perGroup && start + i < count; ++i)
      page.At({i % SelCols, i / SelCols}) = static_cast<int16_t>(start + i);
  }
  return f;
}

bool Save(QWidget& w, const QString& file) {
  QApplication::processEvents();
  const bool ok = w.grab().save(file);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", file.toLocal8Bit().constData());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2 && argc != 4) {
    std::fprintf(stderr, "usage: palette_shots DIR [GAME_DIR PROGRAM_DIR]\n");
    return 2;
  }
  const QString out = QString::fromLocal8Bit(argv[1]) + "/";
  vh::test::TempDir temp;
  std::string programDir = temp.Path();
  auto sets = std::make_unique<TPictureSets>();
  if (argc == 4) {
    programDir = argv[3];
    TLibraryTable table = DefaultLibraryTable();
    OpenLibraries(argv[2], table);
    LoadGameGraphics(*sets, table, programDir);
    CloseLibraries(table);
  } else {
    *sets = vh::test::MakeFakeSets();
    vh::test::WriteFile(temp.File("terrain.sel"), vh::test::SelectionFileBytes(SampleFile(0, 8, 8, 64)));
    vh::test::WriteFile(temp.File("objekt.sel"),
                        vh::test::SelectionFileBytes(SampleFile(64, 30, 40, PartPictureCount)));
  }

  TMissView view(*sets);
  ApplyMissionWindowSettings(view);
  view.StartNewMission({24, 16});
  TMission& m = view.Mission();
  m.Players[0].Name = "Nordmark";
  m.Players[1].Name = "Sudland";
  m.Players[6].Name = "Neutral side";
  for (TPoint p : {TPoint{1, 1}, TPoint{4, 2}, TPoint{6, 3}})
    m.NewShop(p);
  m.GetShop(1)->Name = "Harbour West";
  m.GetShop(1)->Owner = 1;
  m.GetShop(1)->ShopType = stPort;
  m.GetShop(1)->Energy = 250;
  m.GetShop(1)->EP = 12;
  m.GetShop(1)->Material = 400;
  m.GetShop(1)->MP = 5;
  m.GetShop(1)->Priority = 1000;
  m.GetShop(1)->Content = {1, 2, 3, 4, 5, 6, -1, -1, 9, -1, -1, -1, 12, -1, -1, 15};
  m.GetShop(1)->Produce = {7, 8, -1, 20};
  TMissionCell& cell = m.Cell({4, 2});
  cell.Vehicle = 10;
  cell.VehOwner = 1;
  m.NewVehContent({4, 2});
  m.GetVehContent(0)->Units = {3, 4, -1, 6, -1, -1, 21, -1};
  m.NewAIPoint({4, 2});
  *m.GetAIPoint(0) = TAIPointRec{1, 10, 0x48, 65535, 7};
  view.MoveCursor({4, 2});

  TMDIPictures palette(*sets, programDir);
  if (!palette.SetupError().isEmpty())
    std::fprintf(stderr, "setup: %s\n", palette.SetupError().toLocal8Bit().constData());
  palette.EnableShopCreation();
  palette.AttachMissionView(&view);
  palette.show();
  // A block chosen on the terrain page, a group on the object page.
  palette.TerSelector->MoveCursor({2, 0});
  palette.TerGroupSel->MoveCursor({1, 0});
  palette.ObjGroupSel->MoveCursor({2, 0});
  palette.ObjSelector->MoveCursor({3, 1});
  palette.VehSelector->MoveCursor({10, 0});
  palette.VehOwnerComboBox->setCurrentIndex(1);
  bool ok = true;
  const char* const names[] = {"terrain", "object", "vehicle", "shop"};
  for (int page = 0; page < 4; ++page) {
    palette.PageControl->setCurrentIndex(page);
    ok &= Save(palette, out + QString("palette-%1-%2.png").arg(page).arg(names[page]));
  }

  TMDIPictures empty(*sets, "/nonexistent");
  std::printf("missing files: %s\n", empty.SetupError().toLocal8Bit().constData());
  empty.PageControl->setCurrentIndex(3);
  empty.show();
  ok &= Save(empty, out + "palette-no-mission-shop.png");

  QMdiArea area;
  area.resize(760, 620);
  auto* child = new TMDIPictures(*sets, programDir);
  QMdiSubWindow* sub = TMDIPictures::AddToMdiArea(area, child);
  area.show();
  sub->show();
  sub->move(20, 20);
  ok &= Save(area, out + "palette-in-mdi-area.png");

  TEditContentForm content(*sets);
  content.Content->LoadSlots(m.GetShop(1)->Content, true);
  content.show();
  ok &= Save(content, out + "dialog-edit-content.png");
  TEditProduceForm produce(*sets);
  produce.Produce->LoadSlots(m.GetShop(1)->Produce, true);
  produce.show();
  ok &= Save(produce, out + "dialog-edit-production.png");

  TSettingsForm settings(nullptr, sets.get());
  m.StdProd[0] = 1;
  m.StdProd[5] = 2;
  m.StdProd[13] = 3;
  settings.LoadFrom(m);
  settings.PageControl->setCurrentIndex(2);
  settings.show();
  ok &= Save(settings, out + "settings-std-product.png");
  return ok ? 0 : 1;
}
