#include <cstddef>
#include <cstdint>

#include "base/Errors.h"
#include "hexmap/MapBlock.h"
#include "hexmap/MissionPicture.h"

// Whatever another program leaves on the clipboard: refused or a block that
// can be pasted anywhere and survives a trip through the clipboard.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const vh::TMapBlock block = vh::DecodeBlock({data, size});
    if (vh::DecodeBlock(vh::EncodeBlock(block)) != block)
      __builtin_trap();
    vh::TMission m;
    m.SetSize({64, 64});
    for (vh::TPoint at : {vh::TPoint{0, 0}, vh::TPoint{63, 63}, vh::TPoint{31, 32}}) {
      vh::PlaceBlock(m, vh::DefaultMissFilter | vh::FilterBit(vh::mfShopMarks), block, at);
      vh::PlaceBlock(m, vh::DefaultMissFilter | vh::FilterBit(vh::mfDFLayer), block, at);
    }
  } catch (const vh::EVhError&) {
  }
  return 0;
}
