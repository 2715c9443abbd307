#include <gtest/gtest.h>

#include <random>
#include <string>

#include "base/Errors.h"
#include "mission/TPWM.h"
#include "support/TPWMEncoder.h"

namespace vh {
namespace {

ByteStream Coded(int32_t n, std::initializer_list<uint8_t> data) {
  ByteStream s(4 + data.size());
  PutU32(s, 0, static_cast<uint32_t>(n));
  std::copy(data.begin(), data.end(), s.begin() + 4);
  return s;
}

std::string Text(const ByteStream& b) {
  return std::string(b.begin(), b.end());
}

TEST(TPWMDecode, HandMadeVectors) {
  EXPECT_TRUE(DecompressTPWM(Coded(0, {})).empty());
  EXPECT_TRUE(DecompressTPWM(Coded(-5, {0xFF})).empty());
  EXPECT_EQ(Text(DecompressTPWM(Coded(8, {0x00, 'a', 'b', 'c', 'd', 'e', 'f', 'g', 'h'}))), "abcdefgh");
  // Two literals, then a reference of distance 2 and length 6 repeating them.
  EXPECT_EQ(Text(DecompressTPWM(Coded(8, {0x20, 'a', 'b', 0x23, 0x00}))), "abababab");
  // Only the literals needed are read: the group ends when the count is met.
  EXPECT_EQ(Text(DecompressTPWM(Coded(3, {0x00, 'x', 'y', 'z'}))), "xyz");
  // A second group starts after eight items.
  EXPECT_EQ(Text(DecompressTPWM(Coded(9, {0x00, '1', '2', '3', '4', '5', '6', '7', '8', 0x00, '9'}))),
            "123456789");
}

TEST(TPWMDecode, ReferencesAreCopiedWholeEvenPastTheAnnouncedLength) {
  // N = 3 but the reference copies 18 bytes: the output may run 17 over.
  ByteStream out = DecompressTPWM(Coded(3, {0x40, 'q', 0x1F, 0x00}));
  EXPECT_EQ(Text(out), std::string(19, 'q'));
}

TEST(TPWMDecode, BadReferencesAreRangeErrors) {
  EXPECT_THROW(DecompressTPWM(Coded(5, {0x80, 0x10, 0x00})), ERangeError);       // before the start
  EXPECT_THROW(DecompressTPWM(Coded(5, {0x40, 'a', 0x20, 0x00})), ERangeError);  // 2 back from 1 byte
  EXPECT_THROW(DecompressTPWM(Coded(5, {0x40, 'a', 0x00, 0x00})), ERangeError);  // distance 0
}

TEST(TPWMDecode, TruncatedDataIsAReadError) {
  EXPECT_THROW(DecompressTPWM(ByteStream{1, 0}), EReadError);             // no full length
  EXPECT_THROW(DecompressTPWM(Coded(4, {0x00, 'a', 'b'})), EReadError);   // literals missing
  EXPECT_THROW(DecompressTPWM(Coded(4, {})), EReadError);                 // no flag byte
  EXPECT_THROW(DecompressTPWM(Coded(9, {0x40, 'a', 0x10})), EReadError);  // half a reference
  // A huge announced length with little data fails cleanly, without a huge allocation.
  EXPECT_THROW(DecompressTPWM(Coded(0x7FFFFFFF, {0x00, 'a'})), EReadError);
}

TEST(TPWMDecode, NoReferenceOnceTheOutputReaches64KiB) {
  // 65536 literals, then one reference.
  ByteStream s;
  AppendU32(s, 65536 + 3);
  for (int group = 0; group < 8192; ++group) {
    s.push_back(0x00);
    s.insert(s.end(), 8, 'z');
  }
  s.push_back(0x80);
  AppendU16(s, 0x0010);
  EXPECT_THROW(DecompressTPWM(s), ERangeError);
}

TEST(TPWMRoundTrip, EncoderOutputDecodesToTheInput) {
  std::mt19937 rng(12345);
  for (int run = 0; run < 60; ++run) {
    size_t size = rng() % (run < 50 ? 3000 : 70000);
    ByteStream plain(size);
    // Small alphabets give long matches, large ones mostly literals.
    unsigned alphabet = 1 + rng() % (run % 3 == 0 ? 4 : 256);
    for (auto& b : plain)
      b = static_cast<uint8_t>(rng() % alphabet);
    ByteStream coded = test::CompressTPWM(plain);
    ASSERT_EQ(Text(ByteStream(coded.begin(), coded.begin() + 4)), "TPWM");
    ByteStream out = DecompressTPWM(std::span(coded).subspan(4));
    ASSERT_EQ(out, plain) << "run " << run << ", size " << size;
  }
}

}  // namespace
}  // namespace vh
