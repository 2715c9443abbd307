#include "generator/Random.h"

#include <chrono>
#include <ctime>

namespace vh {

void TRandom::Randomize() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &t);
#else
  localtime_r(&t, &local);
#endif
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  SeedFromTimeOfDay(local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(ms));
}

TRandom& Rng() {
  static TRandom generator;
  return generator;
}

}  // namespace vh
