#include "mission/StdData.h"

#include <algorithm>

#include "base/Anomaly.h"
#include "base/Errors.h"
#include "base/FileUtil.h"
#include "mission/DFLayers.h"

namespace vh {

void LoadStdMissionTemplate(const std::string& path) {
  ByteStream data = ReadWholeFile(ResolvePathCI(path), 1u << 20);
  if (data.size() < MissHeaderSize)
    throw EReadError(
        Message(VH_TRANSLATE_NOOP("Error", "Standard mission block \"%1\" is shorter than 332 bytes"), path));
  std::copy_n(data.begin(), MissHeaderSize, StdMissionTemplate.begin());
}

void LoadStdDFStream(const std::string& path) {
  ByteStream data = ReadWholeFile(ResolvePathCI(path), 1u << 20);
  if (data.size() % DFRecordSize != 0) {
    ReportAnomaly("Standard change layer \"" + path + "\" ends with a partial record; it is ignored");
    data.resize(data.size() - data.size() % DFRecordSize);
  }
  StdDFStream = std::move(data);
}

}  // namespace vh
