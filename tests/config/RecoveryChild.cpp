// An editor as the recovery tests need one: it starts a session in the
// recovery folder given, writes copies, and then either dies without any
// clean-up of its own or waits until the test kills it.
//   recovery_child DIR keep-one         two copies, one removed again; dies
//   recovery_child DIR broken           copies whose description, mission is
//                                       garbage or missing, and a good one; dies
//   recovery_child DIR wait             one copy, prints "ready", waits
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "base/FileUtil.h"
#include "base/Platform.h"
#include "config/RecoverySamples.h"

using namespace vh;
using vh::test::CopyIn;
using vh::test::SmallMission;

int main(int argc, char** argv) {
  const std::vector<std::string> args = ProgramArguments(argc, argv);
  if (args.size() != 2)
    return 2;
  const std::string& mode = args[1];
  TRecoverySession session(args[0]);
  if (mode == "keep-one") {
    TRecoveryCopy kept = CopyIn(session.Dir(), "w1", "/a/MIS/kept.dat");
    TRecoveryCopy saved = CopyIn(session.Dir(), "w2", "/a/MIS/saved.dat");
    WriteRecoveryCopy(SmallMission(), kept);
    WriteRecoveryCopy(SmallMission(), saved);
    RemoveRecoveryCopy(saved);
  } else if (mode == "broken") {
    for (const char* id : {"description", "garbage", "missing", "good"})
      WriteRecoveryCopy(SmallMission(), CopyIn(session.Dir(), id, "/x.dat"));
    WriteWholeFile(CopyIn(session.Dir(), "description", "").InfoPath(), ByteStream{'n', 'o'});
    WriteWholeFile(CopyIn(session.Dir(), "garbage", "").MissionPath(), ByteStream(100, 0xAB));
    std::filesystem::remove(PathOf(CopyIn(session.Dir(), "missing", "").MissionPath()));
  } else if (mode == "wait") {
    WriteRecoveryCopy(SmallMission(), CopyIn(session.Dir(), "w1", ""));
    std::printf("ready\n");
    std::fflush(stdout);
    for (;;)
      std::this_thread::sleep_for(std::chrono::hours(1));
  } else {
    return 2;
  }
  std::fflush(stdout);
  std::_Exit(0);  // as if killed: no destructor, no exit handler runs
}
