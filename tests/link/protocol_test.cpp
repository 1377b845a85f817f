#include <gtest/gtest.h>

#include <cstring>

#include "link/protocol.h"

namespace {

const uint8_t* U(const char* s) { return reinterpret_cast<const uint8_t*>(s); }

TEST(Checksums, Crc16IsKermit) {
  EXPECT_EQ(Crc16(U("123456789"), 9), 0x2189);
  EXPECT_EQ(Crc16(U("abc"), 3), 0x58E9);
  EXPECT_EQ(Crc16(U(""), 0), 0x0000);
  const uint8_t uooBlock[6] = {0x12, 0x34, 0x08, 0x05, 0x01, 0x04};
  EXPECT_EQ(Crc16(uooBlock, 6), 0x30BE);
}

TEST(Checksums, FrameChecksumMakesTheFrameSumToZero) {
  const uint8_t head[2] = {':', 0};
  EXPECT_EQ(FrameChecksum(head, 2), 0xC6);
  EXPECT_EQ(kEndFrame, (std::array<uint8_t, 3>{0x3A, 0x00, 0xC6}));
  uint8_t data[32];
  for (int i = 0; i < 32; ++i) data[i] = uint8_t(200 + i);
  const Frame f = BuildFrame(data, 32);
  ASSERT_EQ(f.Size, 35u);
  unsigned sum = 0;
  for (uint32_t i = 0; i < f.Size; ++i) sum += f.Bytes[i];
  EXPECT_EQ(sum % 256, 0u);
}

TEST(Frames, ImageGoesInSevenFullChunksThenTwentyFourThenTheEndFrame) {
  uint8_t image[kImageSize];
  for (std::size_t i = 0; i < kImageSize; ++i) image[i] = uint8_t(i);
  for (std::size_t offset = 0; offset < 224; offset += 32) {
    const Frame f = ChunkFrame(image, offset);
    EXPECT_EQ(f.Bytes[1], 32);
    EXPECT_EQ(f.Bytes[2], uint8_t(offset));
  }
  const Frame last = ChunkFrame(image, 224);
  EXPECT_EQ(last.Bytes[1], 24);
  EXPECT_EQ(last.Bytes[2 + 23], 247);
  for (std::size_t offset : {std::size_t(248), std::size_t(256), std::size_t(288)}) {
    const Frame end = ChunkFrame(image, offset);
    ASSERT_EQ(end.Size, 3u);
    EXPECT_EQ(std::memcmp(end.Bytes, kEndFrame.data(), 3), 0);
  }
}

TEST(Tokens, OnlyTheWholeContentOfOnePollIsAToken) {
  const auto poll = [](const char* s) {
    std::array<uint8_t, kPollBufferSize> b{};
    std::memcpy(b.data(), s, std::strlen(s));
    return b;
  };
  const auto holds = [&](const char* s, std::string_view t) {
    auto b = poll(s);
    return PollHolds(*reinterpret_cast<uint8_t(*)[kPollBufferSize]>(b.data()), t);
  };
  EXPECT_TRUE(holds("READY", token::kReady));
  EXPECT_FALSE(holds("READYNEXT", token::kReady));
  EXPECT_FALSE(holds("READY", token::kReadyNext));
  EXPECT_TRUE(holds("READYNEXT", token::kReadyNext));
  EXPECT_FALSE(holds("READY\r", token::kReady));
  EXPECT_FALSE(holds("NEXTNEXT", token::kNext));
  EXPECT_FALSE(holds("NEX", token::kNext));
  EXPECT_FALSE(holds("next", token::kNext));
  EXPECT_FALSE(holds("", token::kOk));
}

}  // namespace
