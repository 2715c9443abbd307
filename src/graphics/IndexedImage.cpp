#include "graphics/IndexedImage.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>
#include <future>
#include <vector>
#include <zlib.h>

#include "base/Errors.h"
#include "base/FileUtil.h"

namespace vh {

namespace {

void AppendU32BE(ByteStream& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<uint8_t>(v >> shift));
}

void AppendChunk(ByteStream& out, const char* type, const ByteStream& data) {
  AppendU32BE(out, static_cast<uint32_t>(data.size()));
  size_t typeAt = out.size();
  AppendText(out, std::string_view(type, 4));
  AppendBytes(out, data);
  AppendU32BE(out, Crc32(out.data() + typeAt, out.size() - typeAt));
}

// Deflates one band of `all` as raw deflate data that goes on from the bands
// before it: their last 32 KB are its dictionary, and a band that is not the
// last ends on a byte boundary without closing the stream.
ByteStream DeflateBand(const ByteStream& all, size_t from, size_t to, bool last) {
  z_stream s{};
  // Level 6 with the larger hash table: a map repeats its pictures 24 rows
  // apart, and only the long match chains of the default level find that.
  if (deflateInit2(&s, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY) != Z_OK)
    throw EVhError(Message(VH_TRANSLATE_NOOP("Error", "Cannot compress the picture")));
  const size_t window = std::min<size_t>(from, size_t{1} << MAX_WBITS);
  if (window > 0)
    deflateSetDictionary(&s, all.data() + from - window, static_cast<uInt>(window));
  ByteStream out(deflateBound(&s, static_cast<uLong>(to - from)) + 16);
  s.next_in = const_cast<Bytef*>(all.data() + from);
  s.avail_in = static_cast<uInt>(to - from);
  s.next_out = out.data();
  s.avail_out = static_cast<uInt>(out.size());
  const int status = deflate(&s, last ? Z_FINISH : Z_SYNC_FLUSH);
  out.resize(s.total_out);
  deflateEnd(&s);
  if (status != (last ? Z_STREAM_END : Z_OK))
    throw EVhError(Message(VH_TRANSLATE_NOOP("Error", "Cannot compress the picture")));
  return out;
}

// The zlib stream of `raw`, deflated in bands at once: a map's picture costs
// deflate several times what drawing it costs, and the bands, which see the
// data before them, lose almost nothing of the size. How many bands follows
// from the size alone, so every machine writes the same bytes.
ByteStream ZlibCompress(const ByteStream& raw) {
  constexpr size_t kBandBytes = 256 * 1024;
  const size_t bands = std::clamp<size_t>(raw.size() / kBandBytes, 1, 8);
  std::vector<std::future<ByteStream>> parts;
  for (size_t i = 0; i < bands; ++i)
    parts.push_back(std::async(bands > 1 ? std::launch::async : std::launch::deferred, DeflateBand,
                               std::cref(raw), raw.size() * i / bands, raw.size() * (i + 1) / bands,
                               i + 1 == bands));
  ByteStream out{0x78, 0x9C};  // deflate, 32 KB window, default level
  for (std::future<ByteStream>& part : parts)
    AppendBytes(out, part.get());
  AppendU32BE(
      out, static_cast<uint32_t>(adler32(adler32(0, nullptr, 0), raw.data(), static_cast<uInt>(raw.size()))));
  return out;
}

void CheckImage(const TIndexedImage& image) {
  if (image.Width <= 0 || image.Height <= 0 ||
      image.Pixels.size() != static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height))
    throw EVhError(Message(VH_TRANSLATE_NOOP("Error", "Cannot save an empty picture")));
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc) {
  // zlib takes its lengths in 32-bit pieces.
  while (size > 0) {
    const uInt run = static_cast<uInt>(std::min<size_t>(size, 1u << 30));
    crc = static_cast<uint32_t>(crc32(crc, data, run));
    data += run;
    size -= run;
  }
  return crc;
}

uint32_t Adler32(const uint8_t* data, size_t size) {
  uLong sum = adler32(0, nullptr, 0);
  while (size > 0) {
    const uInt run = static_cast<uInt>(std::min<size_t>(size, 1u << 30));
    sum = adler32(sum, data, run);
    data += run;
    size -= run;
  }
  return static_cast<uint32_t>(sum);
}

ByteStream EncodeBmp(const TIndexedImage& image, const TPalette& palette) {
  CheckImage(image);
  const uint32_t stride = (static_cast<uint32_t>(image.Width) + 3u) & ~3u;
  const uint32_t headers = 14 + 40 + 256 * 4;
  const uint32_t imageSize = stride * static_cast<uint32_t>(image.Height);
  ByteStream out;
  out.reserve(headers + imageSize);
  AppendText(out, "BM");
  AppendU32(out, headers + imageSize);
  AppendU32(out, 0);
  AppendU32(out, headers);
  AppendU32(out, 40);
  AppendU32(out, static_cast<uint32_t>(image.Width));
  AppendU32(out, static_cast<uint32_t>(image.Height));  // positive: bottom-up, read by every viewer
  AppendU16(out, 1);
  AppendU16(out, 8);
  AppendU32(out, 0);  // no compression
  AppendU32(out, imageSize);
  AppendU32(out, 2835);  // 72 dpi
  AppendU32(out, 2835);
  AppendU32(out, 256);
  AppendU32(out, 0);
  for (const TPaletteEntry& e : palette) {
    out.push_back(e.Blue);
    out.push_back(e.Green);
    out.push_back(e.Red);
    out.push_back(0);
  }
  for (int32_t y = image.Height - 1; y >= 0; --y) {
    const uint8_t* row = image.Row(y);
    out.insert(out.end(), row, row + image.Width);
    out.insert(out.end(), stride - static_cast<uint32_t>(image.Width), 0);
  }
  return out;
}

ByteStream EncodePng(const TIndexedImage& image, const TPalette& palette, int transparentIndex) {
  CheckImage(image);
  ByteStream out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

  ByteStream header;
  AppendU32BE(header, static_cast<uint32_t>(image.Width));
  AppendU32BE(header, static_cast<uint32_t>(image.Height));
  header.insert(header.end(), {8, 3, 0, 0, 0});  // 8 bits, indexed, deflate, no filter choice, no interlace
  AppendChunk(out, "IHDR", header);

  ByteStream plte;
  for (const TPaletteEntry& e : palette)
    plte.insert(plte.end(), {e.Red, e.Green, e.Blue});
  AppendChunk(out, "PLTE", plte);
  if (transparentIndex >= 0 && transparentIndex < 256) {
    // Alpha of the entries up to the transparent one; the rest stay opaque.
    ByteStream alpha(static_cast<size_t>(transparentIndex) + 1, 255);
    alpha.back() = 0;
    AppendChunk(out, "tRNS", alpha);
  }

  // Scanlines with filter type 0: the maps' large areas of one colour
  // compress well without the per-line filters.
  ByteStream raw;
  raw.reserve(static_cast<size_t>(image.Height) * (static_cast<size_t>(image.Width) + 1));
  for (int32_t y = 0; y < image.Height; ++y) {
    raw.push_back(0);
    raw.insert(raw.end(), image.Row(y), image.Row(y) + image.Width);
  }
  AppendChunk(out, "IDAT", ZlibCompress(raw));
  AppendChunk(out, "IEND", {});
  return out;
}

void WriteImageFile(const std::string& fileName, const TIndexedImage& image, const TPalette& palette) {
  std::string ext;
  if (size_t dot = fileName.find_last_of('.'); dot != std::string::npos)
    ext = fileName.substr(dot + 1);
  for (char& c : ext)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (ext == "bmp")
    WriteWholeFile(fileName, EncodeBmp(image, palette));
  else if (ext == "png")
    WriteWholeFile(fileName, EncodePng(image, palette));
  else
    throw EVhError(Message(
        VH_TRANSLATE_NOOP("Error", "Cannot save \"%1\": the name must end in .bmp or .png"), fileName));
}

}  // namespace vh
