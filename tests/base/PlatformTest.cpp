#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "support/TempDir.h"

namespace vh {
namespace {

namespace fs = std::filesystem;

TEST(Platform, TheProgramKnowsItsFileAndProcess) {
  const fs::path self = PathOf(ProgramFile());
  EXPECT_TRUE(fs::is_regular_file(self)) << ProgramFile();
  EXPECT_EQ(self.stem(), "base_tests");
  EXPECT_GT(ProcessId(), 0);
  EXPECT_FALSE(EnvironmentValue("VH_SURELY_NOT_SET_ANYWHERE").has_value());
}

TEST(Platform, PerUserSettingsLieWhereTheSystemKeepsThem) {
  if constexpr (OnWindows) {
    const char* appData = std::getenv("APPDATA");
    ASSERT_NE(appData, nullptr);
    EXPECT_EQ(UserConfigBase(), appData);
  } else {
    EXPECT_EQ(UserConfigBase(), XdgConfigHome(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
  }
  EXPECT_EQ(XdgConfigHome("/x/conf", "/home/u"), "/x/conf");
  EXPECT_EQ(XdgConfigHome("x/conf", "/home/u"), "/home/u/.config");
  EXPECT_EQ(XdgConfigHome("", "/home/u/"), "/home/u/.config");
  EXPECT_EQ(XdgConfigHome(nullptr, nullptr), "");
}

TEST(Platform, AFolderIsWritableWhenFilesCanBeMadeInIt) {
  test::TempDir tmp;
  EXPECT_TRUE(IsWritableDir(tmp.Path()));
  EXPECT_FALSE(IsWritableDir(tmp.File("missing")));
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(tmp.Fs()))
    ++entries;
  EXPECT_EQ(entries, 0u) << "the test leaves nothing behind";
}

TEST(Platform, ALockFileIsHeldByOneOwnerAtATime) {
  test::TempDir tmp;
  const std::string path = tmp.File("session.lock");
  TFileLock other;
  EXPECT_EQ(other.TryLock(path), TFileLock::TResult::Missing);
  {
    TFileLock owner;
    ASSERT_EQ(owner.Create(path, "4711\n"), "");
    EXPECT_TRUE(owner.Held());
    EXPECT_EQ(other.TryLock(path), TFileLock::TResult::Busy);
    EXPECT_FALSE(other.Held());
    // Only the lock file itself is there: its temporary name is gone.
    size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(tmp.Fs()))
      ++entries;
    EXPECT_EQ(entries, 1u);
  }
  EXPECT_EQ(other.TryLock(path), TFileLock::TResult::Locked);
  TFileLock moved = std::move(other);
  EXPECT_TRUE(moved.Held());
  EXPECT_FALSE(other.Held());
  EXPECT_EQ(TFileLock().TryLock(path), TFileLock::TResult::Busy);
  moved.Release();
  EXPECT_EQ(ReadWholeFile(path), (ByteStream{'4', '7', '1', '1', '\n'}));
}

}  // namespace
}  // namespace vh
