#pragma once

namespace vh {

// The game's picture libraries and picture sets are loaded here once the
// library readers exist; until then the module only has its version.
int GraphicsModuleVersion();

} // namespace vh
