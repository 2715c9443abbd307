#include "graphics/Library.h"

#include <algorithm>
#include <cstdint>

#include "base/Errors.h"
#include "base/FileUtil.h"
#include "graphics/HexPicture.h"

namespace vh {

TLibraryTable DefaultLibraryTable() {
  auto row = [](const char* name, int32_t dataOffset, uint16_t recordSize, uint16_t pictureOffset,
                uint16_t pictureSize, uint16_t pictureCount) {
    TLibraryEntry e;
    e.FileName = name;
    e.DataOffset = dataOffset;
    e.RecordSize = recordSize;
    e.PictureOffset = pictureOffset;
    e.PictureSize = pictureSize;
    e.PictureCount = pictureCount;
    return e;
  };
  return {
      row("part000.lib", 12, 576, 0, 576, 1335), row("unit000.lib", 4, 576, 0, 576, 0),
      row("layr000.lib", 4, 576, 0, 576, 24),    row("layr001.lib", 4, 576, 0, 576, 24),
      row("layr002.lib", 4, 576, 0, 576, 24),    row("layr003.lib", 4, 576, 0, 576, 24),
      row("curs000.lib", 12, 606, 26, 576, 12),  row("palt000.lib", 12, 768, 0, 768, 4),
  };
}

std::string LibraryPath(const std::string& gameDir, const std::string& fileName) {
  std::string dir = gameDir;
  if (!dir.empty() && !IsPathSep(dir.back()))
    dir += '/';
  return ResolvePathCI(dir + "LIB/" + fileName);
}

namespace {

// The unit library carries no count in the fixed table: the value X at
// offset 0 points behind the pictures, and the value at X + 8 is where they
// start.
void TakeUnitLayout(TLibraryEntry& e) {
  ByteReader in(e.File.Bytes, e.File.Path);
  uint32_t end = in.U32();
  in.Seek(static_cast<int64_t>(end) + 8);
  uint32_t start = in.U32();
  if (start > end || start > static_cast<uint32_t>(INT32_MAX))
    in.Fail("the picture data would start at offset " + std::to_string(start) + ", behind its end at " +
            std::to_string(end));
  uint32_t count = (end - start) / HexPixels;
  if (count > UINT16_MAX)
    in.Fail("implausible picture count " + std::to_string(count));
  e.DataOffset = static_cast<int32_t>(start);
  e.PictureCount = static_cast<uint16_t>(count);
}

}  // namespace

void OpenLibraries(const std::string& gameDir, TLibraryTable& table) {
  const TLibraryTable layout = DefaultLibraryTable();
  for (size_t i = 0; i < table.size(); ++i) {
    TLibraryEntry& e = table[i];
    e = layout[i];
    e.File.Path = LibraryPath(gameDir, e.FileName);
    e.File.Bytes = ReadWholeFile(e.File.Path);
    e.File.IsOpen = true;
    if (e.PictureCount == 0)
      TakeUnitLayout(e);
  }
}

void ReadLibraryPictures(const TLibraryEntry& lib, std::span<uint8_t> buffer, uint32_t index,
                         uint32_t count) {
  if (!lib.File.IsOpen)
    throw EInOutError(Message(VH_TRANSLATE_NOOP("Error", "Library file \"%1\" is not open"), lib.FileName));
  if (count > 1 && lib.RecordSize != lib.PictureSize)
    throw EVhError(Message(VH_TRANSLATE_NOOP("Error", "Library file \"%1\" cannot be read in one piece"),
                           lib.File.Path));
  if (static_cast<uint64_t>(index) + count > lib.PictureCount)
    throw EReadError(
        Message(VH_TRANSLATE_NOOP("Error", "Library file \"%1\" has %2 pictures; picture %3 was asked for"),
                lib.File.Path, lib.PictureCount, index + count - 1));
  const uint64_t bytes = static_cast<uint64_t>(lib.PictureSize) * count;
  if (buffer.size() < bytes)
    throw EVhError(Message(VH_TRANSLATE_NOOP("Error", "Buffer too small for %1 pictures of \"%2\""), count,
                           lib.File.Path));
  const uint64_t from = static_cast<uint64_t>(lib.DataOffset) +
                        static_cast<uint64_t>(index) * lib.RecordSize + lib.PictureOffset;
  if (from + bytes > lib.File.Bytes.size())
    throw EReadError(
        Message(VH_TRANSLATE_NOOP(
                    "Error", "Library file \"%1\" is too short: it has %2 bytes, picture %3 ends at byte %4"),
                lib.File.Path, lib.File.Bytes.size(), index + count - 1, from + bytes));
  std::copy_n(lib.File.Bytes.begin() + static_cast<ptrdiff_t>(from), bytes, buffer.begin());
}

void CloseLibraries(TLibraryTable& table) noexcept {
  for (TLibraryEntry& e : table) {
    e.File.Bytes.clear();
    e.File.Bytes.shrink_to_fit();
    e.File.IsOpen = false;
  }
}

TMultiPartFile::TMultiPartFile(const std::string& fileName)
    : fileName_(fileName), bytes_(ReadWholeFile(fileName)) {
  header_ = ByteReader(bytes_, fileName_).U32();
}

std::span<const uint8_t> TMultiPartFile::ReadPart(uint16_t index) const {
  ByteReader in(bytes_, fileName_);
  in.Seek(4 + 6 * static_cast<int64_t>(index));
  uint32_t offset = in.U32();
  uint16_t size = in.U16();
  if (static_cast<uint64_t>(offset) + size > bytes_.size())
    in.Fail("part " + std::to_string(index) + " (" + std::to_string(size) + " bytes at offset " +
            std::to_string(offset) + ") lies beyond the end of the file");
  return std::span<const uint8_t>(bytes_).subspan(offset, size);
}

}  // namespace vh
