#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Platform.h"
#include "support/TempDir.h"

namespace vh {
namespace {

namespace fs = std::filesystem;

class FileUtil : public ::testing::Test {
protected:
  void SetUp() override { fs::create_directories(dir / "Game" / "LIB"); }
  std::string P(const std::string& rel) const { return tmp.File(rel); }
  test::TempDir tmp;
  fs::path dir = tmp.Fs();
};

TEST_F(FileUtil, PathsAreFoundWhateverTheCaseOfTheirLetters) {
  WriteWholeFile(P("Game/LIB/PART000.LIB"), {1, 2, 3});
  EXPECT_EQ(ResolvePathCI(P("game/lib/part000.lib")), P("Game/LIB/PART000.LIB"));
  EXPECT_EQ(ResolvePathCI(P("Game/LIB/PART000.LIB")), P("Game/LIB/PART000.LIB"));
  EXPECT_EQ(ResolvePathCI(tmp.Path() + "/GAME\\lib\\Part000.lib"), P("Game/LIB/PART000.LIB"));
  // Nothing matches: the path comes back as given, for the error message.
  EXPECT_EQ(ResolvePathCI(P("game/lib/unit000.lib")), P("game/lib/unit000.lib"));
  EXPECT_EQ(ResolvePathForWrite(P("game/lib/new.txt")), P("Game/LIB/new.txt"));
  EXPECT_EQ(ResolvePathForWrite(P("game/lib/part000.lib")), P("Game/LIB/PART000.LIB"));
}

TEST_F(FileUtil, ReadingNamesTheFileAndRespectsTheSizeLimit) {
  WriteWholeFile(P("a.bin"), ByteStream(100, 7));
  EXPECT_EQ(ReadWholeFile(P("a.bin")).size(), 100u);
  EXPECT_THROW(ReadWholeFile(P("a.bin"), 99), EInOutError);
  try {
    ReadWholeFile(P("missing.bin"));
    FAIL();
  } catch (const EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find("missing.bin"), std::string::npos);
  }
  EXPECT_THROW(ReadWholeFile(P("Game")), EInOutError);
}

TEST_F(FileUtil, CommitReplacesAllTargetsOrNone) {
  WriteWholeFile(P("one"), {1});
  WriteWholeFile(P("two"), {2});
  std::string t1 = WriteTempFile(P("one"), {11});
  std::string t2 = WriteTempFile(P("two"), {22});
  std::string t3 = WriteTempFile(P("three"), {33});
  CommitTempFiles({{t1, P("one")}, {t2, P("two")}, {t3, P("three")}});
  EXPECT_EQ(ReadWholeFile(P("one")), ByteStream{11});
  EXPECT_EQ(ReadWholeFile(P("two")), ByteStream{22});
  EXPECT_EQ(ReadWholeFile(P("three")), ByteStream{33});

  // The third replacement fails (its temporary file vanished): the first two
  // targets get their contents back, a new target is removed again.
  t1 = WriteTempFile(P("one"), {111});
  std::string t4 = WriteTempFile(P("four"), {44});
  t3 = WriteTempFile(P("three"), {133});
  fs::remove(t3);
  EXPECT_THROW(CommitTempFiles({{t1, P("one")}, {t4, P("four")}, {t3, P("three")}}), EInOutError);
  EXPECT_EQ(ReadWholeFile(P("one")), ByteStream{11});
  EXPECT_FALSE(fs::exists(P("four")));
  EXPECT_EQ(ReadWholeFile(P("three")), ByteStream{33});
  for (const auto& e : fs::directory_iterator(dir))
    EXPECT_TRUE(e.path().filename() == "Game" || Utf8Of(e.path().filename()).size() <= 5) << e.path();
}

TEST_F(FileUtil, WritingBelowARegularFileFailsWithoutLeftovers) {
  WriteWholeFile(P("plain"), {1});
  EXPECT_THROW(WriteWholeFile(P("plain/sub/x.dat"), {2}), EInOutError);
  EXPECT_EQ(ReadWholeFile(P("plain")), ByteStream{1});
}

// "\u00DC" is in code page 1252, the Cyrillic and Japanese letters are not:
// on Windows only wide file names hold them.
TEST_F(FileUtil, UnicodeNamesAreWrittenReadReplacedFoundAndListed) {
  const std::u8string folder = u8"Spiele \u00DC";
  const std::vector<std::u8string> names = {u8"\u00DCbung.dat", u8"\u041A\u0430\u0440\u0442\u0430.dat",
                                            u8"\u65E5\u672C.dat"};
  auto utf8 = [](const std::u8string& s) { return std::string(s.begin(), s.end()); };
  // fs::path converts char8_t text by the standard's rule, independently of
  // the code under test.
  fs::create_directories(dir / folder);
  for (const std::u8string& name : names) {
    const std::string path = P(utf8(folder) + "/" + utf8(name));
    WriteWholeFile(path, {1});
    WriteWholeFile(path, {2});
    EXPECT_EQ(ReadWholeFile(path), ByteStream{2});
    EXPECT_TRUE(fs::is_regular_file(dir / folder / name)) << path;
  }
  std::vector<std::string> listed, expected;
  for (const auto& e : fs::directory_iterator(dir / folder)) {
    listed.push_back(utf8(e.path().filename().u8string()));
    EXPECT_EQ(Utf8Of(e.path().filename()), listed.back());
  }
  for (const std::u8string& name : names)
    expected.push_back(utf8(name));
  std::sort(listed.begin(), listed.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(listed, expected) << "no temporary or side files are left";

  // Only ASCII letters differ in case here; they are found as always.
  EXPECT_EQ(ResolvePathCI(P("SPIELE \xC3\x9C/\xC3\x9C"
                            "BUNG.DAT")),
            P("Spiele \xC3\x9C/\xC3\x9C"
              "bung.dat"));
}

// The mission and its names file are replaced together or not at all. Linux
// replaces a read-only or open file like any other (a rename asks only the
// folder); Windows refuses, and then nothing may change.
class FileUtilReplace : public FileUtil {
protected:
  void SetUp() override {
    FileUtil::SetUp();
    WriteWholeFile(P("miss.dat"), {1});
    WriteWholeFile(P("miss.txt"), {2});
  }
  void Commit() {
    CommitTempFiles({{WriteTempFile(P("miss.dat"), {10}), P("miss.dat")},
                     {WriteTempFile(P("miss.txt"), {20}), P("miss.txt")}});
  }
  void ExpectRefusedNaming(const std::string& reason) {
    try {
      Commit();
      ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
      EXPECT_NE(std::string(e.what()).find(P("miss.txt")), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << e.what();
    }
    EXPECT_EQ(ReadWholeFile(P("miss.dat")), ByteStream{1});
    EXPECT_EQ(ReadWholeFile(P("miss.txt")), ByteStream{2});
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
      ++entries;
    EXPECT_EQ(entries, 3u) << "Game, miss.dat and miss.txt, no temporary files";
  }
  void ExpectReplaced() {
    Commit();
    EXPECT_EQ(ReadWholeFile(P("miss.dat")), ByteStream{10});
    EXPECT_EQ(ReadWholeFile(P("miss.txt")), ByteStream{20});
  }
};

TEST_F(FileUtilReplace, AReadOnlyTarget) {
  const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  fs::permissions(PathOf(P("miss.txt")), write, fs::perm_options::remove);
  if constexpr (OnWindows)
    ExpectRefusedNaming("it is read-only");
  else
    ExpectReplaced();
  fs::permissions(PathOf(P("miss.txt")), write, fs::perm_options::add);  // Windows removes no read-only file
}

TEST_F(FileUtilReplace, ATargetOpenElsewhere) {
  std::ifstream reader(PathOf(P("miss.txt")), std::ios::binary);
  ASSERT_TRUE(reader);
  if constexpr (OnWindows)
    ExpectRefusedNaming("it is open in another program");
  else
    ExpectReplaced();
}

}  // namespace
}  // namespace vh
