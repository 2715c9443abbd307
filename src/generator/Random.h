#pragma once

#include <cstdint>

namespace vh {

// The editor's one random number generator, a 32-bit linear congruential
// generator. Its sequence is part of the generator's behaviour: a texture
// seed stored with a height field must give the same choices every time the
// field is classified, so the arithmetic below must not change.
class TRandom {
public:
  uint32_t Seed = 0;

  // Integer in 0 .. n - 1; 0 when n is not positive.
  int32_t Below(int32_t n) {
    Step();
    if (n <= 0)
      return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(Seed) * static_cast<uint32_t>(n)) >> 32);
  }

  // Real number in [0, 1).
  double Real() {
    Step();
    return static_cast<double>(Seed) / 4294967296.0;
  }

  void SeedFromTimeOfDay(int hour, int minute, int second, int millisecond) {
    Seed = static_cast<uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
  }
  // Seeds from the current local time of day.
  void Randomize();

private:
  void Step() { Seed = Seed * 134775813u + 1u; }
};

// The process-wide generator every part of the editor draws from.
TRandom& Rng();

}  // namespace vh
