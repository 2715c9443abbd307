#include "shell/PaletteFactory.h"

#include "tools/MDIPicturesForm.h"
#include "views/QtText.h"

namespace vh {

TPaletteWindow CreatePaletteWindow(const TPictureSets& sets, const std::string& programDir, QWidget* owner) {
  auto* palette = new TMDIPictures(sets, programDir, owner);
  return {palette, palette, palette->SetupError()};
}

}  // namespace vh
