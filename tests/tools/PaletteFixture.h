#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include <memory>

#include "base/Anomaly.h"
#include "support/FakeGraphics.h"
#include "support/TempDir.h"
#include "tools/MDIPicturesForm.h"
#include "tools/SelectionFileBytes.h"
#include "views/COMPMissView.h"

namespace vh::test {

// --- Clicks on a grid view -----------------------------------------------------

inline QPoint CellCentre(const TEckView& view, TPoint cell) {
  const TPoint p = view.CellToPoint(cell);
  return view.BitmapToWidget({p.x + HexSize / 2, p.y + HexSize / 2});
}

inline void Press(TEckView& view, TPoint cell, Qt::MouseButton button) {
  QTest::mousePress(&view, button, Qt::NoModifier, CellCentre(view, cell));
}
inline void Release(TEckView& view, TPoint cell, Qt::MouseButton button) {
  QTest::mouseRelease(&view, button, Qt::NoModifier, CellCentre(view, cell));
}
inline void Click(TEckView& view, TPoint cell, Qt::MouseButton button) {
  Press(view, cell, button);
  Release(view, cell, button);
}
inline void RightClick(TEckView& view, TPoint cell) {
  Click(view, cell, Qt::RightButton);
}
inline void LeftClick(TEckView& view, TPoint cell) {
  Click(view, cell, Qt::LeftButton);
}
// A left press while the right button is held, on the same cell.
inline void SpecialClick(TEckView& view, TPoint cell) {
  Press(view, cell, Qt::RightButton);
  Press(view, cell, Qt::LeftButton);
  Release(view, cell, Qt::LeftButton);
  Release(view, cell, Qt::RightButton);
}

// The picture the view shows on a cell, read back from its bitmap.
inline THexPicture ShownCell(const TEckView& view, TPoint cell) {
  const TPoint o = view.CellToPoint(cell);
  THexPicture p;
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c)
      p.At(r, c) = InsideHexOutline(r, c) ? view.MapBitmap().At(o.x + c, o.y + r) : OutsideColour;
  return p;
}
inline THexPicture InsideOnly(THexPicture p) {
  FillHexOutside(p, OutsideColour);
  return p;
}

// Counts the beeps the editor would sound.
struct TBeepCounter : AnomalySink {
  int Count = 0;
  void Anomaly(const std::string&) override { ++Count; }
};

// --- The sample installation ------------------------------------------------------

inline TSelectionPage PageOf(std::initializer_list<std::pair<TPoint, int16_t>> entries) {
  TSelectionPage p;
  for (const auto& [cell, value] : entries)
    p.At(cell) = value;
  return p;
}

// Terrain groups: group 0 holds a connected block (2,2) (3,2) (3,3) (4,4),
// the isolated cell (6,2) and (0,0); picture 50 lies in group 5 (icon
// column 5, row 0) and group 12 (icon column 0, row 1).
inline TSelectionFile SampleTerrain() {
  TSelectionFile f;
  f.GroupIndex = PageOf({{{0, 0}, 10}, {{1, 0}, 20}, {{5, 0}, 50}, {{0, 1}, 30}});
  f.Groups[0] = PageOf({{{0, 0}, 1}, {{2, 2}, 10}, {{3, 2}, 11}, {{3, 3}, 12}, {{4, 4}, 13}, {{6, 2}, 14}});
  f.Groups[1] = PageOf({{{0, 0}, 20}, {{5, 4}, 21}});
  f.Groups[5] = PageOf({{{2, 2}, 50}});
  f.Groups[12] = PageOf({{{0, 0}, 30}, {{7, 3}, 31}, {{1, 1}, 50}});
  return f;
}

inline TSelectionFile SampleObjects() {
  TSelectionFile f;
  f.GroupIndex = PageOf({{{0, 0}, 200}, {{3, 2}, 300}});
  f.Groups[0] = PageOf({{{1, 1}, 200}, {{1, 2}, 201}, {{2, 2}, 202}, {{8, 5}, 210}});
  f.Groups[27] = PageOf({{{4, 0}, 300}, {{10, 1}, 301}});
  return f;
}

class PaletteTest : public ::testing::Test {
protected:
  static const TPictureSets& Sets() { return SharedFakeSets(); }

  void SetUp() override {
    WriteFile(dir.File("terrain.sel"), SelectionFileBytes(SampleTerrain()));
    WriteFile(dir.File("objekt.sel"), SelectionFileBytes(SampleObjects()));
    palette = std::make_unique<TMDIPictures>(Sets(), dir.Path());
    palette->show();
  }

  // A 24 x 16 mission in a map view, as a mission window holds it.
  std::unique_ptr<TMissView> MakeView() {
    auto view = std::make_unique<TMissView>(Sets());
    ApplyMissionWindowSettings(*view);
    view->StartNewMission({24, 16});
    return view;
  }

  void ShowPage(int page) { palette->PageControl->setCurrentIndex(page); }

  // The cursor moved on the map, as the mission window reports it.
  void MoveMapCursor(TPoint cell) {
    view->MoveCursor(cell);
    const TMissionCell c = view->CursorCell();
    palette->SetCurrentShop(c.Shop);
    palette->ShowCellUnit(c.VehContent, c.VehOwner != NoSide, c.AIPoint);
  }

  TempDir dir;
  std::unique_ptr<TMDIPictures> palette;
  std::unique_ptr<TMissView> view;  // the map the palette follows, when a test has one
  TBeepCounter beeps;
  ScopedAnomalySink beepScope{&beeps};
};

}  // namespace vh::test
