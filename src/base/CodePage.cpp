#include "base/CodePage.h"

#include <cstdint>
#include <utility>

namespace vh {

namespace {
constexpr std::pair<uint8_t, uint8_t> kLetters[] = {
    {0x81, 0xFC},  // ü
    {0x84, 0xE4},  // ä
    {0x8E, 0xC4},  // Ä
    {0x94, 0xF6},  // ö
    {0x99, 0xD6},  // Ö
    {0x9A, 0xDC},  // Ü
};

template <bool ToWin> std::string Convert(std::string text) {
  for (char& ch : text) {
    auto b = static_cast<uint8_t>(ch);
    for (auto [dos, win] : kLetters) {
      if (b == (ToWin ? dos : win)) {
        ch = static_cast<char>(ToWin ? win : dos);
        break;
      }
    }
  }
  return text;
}
}  // namespace

std::string DosToWin(std::string text) {
  return Convert<true>(std::move(text));
}
std::string WinToDos(std::string text) {
  return Convert<false>(std::move(text));
}

}  // namespace vh
