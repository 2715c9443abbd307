#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/Errors.h"

namespace vh {

using ByteStream = std::vector<uint8_t>;

// Bounds-checked little-endian reader over bytes held in memory. Every read
// past the end raises EReadError naming the source, so a truncated or forged
// file can never make us read out of bounds.
class ByteReader {
public:
  ByteReader(std::span<const uint8_t> data, std::string source) : data_(data), source_(std::move(source)) {}

  size_t Size() const { return data_.size(); }
  size_t Pos() const { return pos_; }
  size_t Remaining() const { return data_.size() - pos_; }
  const std::string& Source() const { return source_; }

  void Seek(int64_t pos) {
    if (pos < 0 || static_cast<uint64_t>(pos) > data_.size())
      Fail("offset " + std::to_string(pos) + " lies outside the data");
    pos_ = static_cast<size_t>(pos);
  }

  std::span<const uint8_t> Bytes(size_t n) {
    Need(n);
    auto s = data_.subspan(pos_, n);
    pos_ += n;
    return s;
  }
  uint8_t U8() { return Bytes(1)[0]; }
  uint16_t U16() {
    auto b = Bytes(2);
    return static_cast<uint16_t>(b[0] | (b[1] << 8));
  }
  int16_t I16() { return static_cast<int16_t>(U16()); }
  uint32_t U32() {
    auto b = Bytes(4);
    return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
           (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
  }
  int32_t I32() { return static_cast<int32_t>(U32()); }

  [[noreturn]] void Fail(const std::string& what) const {
    throw EReadError(Message(VH_TRANSLATE_NOOP("Error", "Read error in %1: %2"), source_, what));
  }

private:
  void Need(size_t n) const {
    if (n > Remaining())
      Fail("unexpected end of data at offset " + std::to_string(pos_) + " (" + std::to_string(n) +
           " bytes needed, " + std::to_string(Remaining()) + " left)");
  }

  std::span<const uint8_t> data_;
  std::string source_;
  size_t pos_ = 0;
};

// Little-endian helpers over a growing byte buffer; Put* patch earlier bytes.
inline void AppendU8(ByteStream& out, uint8_t v) {
  out.push_back(v);
}
inline void AppendU16(ByteStream& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void AppendI16(ByteStream& out, int16_t v) {
  AppendU16(out, static_cast<uint16_t>(v));
}
inline void AppendU32(ByteStream& out, uint32_t v) {
  AppendU16(out, static_cast<uint16_t>(v));
  AppendU16(out, static_cast<uint16_t>(v >> 16));
}
inline void AppendBytes(ByteStream& out, std::span<const uint8_t> b) {
  out.insert(out.end(), b.begin(), b.end());
}
inline void AppendText(ByteStream& out, std::string_view s) {
  out.insert(out.end(), s.begin(), s.end());
}

inline void PutU16(std::span<uint8_t> buf, size_t at, uint16_t v) {
  buf[at] = static_cast<uint8_t>(v);
  buf[at + 1] = static_cast<uint8_t>(v >> 8);
}
inline void PutI16(std::span<uint8_t> buf, size_t at, int16_t v) {
  PutU16(buf, at, static_cast<uint16_t>(v));
}
inline void PutU32(std::span<uint8_t> buf, size_t at, uint32_t v) {
  PutU16(buf, at, static_cast<uint16_t>(v));
  PutU16(buf, at + 2, static_cast<uint16_t>(v >> 16));
}
inline uint16_t GetU16(std::span<const uint8_t> buf, size_t at) {
  return static_cast<uint16_t>(buf[at] | (buf[at + 1] << 8));
}
inline int16_t GetI16(std::span<const uint8_t> buf, size_t at) {
  return static_cast<int16_t>(GetU16(buf, at));
}

}  // namespace vh
