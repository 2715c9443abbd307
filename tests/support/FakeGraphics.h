#pragma once

#include <cstdint>
#include <string>

#include "base/ByteIO.h"
#include "graphics/PictureSets.h"
#include "support/TempDir.h"

namespace vh::test {

void WriteFile(const std::string& path, const ByteStream& bytes);

// --- Library files built byte by byte --------------------------------------

// Raw pixel `pixel` of record `index` of library row `lib` as stored: every
// value 0..255 occurs, so the conversions at load all have work to do.
uint8_t FakeLibraryPixel(int lib, int index, int pixel);
THexPicture FakeLibraryPicture(int lib, int index);
// Raw palette record `index`: triples (red, green, blue).
ByteStream FakePaletteRecord(int index);
// Raw TOOLS.DAT part 1..14: marks with colour 240 around, edge sides drawn
// in 255 on 0.
THexPicture FakeToolPart(int part);

constexpr int FakeUnitDataOffset = 20;

// The bytes of one library file of `table` row `lib`. The unit library
// holds `unitRecords` records starting at FakeUnitDataOffset.
ByteStream FakeLibraryFile(int lib, int unitRecords);
// TOOLS.DAT with parts 0..14 (part 0 unused by the editor).
ByteStream FakeToolsFile(uint32_t headerValue = 0x1234ABCD);

struct TFakeInstallation {
  int UnitRecords = 9;          // odd on purpose: the last record is not used
  bool UpperCaseNames = false;  // LIB/PART000.LIB as on the game's media
};
// Writes <gameDir>/LIB/... and <programDir>/TOOLS.DAT.
void WriteFakeInstallation(const std::string& gameDir, const std::string& programDir,
                           const TFakeInstallation& options = {});

// --- Picture sets built in memory ------------------------------------------

// Colours of the fake sets' marks, cursors and line pictures.
constexpr uint8_t FakeDFMarkColour = 245;
constexpr uint8_t FakeCellMarkColour = 246;
constexpr uint8_t FakeRemovedMarkColour = 247;
constexpr uint8_t FakeBackgroundIndex = 250;  // exactly the views' background colour

// Sets whose pictures are all different and leave transparent pixels, so
// that a composed picture shows every layer that went into it.
TPictureSets MakeFakeSets(int partCount = PartPictureCount, int unitCount = 64);
// One such set with the default sizes, built once per test program.
const TPictureSets& SharedFakeSets();

// 64-bit FNV-1a over bytes.
uint64_t Fnv1a(const uint8_t* data, size_t size);

}  // namespace vh::test
