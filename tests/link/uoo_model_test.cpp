#include <gtest/gtest.h>

#include "tests/link/sim_rig.h"

namespace {

TEST(UooModel, EchoesTheCrcOfThePacketAfterItsDelay) {
  UooBehaviour b;
  b.AnswerDelayMs = 4500;
  UooModel uoo(b);
  SimRig rig(&uoo);
  ASSERT_TRUE(rig.Open(kUooProgrammingOpenTexts));
  const uint8_t packet[9] = {0x92, 0x12, 0x34, 0x08, 0x05, 0x01, 0x04, 0xBE, 0x30};
  ASSERT_TRUE(rig.link.Write(packet, 9));
  uint8_t buf[kPollBufferSize];
  for (int s = 1; s <= 4; ++s) {
    rig.clock.SleepMs(1000);
    EXPECT_EQ(rig.link.PollRead(buf).Queued, 0u) << s;
  }
  rig.clock.SleepMs(1000);
  const PollResult r = rig.link.PollRead(buf);
  ASSERT_EQ(r.Queued, 2u);
  EXPECT_EQ(buf[0], 0xBE);
  EXPECT_EQ(buf[1], 0x30);
  ASSERT_EQ(uoo.Packets.size(), 1u);
  EXPECT_EQ(uoo.Packets[0], Bytes(packet, 9));
}

TEST(UooModel, AnswersOnlyTheNthPacketAndCanAddAByte) {
  UooBehaviour b;
  b.AnswerOnPacket = 2;
  b.TrailingByte = true;
  UooModel uoo(b);
  SimRig rig(&uoo);
  ASSERT_TRUE(rig.Open(kUooProgrammingOpenTexts));
  const uint8_t packet[9] = {0x92, 0x12, 0x34, 0x08, 0x05, 0x01, 0x04, 0xBE, 0x30};
  uint8_t buf[kPollBufferSize];
  ASSERT_TRUE(rig.link.Write(packet, 9));
  rig.clock.SleepMs(1000);
  EXPECT_EQ(rig.link.PollRead(buf).Queued, 0u);
  ASSERT_TRUE(rig.link.Write(packet, 9));
  rig.clock.SleepMs(1000);
  EXPECT_EQ(rig.link.PollRead(buf).Queued, 3u);
}

}  // namespace
