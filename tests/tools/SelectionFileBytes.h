#pragma once

#include "base/ByteIO.h"
#include "tools/SelectionPages.h"

namespace vh::test {

// The bytes of a selection file holding `file`, as the editor's installation
// ships it: the icon page, then the 72 group pages, each stored column by
// column.
inline ByteStream SelectionFileBytes(const TSelectionFile& file) {
  ByteStream out;
  const auto page = [&](const TSelectionPage& p) {
    for (int16_t e : p.Entries)
      AppendU16(out, static_cast<uint16_t>(e));
  };
  page(file.GroupIndex);
  for (const TSelectionPage& g : file.Groups)
    page(g);
  return out;
}

}  // namespace vh::test
