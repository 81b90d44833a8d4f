#include "protocol/frames.h"

#include <gtest/gtest.h>

#include <vector>

namespace np72 {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Frames, ChecksumIsTheXorOfAllButTheLastByte) {
  Bytes poll{0x5D, 0x02, 0, 0, 0, 0, 0, 0};
  Seal(poll);
  EXPECT_EQ(poll.back(), 0x5F);
  EXPECT_TRUE(ChecksumPasses(poll));
  poll.back() = 0x5E;  // one bit off
  EXPECT_FALSE(ChecksumPasses(poll));
}

TEST(Frames, SixteenBitFieldsAreLittleEndianTwosComplement) {
  const Bytes bytes{0xF1, 0xFF, 0x0F, 0x00, 0x00, 0x80, 0x39, 0x30};
  EXPECT_EQ(ReadSigned16(bytes, 0), -15);
  EXPECT_EQ(ReadSigned16(bytes, 2), 15);
  EXPECT_EQ(ReadUnsigned16(bytes, 4), 0x8000);  // a CRC half is never negative
  EXPECT_EQ(ReadSigned16(bytes, 4), -32768);
  EXPECT_EQ(ReadSigned16(bytes, 6), 12345);
}

TEST(Frames, EncodingKeepsTheLow16Bits) {
  Bytes bytes(4, 0);
  WriteSigned16(bytes, 0, 2000);
  WriteSigned16(bytes, 2, 70000);  // 0x11170
  EXPECT_EQ(bytes, (Bytes{0xD0, 0x07, 0x70, 0x11}));
  WriteSigned16(bytes, 0, -1);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xFF);
}

struct KindCase {
  std::size_t size;
  std::uint8_t byte0, byte1;
  ResponseKind kind;
};

TEST(Frames, KindIsToldBySizeHeaderAndCode) {
  const KindCase cases[] = {
      {8, 0x4D, 0x4D, ResponseKind::Ident},        {8, 0x5D, 2, ResponseKind::CurrentData},
      {8, 0x5D, 8, ResponseKind::ShortZeroAdjust}, {8, 0x5D, 6, ResponseKind::None},
      {8, 0x5D, 0x4D, ResponseKind::None},         {8, 0x4D, 0x5D, ResponseKind::None},
      {18, 0x5D, 1, ResponseKind::Settings},       {18, 0x5D, 3, ResponseKind::Settings},
      {18, 0x5D, 4, ResponseKind::Settings},       {18, 0x5D, 5, ResponseKind::Settings},
      {18, 0x5D, 6, ResponseKind::Settings},       {18, 0x5D, 7, ResponseKind::Version},
      {18, 0x5D, 0, ResponseKind::None},           {18, 0x5D, 2, ResponseKind::None},
      {18, 0x5D, 8, ResponseKind::None},           {18, 0x5D, 255, ResponseKind::None},
      {18, 0x4D, 0x4D, ResponseKind::None},  // only a short frame identifies
  };
  for (const KindCase& c : cases) {
    Bytes frame(c.size, 0);
    frame[0] = c.byte0;
    frame[1] = c.byte1;
    EXPECT_EQ(KindOf(frame), c.kind) << c.size << " bytes " << int{c.byte0} << " " << int{c.byte1};
  }
}

TEST(Frames, ResponseSizeFromTheFirstTwoBytes) {
  EXPECT_EQ(ResponseSize(0x4D, 0x4D), 8u);
  EXPECT_EQ(ResponseSize(0x5D, 2), 8u);
  EXPECT_EQ(ResponseSize(0x5D, 8), 8u);
  for (std::uint8_t code : {1, 3, 4, 5, 6, 7}) EXPECT_EQ(ResponseSize(0x5D, code), 18u) << int{code};
  for (std::uint8_t code : {0, 9, 0x4D, 0xFF}) EXPECT_EQ(ResponseSize(0x5D, code), 0u) << int{code};
  EXPECT_EQ(ResponseSize(0x4D, 0x5D), 0u);
  EXPECT_EQ(ResponseSize(0x00, 0x02), 0u);
}

}  // namespace
}  // namespace np72
