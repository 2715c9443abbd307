#include <cstddef>
#include <cstdint>

#include "base/Errors.h"
#include "mission/TPWM.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    vh::ByteStream out = vh::DecompressTPWM({data, size});
    // Every output byte costs input; anything else would be a runaway.
    if (out.size() > 18 * size + 18)
      __builtin_trap();
  } catch (const vh::EVhError&) {
  }
  return 0;
}
