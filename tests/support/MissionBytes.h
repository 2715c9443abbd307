#pragma once

// Builds mission files byte by byte, independently of the editor's writer, so
// tests can check the reader and the writer against the file layout itself.

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "base/ByteIO.h"

namespace vh::test {

using Record80 = std::array<uint8_t, 80>;

inline Record80 ShopRecord(uint16_t code, uint16_t classWord, uint16_t typeWord, uint8_t ownerMask) {
  Record80 r{};
  PutU16(r, 0, 1);
  PutU16(r, 2, code);
  PutU16(r, 4, classWord);
  PutU16(r, 10, code);
  for (int i = 0; i < 16; ++i)
    PutI16(r, 18 + 2 * i, -1);
  PutU16(r, 50, typeWord);
  r[64] = ownerMask;
  return r;
}

inline Record80 ContentRecord(uint16_t code, std::array<int16_t, 8> units, uint8_t ownerMask) {
  Record80 r{};
  PutU16(r, 0, 1);
  PutU16(r, 2, code);
  PutU16(r, 4, 32);
  PutU16(r, 10, code);
  for (int i = 0; i < 8; ++i)
    PutI16(r, 18 + 2 * i, units[i]);
  r[64] = ownerMask;
  return r;
}

inline Record80 AIRecord(uint16_t code, bool flag, uint16_t a0a, uint16_t a48, uint16_t a4a, uint16_t a4e) {
  Record80 r{};
  PutU16(r, 0, 2);
  PutU16(r, 2, code);
  PutU16(r, 10, a0a);
  if (flag)
    std::memset(r.data() + 18, 0xFF, 32);
  PutU16(r, 72, a48);
  PutU16(r, 74, a4a);
  PutU16(r, 78, a4e);
  return r;
}

// One 8-byte change record.
inline ByteStream LayerRecord(uint16_t code, int16_t terrain, int16_t obj, uint8_t vehicle, uint8_t mask) {
  ByteStream r;
  AppendU16(r, code);
  AppendI16(r, terrain);
  AppendI16(r, obj);
  AppendU8(r, vehicle);
  AppendU8(r, mask);
  return r;
}

struct MissionBytes {
  std::array<uint8_t, 332> Miss{'M', 'I', 'S', 'S'};
  uint16_t Width = 2, Height = 2;
  std::vector<int16_t> Terrain, Obj;  // Width * Height each; default: all -1
  std::vector<uint16_t> Units;        // default: all 0xFFFF
  std::vector<Record80> Shop;
  ByteStream MapBody;
  std::vector<ByteStream> Layers;  // one chunk each, tags DF00, DF01, ...
  int LayerCountOverride = -1;
  // Chunks are written in this order; readers must follow the directory.
  std::vector<std::string> Order{"MISS", "ACTN", "SHOP", "MAP", "DF"};

  ByteStream Build() const {
    ByteStream out(278, 0);
    std::memcpy(out.data(), "MSSN", 4);
    size_t cells = static_cast<size_t>(Width) * Height;
    for (const std::string& chunk : Order) {
      if (chunk == "MISS") {
        PutU32(out, 4, static_cast<uint32_t>(out.size()));
        AppendBytes(out, Miss);
      } else if (chunk == "ACTN") {
        PutU32(out, 16, static_cast<uint32_t>(out.size()));
        AppendText(out, "ACTN");
        AppendU16(out, Width);
        AppendU16(out, Height);
        for (size_t i = 0; i < cells; ++i)
          AppendI16(out, i < Terrain.size() ? Terrain[i] : -1);
        for (size_t i = 0; i < cells; ++i)
          AppendI16(out, i < Obj.size() ? Obj[i] : -1);
        for (size_t i = 0; i < cells; ++i)
          AppendU16(out, i < Units.size() ? Units[i] : 0xFFFF);
      } else if (chunk == "SHOP") {
        PutU32(out, 12, static_cast<uint32_t>(out.size()));
        AppendText(out, "SHOP");
        AppendU16(out, static_cast<uint16_t>(Shop.size()));
        for (const Record80& r : Shop)
          AppendBytes(out, r);
      } else if (chunk == "MAP") {
        PutU32(out, 8, static_cast<uint32_t>(out.size()));
        AppendText(out, std::string_view("MAP\0", 4));
        AppendBytes(out, MapBody);
      } else if (chunk == "DF") {
        for (size_t n = 0; n < Layers.size(); ++n) {
          char tag[5];
          std::snprintf(tag, sizeof tag, "DF%02u", static_cast<unsigned>(n % 100));
          AppendText(out, std::string_view(tag, 4));
          PutU32(out, 22 + 4 * n, static_cast<uint32_t>(out.size()));
          PutU32(out, 150 + 4 * n, static_cast<uint32_t>(4 + Layers[n].size()));
          AppendBytes(out, Layers[n]);
        }
      }
    }
    PutU16(out, 20, static_cast<uint16_t>(LayerCountOverride >= 0 ? LayerCountOverride : Layers.size()));
    return out;
  }
};

}  // namespace vh::test
