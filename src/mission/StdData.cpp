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
    throw EReadError("Standard mission block \"" + path + "\" is shorter than 332 bytes");
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
