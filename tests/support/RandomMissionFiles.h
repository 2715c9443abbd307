#pragma once

// Random mission files and shop names files, for properties that must hold
// for whatever the reader accepts: records in any order and on any cell
// (several on one, off the map), stray bytes, unknown shop types, owner
// bytes that are no side, empty and sparse change layers, names with every
// byte the names file can carry.

#include <array>
#include <random>
#include <string>

#include "base/ByteIO.h"
#include "mission/Mission.h"
#include "support/MissionBytes.h"

namespace vh::test {

class RandomMissionFiles {
public:
  explicit RandomMissionFiles(uint32_t seed) : rng_(seed) {}

  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool OneIn(int n) { return Int(0, n - 1) == 0; }

  // A mission file the reader accepts (positions stay on the 64 x 64 grid).
  ByteStream Mission() {
    MissionBytes b;
    // Mostly small maps, sometimes the largest.
    b.Width = static_cast<uint16_t>(OneIn(10) ? 64 : Int(0, 12));
    b.Height = static_cast<uint16_t>(OneIn(10) ? 64 : Int(0, 10));
    for (size_t i = 4; i < b.Miss.size(); ++i)
      b.Miss[i] = static_cast<uint8_t>(Int(0, 255));
    const size_t cells = size_t(b.Width) * b.Height;
    for (size_t i = 0; i < cells; ++i) {
      b.Terrain.push_back(OneIn(4) ? int16_t(-1) : Int16());
      b.Obj.push_back(OneIn(2) ? int16_t(-1) : Int16());
      b.Units.push_back(OneIn(2) ? uint16_t(0xFFFF) : static_cast<uint16_t>(Int(0, 255) | OwnerByte() << 8));
    }
    for (int n = Int(0, 24); n > 0; --n)
      b.Shop.push_back(Record(b.Width, b.Height));
    b.MapBody = Bytes(40 * static_cast<size_t>(Int(0, 3)));
    for (int n = OneIn(8) ? 0 : Int(1, 5); n > 0; --n) {
      ByteStream layer;
      for (int r = OneIn(3) ? 0 : Int(1, 12); r > 0; --r) {
        AppendU16(layer, Position(b.Width, b.Height));
        AppendI16(layer, OneIn(3) ? int16_t(-1) : Int16());
        AppendI16(layer, static_cast<int16_t>(OneIn(3) ? Int(-2, -1) : Int16()));
        AppendU8(layer, static_cast<uint8_t>(OneIn(3) ? 0xFF : Int(0, 255)));
        AppendU8(layer, OwnerByte());
      }
      b.Layers.push_back(layer);
    }
    return b.Build();
  }

  // A shop names file: the mission text with or without a player list, the
  // name, shop names, and lines that are no entries.
  ByteStream Names() {
    std::string text = "\r\n";
    if (!OneIn(6)) {
      std::string entry = Text(12);
      if (!OneIn(3))
        for (int side = 0; side < 7; ++side)
          entry += "|" + Text(20) + "|" + (OneIn(6) ? Text(3) : std::to_string(Int(0, 300)));
      text += "#0000:0000{" + entry + "}\r\n";
    }
    if (!OneIn(6))
      text += "#0001:0024{" + Text(20) + "}\r\n";
    for (int key = 2; key < 30; ++key) {
      if (OneIn(5))
        text += Text(10) + "\r\n";  // no entry
      if (!OneIn(4))
        text +=
            "#" + std::string(key < 10 ? "000" : "00") + std::to_string(key) + ":0016{" + Text(18) + "}\n";
    }
    return ByteStream(text.begin(), text.end());
  }

private:
  int16_t Int16() { return static_cast<int16_t>(Int(-32768, 32767)); }

  // Mostly a side's bit, sometimes none (0xFF) or a byte that is no side.
  uint8_t OwnerByte() {
    const int kind = Int(0, 9);
    return kind < 6   ? static_cast<uint8_t>(1 << Int(0, 6))
           : kind < 8 ? 0xFF
                      : static_cast<uint8_t>(Int(0, 255));
  }

  // Mostly inside the map, sometimes anywhere on the grid.
  uint16_t Position(int width, int height) {
    if (width == 0 || height == 0 || OneIn(6))
      return static_cast<uint16_t>(Int(0, 64 * 64 - 1));
    return PosCode(Int(0, width - 1), Int(0, height - 1));
  }

  ByteStream Bytes(size_t n) {
    ByteStream b(n);
    for (uint8_t& x : b)
      x = static_cast<uint8_t>(Int(0, 255));
    return b;
  }

  // Text the names file carries: no line break and no zero byte; "|",
  // braces, digits, DOS umlauts and any other byte are all there.
  std::string Text(int maxLength) {
    static const std::string common = "ab|{}:#0129 \x81\x84\x94\x9A\xE1\x8D";
    std::string s(static_cast<size_t>(Int(0, maxLength)), ' ');
    for (char& c : s) {
      do
        c = OneIn(2) ? common[static_cast<size_t>(Int(0, static_cast<int>(common.size()) - 1))]
                     : static_cast<char>(Int(1, 255));
      while (c == '\r' || c == '\n');
    }
    return s;
  }

  Record80 Record(int width, int height) {
    const uint16_t code = Position(width, height);
    Record80 r{};
    switch (Int(0, 6)) {
    case 0:
    case 1:
    case 2: {
      static const uint16_t types[] = {0x0100, 0x0200, 0x0400, 0x0800, 0x1000,
                                       0x2000, 0x4000, 0x8000, 0x0003};
      r = ShopRecord(code, static_cast<uint16_t>(Int(0, 16)), types[Int(0, 8)], OwnerByte());
      for (int at = 12; at < 50; at += 2)
        PutI16(r, static_cast<size_t>(at), OneIn(3) ? int16_t(-1) : Int16());
      r[16] = static_cast<uint8_t>(Int(0, 255));
      r[17] = static_cast<uint8_t>(Int(0, 255));
      for (int at = 52; at < 60; at += 2)
        PutI16(r, static_cast<size_t>(at), OneIn(2) ? int16_t(0) : Int16());
      PutI16(r, 62, Int16());
      break;
    }
    case 3:
    case 4: {
      std::array<int16_t, 8> units;
      const bool empty = OneIn(5);
      for (int16_t& u : units)
        u = empty || OneIn(2) ? int16_t(-1) : Int16();
      r = ContentRecord(code, units, OwnerByte());
      break;
    }
    case 5:
      r = AIRecord(code, OneIn(2), static_cast<uint16_t>(Int(0, 65535)), static_cast<uint16_t>(Int(0, 65535)),
                   static_cast<uint16_t>(Int(0, 65535)), static_cast<uint16_t>(Int(0, 65535)));
      break;
    default:
      r = AIRecord(code, false, 0, 0, 0, 0);
      PutU16(r, 0, static_cast<uint16_t>(Int(3, 9)));  // a kind the reader skips
    }
    if (OneIn(10))
      r[static_cast<size_t>(Int(66, 79))] = static_cast<uint8_t>(Int(1, 255));  // stray bytes
    return r;
  }

  std::mt19937 rng_;
};

}  // namespace vh::test
