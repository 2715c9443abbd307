#include "shell/PaletteFactory.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "tools/Cp1252.h"
#include "tools/MDIPicturesForm.h"

namespace vh {

TPaletteWindow CreatePaletteWindow(const TPictureSets& sets, const std::string& programDir, QMdiArea* area) {
  auto* palette = new TMDIPictures(sets, programDir);
  QMdiSubWindow* sub = TMDIPictures::AddToMdiArea(*area, palette);
  sub->adjustSize();
  sub->setWindowIcon(QApplication::windowIcon());
  // The palette keeps the right-hand side; mission windows open to its left.
  QRect r = area->viewport()->rect();
  sub->move(std::max(0, r.width() - sub->width()), 0);
  sub->show();
  return {sub, palette, palette->SetupError()};
}

} // namespace vh
