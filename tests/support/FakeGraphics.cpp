#include "support/FakeGraphics.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "graphics/Library.h"

namespace fs = std::filesystem;

namespace vh::test {

void WriteFile(const std::string& path, const ByteStream& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f)
    throw std::runtime_error("cannot create " + path);
  if (!bytes.empty())
    std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

uint8_t FakeLibraryPixel(int lib, int index, int pixel) {
  // 7 is odd, so 256 consecutive pixels take every value once.
  return static_cast<uint8_t>(lib * 53 + index * 17 + pixel * 7);
}

THexPicture FakeLibraryPicture(int lib, int index) {
  THexPicture p;
  for (int i = 0; i < HexPixels; ++i)
    p.Pixels[static_cast<size_t>(i)] = FakeLibraryPixel(lib, index, i);
  return p;
}

ByteStream FakePaletteRecord(int index) {
  ByteStream rgb;
  for (int j = 0; j < 256; ++j) {
    rgb.push_back(static_cast<uint8_t>(j + index * 3));
    rgb.push_back(static_cast<uint8_t>(j * 2 + index));
    rgb.push_back(static_cast<uint8_t>(255 - j));
  }
  return rgb;
}

namespace {

bool OnSide(int side, int r, int c) {
  const int inset = HexRowInset[static_cast<size_t>(r)];
  switch (side) {
  case 0:
    return r == 0 && c >= 8 && c < 16;
  case 1:
    return r < 12 && c == 23 - inset;
  case 2:
    return r >= 12 && c == 23 - inset;
  case 3:
    return r == 23 && c >= 8 && c < 16;
  case 4:
    return r >= 12 && c == inset;
  default:
    return r < 12 && c == inset;
  }
}

}  // namespace

THexPicture FakeToolPart(int part) {
  THexPicture p;
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      uint8_t v = 0;
      if (part >= 7 && part <= 12)
        v = OnSide(part - 7, r, c) ? OutsideColour : 0;
      else if (!InsideHexOutline(r, c))
        v = ToolMarkColour;
      else if ((r + c + part) % 5 == 0)
        v = static_cast<uint8_t>(200 + part);
      else if ((r * c + part) % 11 == 0)
        v = ToolMarkColour;  // stays in the parts that are not converted
      p.At(r, c) = v;
    }
  return p;
}

ByteStream FakeLibraryFile(int lib, int unitRecords) {
  const TLibraryEntry layout = DefaultLibraryTable()[static_cast<size_t>(lib)];
  ByteStream out;
  auto filler = [&](size_t until, uint8_t value) {
    while (out.size() < until)
      out.push_back(value);
  };
  if (lib == libUnit) {
    const uint32_t end = FakeUnitDataOffset + static_cast<uint32_t>(unitRecords) * HexPixels;
    AppendU32(out, end);
    filler(FakeUnitDataOffset, 0xA5);
    for (int i = 0; i < unitRecords; ++i)
      AppendBytes(out, FakeLibraryPicture(lib, i).Pixels);
    AppendU32(out, 0xDEADBEEF);
    AppendU32(out, 0x01020304);
    AppendU32(out, FakeUnitDataOffset);
    AppendU32(out, 0x55555555);
    return out;
  }
  filler(static_cast<size_t>(layout.DataOffset), 0x5A);
  for (int i = 0; i < layout.PictureCount; ++i) {
    filler(static_cast<size_t>(layout.DataOffset) + static_cast<size_t>(i) * layout.RecordSize +
               layout.PictureOffset,
           0xEE);
    if (lib == libPalette)
      AppendBytes(out, FakePaletteRecord(i));
    else
      AppendBytes(out, FakeLibraryPicture(lib, i).Pixels);
  }
  return out;
}

ByteStream FakeToolsFile(uint32_t headerValue) {
  constexpr int parts = 15;
  ByteStream out;
  AppendU32(out, headerValue);
  const uint32_t dataStart = 4 + 6 * parts;
  const ByteStream part0{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  uint32_t offset = dataStart;
  for (int i = 0; i < parts; ++i) {
    const uint16_t size = i == 0 ? static_cast<uint16_t>(part0.size()) : HexPixels;
    AppendU32(out, offset);
    AppendU16(out, size);
    offset += size;
  }
  AppendBytes(out, part0);
  for (int i = 1; i < parts; ++i)
    AppendBytes(out, FakeToolPart(i).Pixels);
  return out;
}

void WriteFakeInstallation(const std::string& gameDir, const std::string& programDir,
                           const TFakeInstallation& options) {
  const TLibraryTable table = DefaultLibraryTable();
  for (int lib = 0; lib < LibraryCount; ++lib) {
    std::string name = table[static_cast<size_t>(lib)].FileName;
    if (options.UpperCaseNames)
      for (char& ch : name)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    WriteFile(gameDir + "/LIB/" + name, FakeLibraryFile(lib, options.UnitRecords));
  }
  WriteFile(programDir + "/TOOLS.DAT", FakeToolsFile());
}

// --- In-memory sets ----------------------------------------------------------

namespace {

TPalette FakePalette() {
  TPalette pal{};
  auto set = [&](int i, int red, int green, int blue) {
    pal[static_cast<size_t>(i)] = {static_cast<uint8_t>(blue), static_cast<uint8_t>(green),
                                   static_cast<uint8_t>(red), 0};
  };
  // A rainbow for everything, then the colours with a role.
  for (int i = 0; i < 256; ++i) {
    const double h = i * 0.41;
    set(i, static_cast<int>(127 + 100 * std::sin(h)), static_cast<int>(127 + 100 * std::sin(h + 2.1)),
        static_cast<int>(127 + 100 * std::sin(h + 4.2)));
  }
  for (int b = 1; b <= 7; ++b)
    set(b, 60 + 25 * b, 60 + 25 * b, 60 + 25 * b);  // neutral greys
  const int owners[8][3] = {{220, 40, 40},  {40, 80, 230},  {40, 200, 60},   {230, 210, 40},
                            {40, 200, 210}, {200, 60, 210}, {240, 240, 240}, {240, 140, 30}};
  for (int o = 0; o < 8; ++o)
    for (int b = 1; b <= 7; ++b)
      set(OwnerColourBase[static_cast<size_t>(o)] + b, owners[o][0] * (4 + b) / 11,
          owners[o][1] * (4 + b) / 11, owners[o][2] * (4 + b) / 11);
  set(EmptyCellColour, 70, 60, 50);
  set(GridColour, 10, 10, 10);
  set(FakeDFMarkColour, 255, 0, 255);
  set(FakeCellMarkColour, 255, 255, 0);
  set(FakeRemovedMarkColour, 255, 0, 0);
  set(FakeBackgroundIndex, 16, 80, 32);
  set(OutsideColour, 255, 0, 128);
  return pal;
}

// The part number in binary along the top and bottom rows, so that no two
// part pictures are alike.
void StampNumber(THexPicture& p, int number, int row, uint8_t colour) {
  for (int bit = 0; bit < 8; ++bit)
    if (number & (1 << bit))
      p.At(row, 8 + bit) = colour;
}

THexPicture FakePartPicture(int i) {
  THexPicture p;
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      if (i < 64) {  // terrain-like: opaque, a little texture
        p.At(r, c) = static_cast<uint8_t>(8 + 3 * i + ((r + 2 * c) % 7 == 0 ? 1 : 0));
      } else {  // object-like: a diamond on a transparent ground
        const int d = std::abs(2 * r - 23) + std::abs(2 * c - 23);
        if (d < 16)
          p.At(r, c) =
              (r == 10 || r == 13) ? static_cast<uint8_t>(1 + c % 7) : static_cast<uint8_t>(8 + i % 230);
      }
    }
  StampNumber(p, i & 0xFF, 1, 9);
  StampNumber(p, i >> 8, 22, 9);
  FillHexOutside(p, OutsideColour);
  return p;
}

THexPicture FakeUnitPicture(int j) {
  THexPicture p;
  for (int r = 0; r < HexSize; ++r)
    for (int c = 0; c < HexSize; ++c) {
      const int d = std::abs(2 * r - 25) + std::abs(2 * c - 23);
      if (d < 12)
        p.At(r, c) = (r + c) % 2 == 0 ? static_cast<uint8_t>(1 + c % 7) : static_cast<uint8_t>(150 + j % 60);
    }
  StampNumber(p, j, 20, 9);
  FillHexOutside(p, OutsideColour);
  return p;
}

// Roads from the centre to the middle of every connected side.
THexPicture FakeLayerPicture(int kind, int mask) {
  static const double ends[6][2] = {{0, 11.5}, {5.5, 20}, {17.5, 20}, {23, 11.5}, {17.5, 3}, {5.5, 3}};
  THexPicture p;
  for (int r = 10; r <= 13; ++r)
    for (int c = 10; c <= 13; ++c)
      p.At(r, c) = static_cast<uint8_t>(200 + kind);
  for (int d = 0; d < 6; ++d) {
    if (!(mask & (1 << d)))
      continue;
    for (int s = 0; s <= 40; ++s) {
      const double t = s / 40.0;
      const int r = static_cast<int>(std::lround(11.5 + (ends[d][0] - 11.5) * t));
      const int c = static_cast<int>(std::lround(11.5 + (ends[d][1] - 11.5) * t));
      p.At(r, c) = static_cast<uint8_t>(200 + kind);
      if (c + 1 < HexSize)
        p.At(r, c + 1) = static_cast<uint8_t>(204 + kind);
    }
  }
  FillHexOutside(p, OutsideColour);
  return p;
}

THexPicture FakeMark(uint8_t colour, int row) {
  THexPicture p;
  for (int r = row; r < row + 4; ++r)
    for (int c = 9; c < 15; ++c)
      p.At(r, c) = colour;
  FillHexOutside(p, OutsideColour);
  return p;
}

}  // namespace

TPictureSets MakeFakeSets(int partCount, int unitCount) {
  TPictureSets sets;
  sets.GamePalette = FakePalette();
  for (int i = 0; i < partCount; ++i)
    sets.PartPictures.push_back(FakePartPicture(i));
  for (int j = 0; j < unitCount; ++j)
    sets.UnitPictures.push_back(FakeUnitPicture(j));
  for (int k = 0; k < LayerKindCount; ++k)
    for (int m = 0; m < NeighbourMaskCount; ++m)
      sets.LayerPictures[static_cast<size_t>(k)][static_cast<size_t>(m)] = FakeLayerPicture(k, m);
  for (int phase = 0; phase < CursorPhaseCount; ++phase) {
    THexPicture& cur = sets.CursorPictures[static_cast<size_t>(phase)];
    for (int r = 0; r < HexSize; ++r)
      for (int c = 0; c < HexSize; ++c)
        if (InsideHexOutline(r, c) && !(InsideHexOutline(r - 2, c) && InsideHexOutline(r + 2, c) &&
                                        InsideHexOutline(r, c - 2) && InsideHexOutline(r, c + 2)))
          cur.At(r, c) = (r + c + phase) % 4 < 2 ? 230 : 231;
  }
  for (int part = 1; part <= ToolPartCount; ++part)
    sets.ToolPictures[static_cast<size_t>(part)] = FakeToolPart(part);
  sets.ToolPictures[tpDFMark] = FakeMark(FakeDFMarkColour, 3);
  sets.ToolPictures[tpCellMark] = FakeMark(FakeCellMarkColour, 17);
  sets.ToolPictures[tpRemovedObjectMark] = FakeMark(FakeRemovedMarkColour, 10);
  BuildDerivedPictures(sets);
  sets.Loaded = true;
  return sets;
}

const TPictureSets& SharedFakeSets() {
  static const TPictureSets* sets = new TPictureSets(MakeFakeSets());
  return *sets;
}

uint64_t Fnv1a(const uint8_t* data, size_t size) {
  uint64_t h = 0xcbf29ce484222325ull;
  for (size_t i = 0; i < size; ++i) {
    h ^= data[i];
    h *= 0x100000001b3ull;
  }
  return h;
}

}  // namespace vh::test
