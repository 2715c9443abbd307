#pragma once

#include <cstdint>
#include <span>

#include "base/ByteIO.h"

namespace vh::test {

// Encodes `plain` in the "TPWM" format, magic included. The editor itself
// never writes this format; tests and the demo data generator need it to
// produce coded shop name files.
ByteStream CompressTPWM(std::span<const uint8_t> plain);

}  // namespace vh::test
