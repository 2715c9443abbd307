#include "base/Anomaly.h"

namespace vh {

namespace {
AnomalySink* g_sink = nullptr;
}

AnomalySink* SetAnomalySink(AnomalySink* sink) {
  AnomalySink* previous = g_sink;
  g_sink = sink;
  return previous;
}

void ReportAnomaly(const std::string& what) {
  if (g_sink)
    g_sink->Anomaly(what);
}

}  // namespace vh
