#include "support/TPWMEncoder.h"

#include <algorithm>

namespace vh::test {

ByteStream CompressTPWM(std::span<const uint8_t> plain) {
  ByteStream out = {'T', 'P', 'W', 'M'};
  AppendU32(out, static_cast<uint32_t>(plain.size()));
  size_t p = 0;
  while (p < plain.size()) {
    size_t flagAt = out.size();
    out.push_back(0);
    for (int bit = 7; bit >= 0 && p < plain.size(); --bit) {
      // Longest earlier match; references are only valid below 64 KiB output.
      size_t bestLen = 0, bestDist = 0;
      if (p < 0x10000) {
        size_t maxLen = std::min<size_t>(18, plain.size() - p);
        for (size_t d = 1; d <= std::min<size_t>(p, 4095); ++d) {
          size_t len = 0;
          while (len < maxLen && plain[p - d + len] == plain[p + len])
            ++len;
          if (len > bestLen) {
            bestLen = len;
            bestDist = d;
          }
        }
      }
      if (bestLen >= 3) {
        out[flagAt] |= static_cast<uint8_t>(1u << bit);
        AppendU16(out, static_cast<uint16_t>((bestDist << 4) | (bestLen - 3)));
        p += bestLen;
      } else {
        out.push_back(plain[p++]);
      }
    }
  }
  return out;
}

}  // namespace vh::test
