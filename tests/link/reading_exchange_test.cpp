#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "link/protocol.h"
#include "tests/link/sim_rig.h"

namespace {

TEST(ReadingExchange, WireShowsReadNextsAndOkAndTheImageArrivesWhole) {
  KoBehaviour b;
  b.Image = PatternImage(7);
  b.AnswerOnRequest = 2;
  KoModel ko(b);
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open(kKoReadOpenTexts));
  const KoConfigImage got = rig.Read();
  EXPECT_TRUE(rig.job.JobSucceeded) << rig.job.FailureReason;
  EXPECT_EQ(Bytes(&got, 248), Bytes(&b.Image, 248));
  std::vector<std::string> expected = {"READ", "READ"};
  for (int i = 0; i < 9; ++i) expected.push_back("NEXT");
  expected.push_back("OK");
  EXPECT_EQ(rig.WritesAsText(), expected);
  rig.Settle();
  EXPECT_EQ(ko.FinalReply, "OK");
}

TEST(ReadingExchange, FramesOfUpTo35BytesAreAccepted) {
  KoBehaviour b;
  b.Image = PatternImage(2);
  b.FrameData = 35;
  KoModel ko(b);
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open(kKoReadOpenTexts));
  const KoConfigImage got = rig.Read();
  EXPECT_TRUE(rig.job.JobSucceeded) << rig.job.FailureReason;
  EXPECT_EQ(Bytes(&got, 248), Bytes(&b.Image, 248));
}

struct ReadFault {
  const char* name;
  KoBehaviour behaviour;
  const char* reason;
};

KoBehaviour Reading(void (*f)(KoBehaviour&)) {
  KoBehaviour b;
  b.Image = PatternImage(4);
  f(b);
  return b;
}

class ReadingFault : public testing::TestWithParam<ReadFault> {};

TEST_P(ReadingFault, FailsWithItsTextAndAnswersError) {
  KoModel ko(GetParam().behaviour);
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open(kKoReadOpenTexts));
  rig.Read();
  EXPECT_TRUE(rig.job.JobFailed);
  EXPECT_FALSE(rig.job.JobSucceeded);
  EXPECT_EQ(rig.job.FailureReason, GetParam().reason);
  EXPECT_EQ(rig.WritesAsText().back(), "ERROR");
  auto writes = rig.WritesAsText();
  EXPECT_EQ(std::count(writes.begin(), writes.end(), "ERROR"), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadingFault,
    testing::Values(
        ReadFault{"ErrorInHandshake", Reading([](KoBehaviour& b) { b.ErrorInHandshake = true; }),
                  "УОО сообщил об ошибке"},
        ReadFault{"WrongFrameChecksum", Reading([](KoBehaviour& b) { b.CorruptChecksumFrame = 2; }),
                  "Несоответствие контрольной суммы"},
        ReadFault{"ChecksumByteMissing", Reading([](KoBehaviour& b) { b.DropChecksumFrame = 0; }),
                  "Несоответствие контрольной суммы"},
        ReadFault{"MoreThan248Bytes", Reading([](KoBehaviour& b) { b.ExtraFrames = 1; }),
                  "Превышен размер пакета программирования"},
        ReadFault{"ErrorMidTransferIsIgnoredThenTimesOut",
                  Reading([](KoBehaviour& b) { b.ErrorMidTransfer = 3; }), "Превышение времени ожидания"},
        ReadFault{"EndFrameWithTrailerIsNoEnd",
                  Reading([](KoBehaviour& b) { b.EndFrameWithTrailer = true; }), "Превышение времени ожидания"},
        ReadFault{"SilentKo", Reading([](KoBehaviour& b) { b.SilentAfterFrame = 4; }),
                  "Превышение времени ожидания"}),
    [](const testing::TestParamInfo<ReadFault>& i) { return std::string(i.param.name); });

TEST(ReadingExchange, TooLargeImageStopsBeforeTheReplyIsWritten) {
  KoModel ko(Reading([](KoBehaviour& b) { b.ExtraFrames = 1; }));
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open(kKoReadOpenTexts));
  const KoConfigImage got = rig.Read();
  auto writes = rig.WritesAsText();
  // frame 7 would end at byte 256: it fails, gets no NEXT and is not stored
  EXPECT_EQ(std::count(writes.begin(), writes.end(), "NEXT"), 8);
  std::vector<uint8_t> expected = Bytes(&ko.Behaviour().Image, 224);
  expected.resize(248, 0);
  EXPECT_EQ(Bytes(&got, 248), expected);
}

// Bytes 0 and 1 that make the CRC of an otherwise zero image 0x00AF.
std::pair<uint8_t, uint8_t> BytesForCrc00AF() {
  uint8_t image[246] = {};
  for (int v = 0; v < 65536; ++v) {
    image[0] = uint8_t(v), image[1] = uint8_t(v >> 8);
    if (Crc16(image, 246) == 0x00AF) return {image[0], image[1]};
  }
  return {0, 0};
}

TEST(ReadingExchange, CrcMismatchNamesBothValuesInFourHexDigits) {
  KoBehaviour b;
  auto [b0, b1] = BytesForCrc00AF();
  auto* img = reinterpret_cast<uint8_t*>(&b.Image);
  img[0] = b0, img[1] = b1;
  img[246] = 0x34, img[247] = 0x12;
  b.StampImageCrc = false;
  KoModel ko(b);
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open(kKoReadOpenTexts));
  rig.Read();
  EXPECT_FALSE(rig.job.JobSucceeded);
  EXPECT_EQ(rig.job.FailureReason, "Несоответсвие подсчитанной CRC: \nСчитано 1234\nПодсчитано 00AF");
  rig.Settle();
  EXPECT_EQ(ko.FinalReply, "ERROR");
}

TEST(ReadingExchange, ShortImageIsJudgedByItsCrcAlone) {
  // a KO that sends one 4-byte frame, then the end frame; the rest stays zero
  int nexts = 0;
  const std::vector<uint8_t> data = {9, 8, 7, 6};
  ScriptedPeer ko([&](const std::vector<uint8_t>& in, SimLine& line) {
    const std::string s(in.begin(), in.end());
    if (s == "READ") line.Send(std::string("READY"));
    if (s != "NEXT") return;
    std::vector<uint8_t> f = {':', 4, 9, 8, 7, 6};
    f.push_back(FrameChecksum(f.data(), f.size()));
    line.Send(++nexts == 1 ? f : std::vector<uint8_t>(kEndFrame.begin(), kEndFrame.end()));
  });
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open(kKoReadOpenTexts));
  const KoConfigImage got = rig.Read();
  uint8_t expected[248] = {9, 8, 7, 6};
  EXPECT_EQ(Bytes(&got, 248), Bytes(expected, 248));
  char text[160];
  std::snprintf(text, sizeof text, "Несоответсвие подсчитанной CRC: \nСчитано 0000\nПодсчитано %04X",
                Crc16(expected, 246));
  EXPECT_EQ(rig.job.FailureReason, text);
}

TEST(ReadingExchange, EmptyFrameWithMoreBytesIsAnsweredAndStoresNothing) {
  int nexts = 0;
  ScriptedPeer ko([&](const std::vector<uint8_t>& in, SimLine& line) {
    const std::string s(in.begin(), in.end());
    if (s == "READ") line.Send(std::string("READY"));
    if (s != "NEXT") return;
    if (++nexts == 1) line.Send(std::vector<uint8_t>{0x3A, 0x00, 0xC6, 'z', 'z'});
  });
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open(kKoReadOpenTexts));
  const KoConfigImage got = rig.Read();
  EXPECT_EQ(nexts, 2) << "the empty frame got its NEXT";
  EXPECT_EQ(std::count(reinterpret_cast<const uint8_t*>(&got), reinterpret_cast<const uint8_t*>(&got) + 248, 0), 248);
  EXPECT_EQ(rig.job.FailureReason, "Превышение времени ожидания");
}

TEST(ReadingExchange, ReadGoesOutEvery500msAndTheHandshakeNeverTimesOut) {
  KoBehaviour b;
  b.AnswerOnRequest = 100000;
  KoModel ko(b);
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open(kKoReadOpenTexts));
  rig.StopAfterMs(60'000);
  rig.Read();
  EXPECT_FALSE(rig.job.JobFailed);
  EXPECT_FALSE(rig.job.JobSucceeded);
  auto writes = rig.WritesAsText();
  EXPECT_EQ(writes.size(), 120u);
  EXPECT_EQ(std::count(writes.begin(), writes.end(), "READ"), 120) << "no final reply after a stop";
}

TEST(ReadingExchange, FloodOfBytesIsIgnoredWithoutHarm) {
  ScriptedPeer ko([](const std::vector<uint8_t>& in, SimLine& line) {
    const std::string s(in.begin(), in.end());
    if (s == "READ") line.Send(std::string("READY"));
    if (s == "NEXT") line.Send(std::vector<uint8_t>(300, ':'));
  });
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open(kKoReadOpenTexts));
  rig.Read();
  EXPECT_EQ(rig.job.FailureReason, "Превышение времени ожидания");
  EXPECT_EQ(rig.WritesAsText().back(), "ERROR");
}

}  // namespace
