// The KO protocol: ASCII tokens without terminator, frames ':' n data checksum, and the two
// checksums.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "link/cable_link.h"

namespace token {
inline constexpr std::string_view kWrite = "WRITE";
inline constexpr std::string_view kRead = "READ";
inline constexpr std::string_view kReady = "READY";
inline constexpr std::string_view kReadyNext = "READYNEXT";
inline constexpr std::string_view kNext = "NEXT";
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kError = "ERROR";
}  // namespace token

inline constexpr uint8_t kFrameStart = ':';
inline constexpr std::size_t kImageSize = 248;
inline constexpr std::size_t kImageCrcOffset = 246;  // Crc16 of bytes 0..245, low byte first
inline constexpr std::size_t kChunkSize = 32;
inline constexpr std::size_t kMaxSentFrameData = 32;
inline constexpr std::size_t kMaxReadFrameData = 35;
inline constexpr std::size_t kFrameOverhead = 3;  // ':', n, checksum
inline constexpr std::array<uint8_t, 3> kEndFrame = {0x3A, 0x00, 0xC6};

// 8-bit two's complement of the byte sum: a correct frame adds up to 0 modulo 256.
uint8_t FrameChecksum(const uint8_t* bytes, std::size_t count);

// CRC-16/KERMIT: reflected polynomial 0x8408, initial value 0, no final XOR; stored low byte
// first. "123456789" gives 0x2189.
inline constexpr uint16_t kCrc16Polynomial = 0x8408;
inline constexpr uint16_t kCrc16Initial = 0x0000;
uint16_t Crc16(const uint8_t* bytes, std::size_t count);

// A frame as the computer sends it: n from 0 to 32.
struct Frame {
  uint8_t Bytes[kMaxSentFrameData + kFrameOverhead];
  uint32_t Size;
};
Frame BuildFrame(const uint8_t* data, std::size_t n);
// The chunk of the image at the offset: 32 bytes, or what is left after offset 216.
Frame ChunkFrame(const uint8_t (&image)[kImageSize], std::size_t offset);

// A token is recognised only as the whole content of one poll, taken as a NUL-terminated text.
bool PollHolds(const uint8_t (&poll)[kPollBufferSize], std::string_view tok);
