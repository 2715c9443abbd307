#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/ByteIO.h"
#include "graphics/PictureSets.h"

namespace vh {

// An 8-bit picture of palette indices, rows top-down, no padding.
struct TIndexedImage {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint8_t> Pixels;

  void Resize(int32_t width, int32_t height, uint8_t fill) {
    Width = width;
    Height = height;
    Pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
  }
  uint8_t* Row(int32_t y) { return Pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(Width); }
  const uint8_t* Row(int32_t y) const {
    return Pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(Width);
  }
  uint8_t At(int32_t x, int32_t y) const { return Row(y)[x]; }
};

// File images of an indexed picture with its colour table.
ByteStream EncodeBmp(const TIndexedImage& image, const TPalette& palette);  // 8 bits, bottom-up rows
// PNG: colour type 3, deflated by zlib; pixels of `transparentIndex` (when
// in 0..255) are fully transparent.
ByteStream EncodePng(const TIndexedImage& image, const TPalette& palette, int transparentIndex = -1);

// Writes BMP or PNG by the file name's extension (any case); raises
// EInOutError naming the file when it cannot be written, EVhError for
// another extension.
void WriteImageFile(const std::string& fileName, const TIndexedImage& image, const TPalette& palette);

// Checksums of the PNG format, exposed for tests.
uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t Adler32(const uint8_t* data, size_t size);

}  // namespace vh
