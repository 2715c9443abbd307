#include "graphics/Graphics.h"

namespace vh {

int GraphicsModuleVersion() { return 1; }

} // namespace vh
