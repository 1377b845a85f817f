#include "tests/link/sim_rig.h"

#include "link/protocol.h"

KoConfigImage PatternImage(uint8_t seed) {
  KoConfigImage image{};
  auto* b = reinterpret_cast<uint8_t*>(&image);
  for (std::size_t i = 0; i < 246; ++i) b[i] = uint8_t(seed + i * 13);
  const uint16_t crc = Crc16(b, 246);
  b[246] = uint8_t(crc);
  b[247] = uint8_t(crc >> 8);
  return image;
}

std::vector<uint8_t> Bytes(const void* p, std::size_t n) {
  const auto* b = static_cast<const uint8_t*>(p);
  return {b, b + n};
}
