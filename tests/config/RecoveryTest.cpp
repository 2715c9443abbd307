#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Platform.h"
#include "config/Recovery.h"
#include "config/RecoverySamples.h"
#include "mission/MissionFile.h"
#include "support/Process.h"
#include "support/TempDir.h"

namespace vh {
namespace {

namespace fs = std::filesystem;

using test::CopyIn;
using test::SmallMission;

TEST(RecoveryInfo, RoundTripsPathsTimesAndLayers) {
  for (const TRecoveryInfo& info : {TRecoveryInfo{"/home/j\xC3\xB6rg/MIS/miss001.dat",
                                                  "/home/j\xC3\xB6rg/GER/miss001.txt", 1733700000, 31},
                                    TRecoveryInfo{"", "", 0, 0},  // a mission never saved
                                    TRecoveryInfo{"/odd/100%\nname=x.dat", "C:\\GAMES\\GER\\a.txt", -5, 7}}) {
    EXPECT_EQ(ParseRecoveryInfo(FormatRecoveryInfo(info), "x.rec"), info);
  }
}

TEST(RecoveryInfo, RefusesWhatIsNoDescription) {
  EXPECT_THROW(ParseRecoveryInfo("", "x.rec"), EReadError);
  EXPECT_THROW(ParseRecoveryInfo("MSSN\0garbage", "x.rec"), EReadError);
  std::string good = FormatRecoveryInfo({"/a.dat", "", 1, 2});
  EXPECT_THROW(ParseRecoveryInfo(good.substr(0, good.find("DFLayer")), "x.rec"), EReadError);
  std::string badLayer = good;
  badLayer.replace(badLayer.find("DFLayer=2"), 9, "DFLayer=32");
  EXPECT_THROW(ParseRecoveryInfo(badLayer, "x.rec"), EReadError);
  std::string badTime = good;
  badTime.replace(badTime.find("SavedAt=1"), 9, "SavedAt=1x");
  EXPECT_THROW(ParseRecoveryInfo(badTime, "x.rec"), EReadError);
}

class RecoveryFolder : public ::testing::Test {
protected:
  // Another editor, a program of its own: see RecoveryChild.cpp.
  std::unique_ptr<test::TChildProcess> Editor(const std::string& mode) const {
    return std::make_unique<test::TChildProcess>(test::ProgramPath(RECOVERY_CHILD_EXE),
                                                 std::vector<std::string>{recoveryDir, mode});
  }

  test::TempDir tmp;
  // A folder name beyond code page 1252, with a blank for the command lines.
  std::string recoveryDir = tmp.File("Recovery \xC3\x9C-\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0");
};

TEST_F(RecoveryFolder, CopyHoldsTheWholeMissionAndANormalEndRemovesIt) {
  TMission m = SmallMission();
  std::string sessionDir;
  {
    TRecoverySession session(recoveryDir);
    EXPECT_FALSE(session.Started());
    EXPECT_FALSE(fs::exists(PathOf(recoveryDir)));  // nothing written, nothing made
    sessionDir = session.Dir();
    TRecoveryCopy copy = CopyIn(sessionDir, "w1", "/games/MIS/miss007.dat");
    WriteRecoveryCopy(m, copy);
    EXPECT_TRUE(m.FileName.empty());  // the editor's mission keeps its own names

    TMission back;
    back.LoadFromFile(copy.MissionPath());
    EXPECT_EQ(back.MissionName, m.MissionName);
    EXPECT_EQ(back.GetShop(0)->Name, "Depot \xC4");
    EXPECT_EQ(back.Cells, m.Cells);
    TMission again = m;
    EXPECT_EQ(BuildMissionFile(back), BuildMissionFile(again));
    EXPECT_TRUE(RecoverySessionAlive(sessionDir));
  }
  EXPECT_FALSE(fs::exists(PathOf(sessionDir)));
  EXPECT_FALSE(RecoverySessionAlive(sessionDir));
  EXPECT_TRUE(TOrphanedCopies(recoveryDir).Copies().empty());
}

TEST_F(RecoveryFolder, RemovedCopyIsNoLongerOffered) {
  // An editor that saves one window and drops another, then dies.
  ASSERT_EQ(Editor("keep-one")->Wait(), 0);
  TOrphanedCopies orphans(recoveryDir);
  ASSERT_EQ(orphans.Copies().size(), 1u);
  EXPECT_EQ(orphans.Copies()[0].Info.OriginalPath, "/a/MIS/kept.dat");
}

// An editor killed while it runs leaves copies that the next start finds; one
// that still runs keeps its copies to itself, and so does a start that is
// deciding about them.
TEST_F(RecoveryFolder, OnlyCopiesOfEditorsThatDiedAreOffered) {
  auto other = Editor("wait");
  ASSERT_EQ(other->ReadLine(), "ready");

  TRecoverySession own(recoveryDir);
  WriteRecoveryCopy(SmallMission(), CopyIn(own.Dir(), "w9", "/mine.dat"));
  EXPECT_TRUE(TOrphanedCopies(recoveryDir).Copies().empty());  // both editors run

  other->Kill();
  EXPECT_EQ(other->Wait(), -1);
  {
    TOrphanedCopies first(recoveryDir, own.Dir());
    ASSERT_EQ(first.Copies().size(), 1u);
    EXPECT_EQ(first.Copies()[0].Info.OriginalPath, "");
    EXPECT_TRUE(RecoverySessionAlive(own.Dir()));
    // A second editor starting meanwhile sees the copy as taken.
    EXPECT_TRUE(TOrphanedCopies(recoveryDir).Copies().empty());
  }
  // "Later": the copy is still there for the next start.
  TOrphanedCopies later(recoveryDir, own.Dir());
  ASSERT_EQ(later.Copies().size(), 1u);
  std::string deadSession = later.Copies()[0].SessionDir;
  later.DiscardAll();
  EXPECT_FALSE(fs::exists(PathOf(deadSession)));
  EXPECT_TRUE(fs::exists(PathOf(own.Dir())));  // never the running editor's
  EXPECT_TRUE(TOrphanedCopies(recoveryDir, own.Dir()).Copies().empty());
}

TEST_F(RecoveryFolder, UnreadableCopiesAreOfferedWithWhyAndDiscardedOnRequest) {
  ASSERT_EQ(Editor("broken")->Wait(), 0);
  std::vector<TRecoveryCopy> copies;
  {
    TOrphanedCopies orphans(recoveryDir);
    copies = orphans.Copies();
    ASSERT_EQ(copies.size(), 4u);
  }
  std::map<std::string, std::string> faults;
  for (const TRecoveryCopy& c : copies)
    faults[c.Id] = c.Fault;
  // Each fault names the file that did not read.
  EXPECT_NE(faults["description"].find("description.rec"), std::string::npos) << faults["description"];
  EXPECT_NE(faults["garbage"].find("garbage.dat"), std::string::npos) << faults["garbage"];
  EXPECT_NE(faults["missing"].find("missing.dat"), std::string::npos) << faults["missing"];
  EXPECT_EQ(faults["good"], "");
  // Kept while nobody decides, gone once discarded.
  TOrphanedCopies again(recoveryDir);
  EXPECT_EQ(again.Copies().size(), 4u);
  again.DiscardAll();
  EXPECT_TRUE(fs::is_empty(PathOf(recoveryDir)));
}

TEST_F(RecoveryFolder, FolderThatCannotBeWrittenRaisesAClearError) {
  WriteWholeFile(recoveryDir, ByteStream{'x'});  // a file where the folder should be
  TRecoverySession session(recoveryDir);
  try {
    session.Dir();
    FAIL() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find(recoveryDir), std::string::npos) << e.what();
  }
  EXPECT_FALSE(session.Started());
  // A copy into a folder that went away fails the same way, and leaves nothing.
  EXPECT_THROW(WriteRecoveryCopy(SmallMission(), CopyIn(tmp.File("gone"), "w1", "")), EInOutError);
  EXPECT_FALSE(fs::exists(PathOf(tmp.File("gone"))));
  // Scanning it finds nothing and does not fail.
  EXPECT_TRUE(TOrphanedCopies(recoveryDir).Copies().empty());
}

}  // namespace
}  // namespace vh
