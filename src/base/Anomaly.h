#pragma once

#include <string>

namespace vh {

// Input anomalies the editor tolerates (an unknown shop type, stray bytes in a
// record, too many change layers, ...) change nothing but are reported here:
// the GUI beeps, the command-line tool prints a warning.
class AnomalySink {
public:
  virtual ~AnomalySink() = default;
  virtual void Anomaly(const std::string& what) = 0;
};

// Installs the process-wide sink (nullptr: anomalies are dropped) and returns
// the previous one.
AnomalySink* SetAnomalySink(AnomalySink* sink);

void ReportAnomaly(const std::string& what);

// Installs a sink for the lifetime of a scope; handy in tests and tools.
class ScopedAnomalySink {
public:
  explicit ScopedAnomalySink(AnomalySink* sink) : previous_(SetAnomalySink(sink)) {}
  ~ScopedAnomalySink() { SetAnomalySink(previous_); }
  ScopedAnomalySink(const ScopedAnomalySink&) = delete;
  ScopedAnomalySink& operator=(const ScopedAnomalySink&) = delete;

private:
  AnomalySink* previous_;
};

}  // namespace vh
