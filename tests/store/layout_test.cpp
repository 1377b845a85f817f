#include <gtest/gtest.h>

#include <cstring>

#include "store/card_record.h"

namespace {

template <typename T>
const uint8_t* Bytes(const T& v) {
  return reinterpret_cast<const uint8_t*>(&v);
}

TEST(CardLayout, PortsAreBigEndianAndCodesLittleEndian) {
  CardRecord c{};
  SetPort(c.Image.KoPort, 6001);
  SetPort(c.Image.DestPort2, 0xFFFF);
  c.Image.KoCode = 0x04030201;
  c.Image.ImageCrc = 0xBEEF;
  const uint8_t* b = Bytes(c);
  EXPECT_EQ(b[40], 0x17);
  EXPECT_EQ(b[41], 0x71);
  EXPECT_EQ(GetPort(c.Image.KoPort), 6001);
  EXPECT_EQ(GetPort(c.Image.DestPort2), 65535);
  EXPECT_EQ(b[239], 0x01);
  EXPECT_EQ(b[242], 0x04);
  EXPECT_EQ(b[246], 0xEF);
  EXPECT_EQ(b[247], 0xBE);
}

TEST(CardLayout, UooEntriesFollowTheKoDataAt279ByteSteps) {
  CardRecord c{};
  c.Uoo[4].Block.UooNumber = 5;
  c.Uoo[30].UooCardName[10] = 'x';
  c.Uoo[1].UooLastChange = 1.0;
  const uint8_t* b = Bytes(c);
  EXPECT_EQ(b[640 + 4 * 279 + 3], 5);
  EXPECT_EQ(b[640 + 30 * 279 + 278], 'x');
  double d;
  std::memcpy(&d, b + 640 + 279 + 8, sizeof d);
  EXPECT_EQ(d, 1.0);
  EXPECT_EQ(640 + 31 * 279, 9289);
}

}  // namespace
