#pragma once

#include <array>
#include <cstdint>

#include "base/ByteIO.h"
#include "mission/Mission.h"

namespace vh {

constexpr size_t DFRecordSize = 8;

// The change-layer part of a mission file's directory.
struct TDFDirectory {
  uint16_t Count = 0;
  std::array<int32_t, DFLayerCount> Offsets{};  // file offset of the records, just behind the tag
  std::array<int32_t, DFLayerCount> Lengths{};  // length of tag plus records
};

// The change records of `grid` within `width` x `height`, in row order: the
// stream a layer keeps.
ByteStream DFRecordsOf(const TDFGrid& grid, int32_t width, int32_t height);

// How many cells of the map (Width x Height) each change layer changes: the
// working layer DFNr as its grid stands, the others from their records, a
// later record for a cell replacing an earlier one, as loading them would.
std::array<int, DFLayerCount> ChangeLayerCellCounts(const TMission& m);

// Appends one chunk per non-empty layer stream to `file` (whose size is the
// current file position), numbered densely from "DF00"; with no changes at all
// the standard layer is written as "DF00". Fills `dir`.
void WriteDFChunks(const TMission& m, ByteStream& file, TDFDirectory& dir);

// Copies the layer chunks `dir` names from the whole file held by `file` into
// the mission's layer streams (entries whose length is not tag plus whole
// records are left empty), then loads the working grid of layer DFNr.
void ReadDFChunks(TMission& m, ByteReader& file, const TDFDirectory& dir);

}  // namespace vh
