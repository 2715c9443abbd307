// A start of the editor reads whatever an editor that died left in the
// recovery folder. Input: u16 length + description, u16 length + shop names,
// then the mission's bytes. Whatever they hold, the copy is listed, either as
// restorable (its mission then reads) or with the reason it is not.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "base/Platform.h"
#include "config/Recovery.h"

namespace {

const std::string& SessionDir() {
  static const std::string dir = [] {
    const std::filesystem::path p = std::filesystem::temp_directory_path() /
                                    ("fuzz-recovery-" + std::to_string(getpid())) / "session-1-1";
    std::filesystem::create_directories(p);
    vh::WriteWholeFile((p / vh::RecoveryLockName).string(), vh::ByteStream{'1'});
    return p.string();
  }();
  return dir;
}

// Takes a u16-length-prefixed part off the front of the input.
vh::ByteStream TakePart(const uint8_t*& data, size_t& size) {
  size_t n = size >= 2 ? std::min<size_t>(size - 2, data[0] | data[1] << 8) : 0;
  size_t skip = std::min<size_t>(size, 2);
  vh::ByteStream part(data + skip, data + skip + n);
  data += skip + n;
  size -= skip + n;
  return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const vh::TRecoveryCopy where{SessionDir(), "w1", {}, {}};
  vh::WriteWholeFile(where.InfoPath(), TakePart(data, size));
  vh::WriteWholeFile(where.NamesPath(), TakePart(data, size));
  vh::WriteWholeFile(where.MissionPath(), vh::ByteStream(data, data + size));

  const vh::TRecoveryCopy copy = vh::ReadRecoveryEntry(where.SessionDir, where.Id);
  if (copy.Fault.empty()) {
    // Offered as restorable: restoring must then work.
    vh::TMission m;
    try {
      m.LoadFromFile(copy.MissionPath());
    } catch (const vh::EVhError&) {
      __builtin_trap();
    }
    if (copy.Info.DFLayer < 0 || copy.Info.DFLayer >= vh::DFLayerCount)
      __builtin_trap();
  }
  // The start's scan finds the same entry, and keeps it on disk.
  const vh::TOrphanedCopies scan(std::filesystem::path(SessionDir()).parent_path().string());
  if (scan.Copies().size() != 1 || scan.Copies()[0].Fault != copy.Fault ||
      !std::filesystem::exists(vh::PathOf(copy.MissionPath())))
    __builtin_trap();
  return 0;
}
