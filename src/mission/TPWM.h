#pragma once

#include <span>
#include <string>

#include "base/ByteIO.h"

namespace vh {

inline constexpr char TPWMMagic[4] = {'T', 'P', 'W', 'M'};

// Decodes "TPWM" coded data. `source` starts just behind the magic, with the
// int32 decoded length. Raises EReadError when the data ends too early and
// ERangeError for a back reference before the start of the output, of
// distance 0, or taken when 65536 bytes have been produced. The output may
// exceed the announced length by up to 17 bytes, as the format allows.
ByteStream DecompressTPWM(std::span<const uint8_t> source, const std::string& sourceName = "coded data");

}  // namespace vh
