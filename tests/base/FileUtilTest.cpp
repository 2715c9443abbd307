#include <gtest/gtest.h>

#include <filesystem>

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "support/TempDir.h"

namespace vh {
namespace {

namespace fs = std::filesystem;

class FileUtil : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(dir / "Game" / "LIB");
  }
  std::string P(const std::string& rel) const { return (dir / rel).string(); }
  test::TempDir tmp;
  fs::path dir = tmp.Fs();
};

TEST_F(FileUtil, PathsAreFoundWhateverTheCaseOfTheirLetters) {
  WriteWholeFile(P("Game/LIB/PART000.LIB"), {1, 2, 3});
  EXPECT_EQ(ResolvePathCI(P("game/lib/part000.lib")), P("Game/LIB/PART000.LIB"));
  EXPECT_EQ(ResolvePathCI(P("Game/LIB/PART000.LIB")), P("Game/LIB/PART000.LIB"));
#ifndef _WIN32
  EXPECT_EQ(ResolvePathCI(P("GAME\\lib\\Part000.lib")), P("Game/LIB/PART000.LIB"));
#endif
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
    EXPECT_TRUE(e.path().filename() == "Game" || e.path().filename().string().size() <= 5) << e.path();
}

TEST_F(FileUtil, WritingBelowARegularFileFailsWithoutLeftovers) {
  WriteWholeFile(P("plain"), {1});
  EXPECT_THROW(WriteWholeFile(P("plain/sub/x.dat"), {2}), EInOutError);
  EXPECT_EQ(ReadWholeFile(P("plain")), ByteStream{1});
}

} // namespace
} // namespace vh
