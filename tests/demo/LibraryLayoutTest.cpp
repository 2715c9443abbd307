// The files of the demo installation have exactly the layouts the editor reads.
#include <gtest/gtest.h>

#include <set>

#include "DemoFiles.h"

namespace vh::demotest {
namespace {

const Installation& I() {
  return Installation::Get();
}

TEST(DemoLibraries, PartLibraryHoldsAll1335PicturesBehindTwelveBytes) {
  EXPECT_EQ(I().Lib("part000.lib").size(), 12u + 1335u * 576u);
}

TEST(DemoLibraries, UnitCountFollowsFromTheHeaderAndTrailer) {
  ByteStream f = I().Lib("unit000.lib");
  ASSERT_GE(f.size(), 4u);
  uint32_t x = GetU16(f, 0) | (static_cast<uint32_t>(GetU16(f, 2)) << 16);
  ASSERT_LE(static_cast<size_t>(x) + 12, f.size()) << "the value at X + 8 must lie inside the file";
  uint32_t dataOffset = GetU16(f, x + 8) | (static_cast<uint32_t>(GetU16(f, x + 10)) << 16);
  ASSERT_LT(dataOffset, x);
  EXPECT_EQ((x - dataOffset) % 576, 0u) << "no partial record between data offset and X";
  uint32_t count = (x - dataOffset) / 576;
  EXPECT_GE(count / 2, 64u) << "record 2i is unit type i: at least 64 types";
  EXPECT_EQ(count % 2, 0u);
}

TEST(DemoLibraries, LayerLibrariesHold24PicturesBehindFourBytes) {
  for (const char* name : {"layr000.lib", "layr001.lib", "layr002.lib", "layr003.lib"})
    EXPECT_EQ(I().Lib(name).size(), 4u + 24u * 576u) << name;
}

TEST(DemoLibraries, CursorLibraryHasTwelveRecordsOf606Bytes) {
  ByteStream f = I().Lib("curs000.lib");
  ASSERT_EQ(f.size(), 12u + 12u * 606u);
  // The four cursor phases differ from each other and are not empty.
  std::set<Pic> phases;
  for (int i = 0; i < 4; ++i) {
    Pic p = PicAt(f, 12 + static_cast<size_t>(i) * 606 + 26);
    EXPECT_TRUE(std::any_of(p.begin(), p.end(), [](uint8_t v) { return v != 0; })) << "phase " << i;
    phases.insert(p);
  }
  EXPECT_EQ(phases.size(), 4u);
}

TEST(DemoLibraries, PaletteLibraryHasFourPalettes) {
  ByteStream f = I().Lib("palt000.lib");
  ASSERT_EQ(f.size(), 12u + 4u * 768u);
  EXPECT_FALSE(std::equal(f.begin() + 12, f.begin() + 12 + 768, f.begin() + 12 + 768))
      << "record 1 is the palette in use; record 0 is a variant";
}

TEST(DemoToolsFile, PartsOneToFourteenArePictures) {
  ByteStream f = I().Read("TOOLS.DAT");
  for (int i = 1; i <= 14; ++i) {
    size_t e = 4 + 6 * static_cast<size_t>(i);
    ASSERT_LE(e + 6, f.size());
    uint32_t offset = GetU16(f, e) | (static_cast<uint32_t>(GetU16(f, e + 2)) << 16);
    uint16_t size = GetU16(f, e + 4);
    EXPECT_EQ(size, 576) << "part " << i;
    EXPECT_LE(offset + size, f.size()) << "part " << i;
  }
}

class DemoSelectionFile : public ::testing::TestWithParam<const char*> {};

TEST_P(DemoSelectionFile, HasTheFixedSizeAndOnlyValidPictureNumbers) {
  ByteStream f = I().Read(GetParam());
  ASSERT_EQ(f.size(), 10512u);
  for (size_t at = 0; at < f.size(); at += 2) {
    int16_t v = GetI16(f, at);
    EXPECT_TRUE(v == -1 || (v >= 0 && v < 1335)) << "entry at byte " << at << " is " << v;
  }
}

TEST_P(DemoSelectionFile, EveryGroupIconLeadsToAFilledPageAndBack) {
  ByteStream f = I().Read(GetParam());
  ASSERT_EQ(f.size(), 10512u);
  int groups = 0;
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 12; ++x) {
      int16_t icon = GetI16(f, static_cast<size_t>(x * 12 + y * 2));  // column by column
      size_t page = 144 + static_cast<size_t>(y * 12 + x) * 144;      // groups row by row
      std::set<int16_t> entries;
      for (size_t at = page; at < page + 144; at += 2)
        if (GetI16(f, at) != -1)
          entries.insert(GetI16(f, at));
      if (icon == -1) {
        EXPECT_TRUE(entries.empty()) << "group at " << x << "," << y << " has pictures but no icon";
        continue;
      }
      ++groups;
      EXPECT_TRUE(entries.count(icon)) << "icon " << icon << " is not on its own page";
    }
  EXPECT_GE(groups, 9);
}

TEST_P(DemoSelectionFile, DistinctNumbersShowDistinctPictures) {
  ByteStream f = I().Read(GetParam());
  std::set<int16_t> numbers;
  for (size_t at = 144; at < f.size(); at += 2)
    if (GetI16(f, at) != -1)
      numbers.insert(GetI16(f, at));
  std::set<Pic> pictures;
  for (int16_t n : numbers)
    pictures.insert(PartPicture(I(), n));
  EXPECT_EQ(pictures.size(), numbers.size());
}

INSTANTIATE_TEST_SUITE_P(Both, DemoSelectionFile, ::testing::Values("terrain.sel", "objekt.sel"));

TEST(DemoStandardData, MissBlockAndChangeRecordsHaveTheirLayouts) {
  ByteStream miss = I().Read("stdmiss.dat");
  ASSERT_GE(miss.size(), 332u);
  EXPECT_EQ(std::string(miss.begin(), miss.begin() + 4), "MISS");
  EXPECT_EQ(I().Read("stddf00.dat").size() % 8, 0u);
}

TEST(DemoInstallation, IniPointsAtTheDemoGameWithTrailingSeparator) {
  ByteStream f = I().Read("vhedit.ini");
  std::string ini(f.begin(), f.end());
  EXPECT_NE(ini.find("[General]"), std::string::npos);
  std::string game = I().Game.string();
  const char separator = static_cast<char>(fs::path::preferred_separator);
  EXPECT_NE(ini.find("VarnholtDir=" + game + separator + "\n"), std::string::npos) << ini;
  EXPECT_TRUE(fs::is_directory(I().Game / "MIS"));
  EXPECT_TRUE(fs::is_directory(I().Game / "GER"));
}

}  // namespace
}  // namespace vh::demotest
