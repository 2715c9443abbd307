#pragma once

#include <QString>

#include <string>

#include "graphics/PictureSets.h"

class QWidget;

namespace vh {

class TPaletteApi;

struct TPaletteWindow {
  QWidget* Window = nullptr;  // the palette itself
  TPaletteApi* Api = nullptr;
  QString SetupError;  // selection files that could not be read
};

// Creates the palette, owned by `owner`, for the frame to dock.
TPaletteWindow CreatePaletteWindow(const TPictureSets& sets, const std::string& programDir, QWidget* owner);

}  // namespace vh
