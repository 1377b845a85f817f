#include "link/protocol.h"

#include <cstring>

uint8_t FrameChecksum(const uint8_t* bytes, std::size_t count) {
  uint8_t sum = 0;
  for (std::size_t i = 0; i < count; ++i) sum = uint8_t(sum - bytes[i]);
  return sum;
}

uint16_t Crc16(const uint8_t* bytes, std::size_t count) {
  uint16_t crc = kCrc16Initial;
  for (std::size_t i = 0; i < count; ++i) {
    uint8_t b = bytes[i];
    for (int bit = 0; bit < 8; ++bit) {
      crc = ((crc ^ b) & 1) ? uint16_t((crc >> 1) ^ kCrc16Polynomial) : uint16_t(crc >> 1);
      b >>= 1;
    }
  }
  return crc;
}

Frame BuildFrame(const uint8_t* data, std::size_t n) {
  Frame f{};
  f.Bytes[0] = kFrameStart;
  f.Bytes[1] = uint8_t(n);
  if (n) std::memcpy(f.Bytes + 2, data, n);
  f.Bytes[2 + n] = FrameChecksum(f.Bytes, n + 2);
  f.Size = uint32_t(n + kFrameOverhead);
  return f;
}

Frame ChunkFrame(const uint8_t (&image)[kImageSize], std::size_t offset) {
  if (offset >= kImageSize) return BuildFrame(nullptr, 0);
  const std::size_t n = offset > kImageSize - kChunkSize ? kImageSize - offset : kChunkSize;
  return BuildFrame(image + offset, n);
}

bool PollHolds(const uint8_t (&poll)[kPollBufferSize], std::string_view tok) {
  const char* text = reinterpret_cast<const char*>(poll);
  return std::strlen(text) == tok.size() && std::memcmp(text, tok.data(), tok.size()) == 0;
}
