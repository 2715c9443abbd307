#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "base/ByteIO.h"

namespace vh {

// An open library file. The libraries are small and read once at start-up,
// so "open" means held in memory; every read is checked against its size.
struct TLibraryFile {
  std::string Path;
  ByteStream Bytes;
  bool IsOpen = false;
};

struct TLibraryEntry {
  std::string FileName;     // inside the game's LIB directory
  int32_t DataOffset = 0;   // file offset of record 0
  uint16_t RecordSize = 0;  // distance between records
  uint16_t PictureOffset = 0;
  uint16_t PictureSize = 0;
  uint16_t PictureCount = 0;  // 0: taken from the file when it is opened
  TLibraryFile File;
};

enum TLibraryIndex : int {
  libPart = 0,    // terrain and object pictures
  libUnit = 1,    // unit pictures
  libLayer0 = 2,  // connection layer sets 0..3 follow
  libCursor = 6,
  libPalette = 7,
};
constexpr int LibraryCount = 8;

using TLibraryTable = std::array<TLibraryEntry, LibraryCount>;

// The fixed layout of the eight libraries, all closed.
TLibraryTable DefaultLibraryTable();

// The process-wide table the editor loads its pictures through.
inline TLibraryTable LibraryTable = DefaultLibraryTable();

// Path of a library inside `gameDir` + "LIB": the directory may be written
// with '\' or '/' and with or without a trailing separator, and the names are
// matched without regard to case (the game's media use upper-case names).
std::string LibraryPath(const std::string& gameDir, const std::string& fileName);

// Opens every row of `table` below `gameDir`. Each row starts again from the
// fixed layout, so the unit library's count is taken from the file at hand
// even when an earlier attempt used another directory. Raises an EVhError
// naming the file that is missing or too short; rows opened before stay open
// until CloseLibraries.
void OpenLibraries(const std::string& gameDir, TLibraryTable& table = LibraryTable);

// Copies `count` pictures starting at record `index` into `buffer` (at least
// PictureSize * count bytes). Several pictures at once only for libraries
// whose records are bare pictures.
void ReadLibraryPictures(const TLibraryEntry& lib, std::span<uint8_t> buffer, uint32_t index, uint32_t count);

// Never fails, also for rows that were never opened.
void CloseLibraries(TLibraryTable& table = LibraryTable) noexcept;

// The editor's own picture file: a 4-byte value, then a directory of
// (offset: u32, size: u16) entries at 4 + 6 * i, then the parts.
class TMultiPartFile {
public:
  explicit TMultiPartFile(const std::string& fileName);

  uint32_t HeaderValue() const { return header_; }
  const std::string& FileName() const { return fileName_; }
  // The stored bytes of part `index`; raises EReadError naming the file when
  // the directory entry or the part lies beyond its end.
  std::span<const uint8_t> ReadPart(uint16_t index) const;

private:
  std::string fileName_;
  ByteStream bytes_;
  uint32_t header_ = 0;
};

}  // namespace vh
