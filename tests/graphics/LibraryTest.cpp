#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "base/Errors.h"
#include "graphics/Library.h"
#include "support/FakeGraphics.h"

namespace vh {
namespace {

using test::TempDir;

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const EVhError& e) {
    return e.what();
  }
  return "";
}

TEST(LibraryTable, HoldsTheFixedLayoutOfTheEightLibraries) {
  const TLibraryTable t = DefaultLibraryTable();
  struct Row {
    const char* name;
    int32_t dataOffset;
    uint16_t recordSize, pictureOffset, pictureSize, pictureCount;
  };
  const Row rows[] = {{"part000.lib", 12, 576, 0, 576, 1335}, {"unit000.lib", 4, 576, 0, 576, 0},
                      {"layr000.lib", 4, 576, 0, 576, 24},    {"layr001.lib", 4, 576, 0, 576, 24},
                      {"layr002.lib", 4, 576, 0, 576, 24},    {"layr003.lib", 4, 576, 0, 576, 24},
                      {"curs000.lib", 12, 606, 26, 576, 12},  {"palt000.lib", 12, 768, 0, 768, 4}};
  for (size_t i = 0; i < t.size(); ++i) {
    SCOPED_TRACE(rows[i].name);
    EXPECT_EQ(t[i].FileName, rows[i].name);
    EXPECT_EQ(t[i].DataOffset, rows[i].dataOffset);
    EXPECT_EQ(t[i].RecordSize, rows[i].recordSize);
    EXPECT_EQ(t[i].PictureOffset, rows[i].pictureOffset);
    EXPECT_EQ(t[i].PictureSize, rows[i].pictureSize);
    EXPECT_EQ(t[i].PictureCount, rows[i].pictureCount);
    EXPECT_FALSE(t[i].File.IsOpen);
  }
}

class LibraryFiles : public ::testing::Test {
protected:
  TempDir dir;
  std::string game = dir.File("game");
  std::string program = dir.File("prog");
  TLibraryTable table = DefaultLibraryTable();
  ~LibraryFiles() override { CloseLibraries(table); }
};

TEST_F(LibraryFiles, OpenTakesTheUnitLayoutFromTheFileAndReadsRecords) {
  test::WriteFakeInstallation(game, program, {.UnitRecords = 9});
  OpenLibraries(game, table);
  for (const TLibraryEntry& e : table)
    EXPECT_TRUE(e.File.IsOpen) << e.FileName;
  EXPECT_EQ(table[libUnit].DataOffset, test::FakeUnitDataOffset);
  EXPECT_EQ(table[libUnit].PictureCount, 9);

  THexPicture p;
  ReadLibraryPictures(table[libPart], p.Pixels, 1334, 1);
  EXPECT_EQ(p, test::FakeLibraryPicture(libPart, 1334));
  ReadLibraryPictures(table[libUnit], p.Pixels, 8, 1);
  EXPECT_EQ(p, test::FakeLibraryPicture(libUnit, 8));
  // Cursor records carry a 26-byte header before the picture.
  ReadLibraryPictures(table[libCursor], p.Pixels, 11, 1);
  EXPECT_EQ(p, test::FakeLibraryPicture(libCursor, 11));

  ByteStream two(2 * HexPixels);
  ReadLibraryPictures(table[libLayer0 + 3], two, 22, 2);
  EXPECT_TRUE(std::equal(two.begin(), two.begin() + HexPixels,
                         test::FakeLibraryPicture(libLayer0 + 3, 22).Pixels.begin()));
  EXPECT_TRUE(std::equal(two.begin() + HexPixels, two.end(),
                         test::FakeLibraryPicture(libLayer0 + 3, 23).Pixels.begin()));

  ByteStream palette(768);
  ReadLibraryPictures(table[libPalette], palette, 1, 1);
  EXPECT_EQ(palette, test::FakePaletteRecord(1));
}

TEST_F(LibraryFiles, ReadingBeyondTheCountOrSeveralPaddedRecordsIsRefused) {
  test::WriteFakeInstallation(game, program);
  OpenLibraries(game, table);
  THexPicture p;
  EXPECT_THROW(ReadLibraryPictures(table[libLayer0], p.Pixels, 24, 1), EReadError);
  ByteStream two(2 * HexPixels);
  EXPECT_THROW(ReadLibraryPictures(table[libCursor], two, 0, 2), EVhError);
  // A buffer too small for the request is caught before anything is copied.
  EXPECT_THROW(ReadLibraryPictures(table[libPart], p.Pixels, 0, 2), EVhError);
  CloseLibraries(table);
  EXPECT_THROW(ReadLibraryPictures(table[libPart], p.Pixels, 0, 1), EInOutError);
}

TEST_F(LibraryFiles, FindsUpperCaseNamesAndAcceptsEitherSeparator) {
  test::WriteFakeInstallation(game, program, {.UpperCaseNames = true});
  std::string backslashed = game;
  for (char& c : backslashed)
    if (c == '/')
      c = '\\';
  for (const std::string& d : {game, game + "/", backslashed + "\\", backslashed}) {
    SCOPED_TRACE(d);
    OpenLibraries(d, table);
    EXPECT_NE(table[libPart].File.Path.find("PART000.LIB"), std::string::npos) << table[libPart].File.Path;
    THexPicture p;
    ReadLibraryPictures(table[libPart], p.Pixels, 5, 1);
    EXPECT_EQ(p, test::FakeLibraryPicture(libPart, 5));
    CloseLibraries(table);
  }
  // The LIB directory itself may be lower case too.
  std::filesystem::rename(game + "/LIB", game + "/lib");
  EXPECT_NO_THROW(OpenLibraries(game, table));
}

TEST_F(LibraryFiles, AMissingOrShortFileRaisesAnErrorNamingIt) {
  test::WriteFakeInstallation(game, program);
  std::filesystem::remove(game + "/LIB/layr002.lib");
  std::string message = ErrorOf([&] { OpenLibraries(game, table); });
  EXPECT_NE(message.find("layr002.lib"), std::string::npos) << message;
  // Rows before the missing one are open; closing never fails.
  EXPECT_TRUE(table[libPart].File.IsOpen);
  CloseLibraries(table);
  for (const TLibraryEntry& e : table)
    EXPECT_FALSE(e.File.IsOpen);

  // A unit library too short for its own header.
  test::WriteFakeInstallation(game, program);
  test::WriteFile(game + "/LIB/unit000.lib", ByteStream{0x40, 0, 0, 0, 1, 2});
  message = ErrorOf([&] { OpenLibraries(game, table); });
  EXPECT_NE(message.find("unit000.lib"), std::string::npos) << message;

  // A part library that ends inside its last picture.
  test::WriteFakeInstallation(game, program);
  ByteStream parts = test::FakeLibraryFile(libPart, 0);
  parts.resize(parts.size() - 1);
  test::WriteFile(game + "/LIB/part000.lib", parts);
  OpenLibraries(game, table);
  THexPicture p;
  EXPECT_NO_THROW(ReadLibraryPictures(table[libPart], p.Pixels, 1333, 1));
  message = ErrorOf([&] { ReadLibraryPictures(table[libPart], p.Pixels, 1334, 1); });
  EXPECT_NE(message.find("part000.lib"), std::string::npos) << message;
  EXPECT_NE(message.find("too short"), std::string::npos) << message;
}

TEST_F(LibraryFiles, AUnitHeaderPointingBehindItsDataIsRefused) {
  test::WriteFakeInstallation(game, program);
  ByteStream units = test::FakeLibraryFile(libUnit, 3);
  const size_t end = test::FakeUnitDataOffset + 3 * HexPixels;
  PutU32(units, end + 8, static_cast<uint32_t>(end + 4));  // data would start after its end
  test::WriteFile(game + "/LIB/unit000.lib", units);
  EXPECT_THROW(OpenLibraries(game, table), EReadError);
}

TEST(LibraryClose, NeverFailsAlsoForRowsNeverOpened) {
  TLibraryTable t = DefaultLibraryTable();
  EXPECT_NO_THROW(CloseLibraries(t));
  EXPECT_NO_THROW(CloseLibraries(t));
}

TEST(MultiPartFile, ReadsTheHeaderValueAndPartsByTheirDirectory) {
  TempDir dir;
  test::WriteFile(dir.File("TOOLS.DAT"), test::FakeToolsFile(0xCAFEF00D));
  TMultiPartFile f(dir.File("TOOLS.DAT"));
  EXPECT_EQ(f.HeaderValue(), 0xCAFEF00Du);
  std::span<const uint8_t> part0 = f.ReadPart(0);
  EXPECT_EQ(ByteStream(part0.begin(), part0.end()), (ByteStream{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  for (uint16_t i = 1; i <= 14; ++i) {
    std::span<const uint8_t> part = f.ReadPart(i);
    ASSERT_EQ(part.size(), size_t{HexPixels});
    EXPECT_TRUE(std::equal(part.begin(), part.end(), test::FakeToolPart(i).Pixels.begin())) << "part " << i;
  }
}

TEST(MultiPartFile, MissingShortOrOverlongPartsRaiseErrorsNamingTheFile) {
  TempDir dir;
  const std::string name = dir.File("TOOLS.DAT");
  std::string message = ErrorOf([&] { TMultiPartFile f(name); });
  EXPECT_NE(message.find("TOOLS.DAT"), std::string::npos) << message;

  test::WriteFile(name, ByteStream{1, 2, 3});
  message = ErrorOf([&] { TMultiPartFile f(name); });
  EXPECT_NE(message.find("TOOLS.DAT"), std::string::npos) << message;

  // The directory entry of part 14 is cut off.
  const ByteStream tools = test::FakeToolsFile();
  test::WriteFile(name, ByteStream(tools.begin(), tools.begin() + 4 + 6 * 14 + 3));
  TMultiPartFile cut(name);
  message = ErrorOf([&] { cut.ReadPart(14); });
  EXPECT_NE(message.find("TOOLS.DAT"), std::string::npos) << message;

  // The last part ends one byte behind the end of the file.
  test::WriteFile(name, ByteStream(tools.begin(), tools.end() - 1));
  TMultiPartFile shortened(name);
  EXPECT_NO_THROW(shortened.ReadPart(13));
  message = ErrorOf([&] { shortened.ReadPart(14); });
  EXPECT_NE(message.find("TOOLS.DAT"), std::string::npos) << message;
  EXPECT_THROW(shortened.ReadPart(5000), EReadError);
}

}  // namespace
}  // namespace vh
