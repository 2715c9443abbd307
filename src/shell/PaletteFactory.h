#pragma once

#include <QString>

#include <string>

#include "graphics/PictureSets.h"

class QMdiArea;
class QWidget;

namespace vh {

class TPaletteApi;

struct TPaletteWindow {
  QWidget* Window = nullptr;  // the MDI sub-window holding the palette
  TPaletteApi* Api = nullptr;
  QString SetupError;         // selection files that could not be read
};

// Creates the palette window inside the frame's MDI area, beside where the
// mission windows open.
TPaletteWindow CreatePaletteWindow(const TPictureSets& sets, const std::string& programDir, QMdiArea* area);

} // namespace vh
