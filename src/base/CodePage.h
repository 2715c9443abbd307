#pragma once

#include <string>

namespace vh {

// The game's text files use the DOS code page, the model code page 1252.
// Only the six German umlauts differ in a way the game cares about; every
// other byte passes unchanged (so a DOS sharp s, 0xE1, stays 0xE1).
std::string DosToWin(std::string text);
std::string WinToDos(std::string text);

}  // namespace vh
