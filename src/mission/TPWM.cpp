#include "mission/TPWM.h"

#include <algorithm>

#include "base/Errors.h"

namespace vh {

ByteStream DecompressTPWM(std::span<const uint8_t> source, const std::string& sourceName) {
  ByteReader in(source, sourceName);
  int64_t remaining = in.I32();
  ByteStream out;
  // Never trust the announced length for the allocation: every output byte
  // costs at least a bit of input, so the input size bounds a sane reserve.
  if (remaining > 0)
    out.reserve(static_cast<size_t>(std::min<int64_t>(remaining, 18 * static_cast<int64_t>(source.size()))));
  while (remaining > 0) {
    uint8_t flags = in.U8();
    for (int bit = 7; bit >= 0 && remaining > 0; --bit) {
      if (!(flags & (1u << bit))) {
        out.push_back(in.U8());
        --remaining;
        continue;
      }
      uint16_t w = in.U16();
      size_t length = (w & 0x0F) + 3;
      size_t distance = w >> 4;
      size_t p = out.size();
      if (p >= 0x10000)
        throw ERangeError(
            Message(VH_TRANSLATE_NOOP("Error", "%1: back reference after 65536 output bytes"), sourceName));
      if (distance == 0 || distance > p)
        throw ERangeError(
            Message(VH_TRANSLATE_NOOP("Error", "%1: back reference of distance %2 at output position %3"),
                    sourceName, distance, p));
      for (size_t i = 0; i < length; ++i) {
        uint8_t b = out[p - distance + i];  // copied first: push_back may move the buffer
        out.push_back(b);
      }
      remaining -= static_cast<int64_t>(length);
    }
  }
  return out;
}

}  // namespace vh
