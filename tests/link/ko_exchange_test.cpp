#include <gtest/gtest.h>

#include <cstring>

#include "link/protocol.h"
#include "tests/link/sim_rig.h"

namespace {

std::string FrameText(const KoConfigImage& image, std::size_t offset) {
  const Frame f = ChunkFrame(*reinterpret_cast<const uint8_t(*)[kImageSize]>(&image), offset);
  return std::string(reinterpret_cast<const char*>(f.Bytes), f.Size);
}

const std::string kEnd("\x3A\x00\xC6", 3);

std::vector<std::string> ExpectedProgrammingWrites(const KoConfigImage& image, int endFrames = 1) {
  std::vector<std::string> w = {"WRITE"};
  for (std::size_t off = 0; off < 248; off += 32) w.push_back(FrameText(image, off));
  for (int i = 0; i < endFrames; ++i) w.push_back(kEnd);
  return w;
}

TEST(ProgrammingExchange, ReadyKoGetsEveryFrameAfterANextAndEndsWithOk) {
  KoModel ko;
  SimRig rig(&ko);
  const KoConfigImage image = PatternImage(3);
  ASSERT_TRUE(rig.Open());
  rig.Program(image);
  EXPECT_TRUE(rig.job.JobSucceeded);
  EXPECT_FALSE(rig.job.JobFailed);
  EXPECT_EQ(rig.WritesAsText(), ExpectedProgrammingWrites(image));
  EXPECT_EQ(ko.FrameSizes, (std::vector<int>{32, 32, 32, 32, 32, 32, 32, 24, 0}));
  EXPECT_EQ(ko.Programmed, Bytes(&image, 248));
  EXPECT_TRUE(ko.ProgrammingComplete);
  // the first frame waited for the KO's first "NEXT", sent 300 ms after "READY"
  EXPECT_GT(ko.FrameTimesUs[0], 300'000u);
}

TEST(ProgrammingExchange, ReadyNextKoGetsTheFirstFrameAtOnce) {
  KoBehaviour b;
  b.AnswerReadyNext = true;
  KoModel ko(b);
  SimRig rig(&ko);
  const KoConfigImage image = PatternImage(9);
  ASSERT_TRUE(rig.Open());
  rig.Program(image);
  EXPECT_TRUE(rig.job.JobSucceeded);
  EXPECT_EQ(rig.WritesAsText(), ExpectedProgrammingWrites(image));
  EXPECT_LT(ko.FrameTimesUs[0], 200'000u);
}

TEST(ProgrammingExchange, WriteIsRepeatedOnceEvery51PassesUntilAnswered) {
  KoBehaviour b;
  b.AnswerOnRequest = 3;
  KoModel ko(b);
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open());
  rig.Program(PatternImage());
  EXPECT_TRUE(rig.job.JobSucceeded);
  EXPECT_EQ(ko.WriteRequests, 3);
  auto writes = rig.WritesAsText();
  EXPECT_EQ(std::count(writes.begin(), writes.end(), "WRITE"), 3);
}

TEST(ProgrammingExchange, FurtherNextsAfterTheImageGetMoreEndFrames) {
  KoBehaviour b;
  b.ExtraNextAfterEnd = 2;
  KoModel ko(b);
  SimRig rig(&ko);
  const KoConfigImage image = PatternImage(5);
  ASSERT_TRUE(rig.Open());
  rig.Program(image);
  EXPECT_TRUE(rig.job.JobSucceeded);
  EXPECT_EQ(rig.WritesAsText(), ExpectedProgrammingWrites(image, 3));
}

struct KoFault {
  const char* name;
  KoBehaviour behaviour;
  const char* reason;
  std::size_t writes;  // nothing is written after the failure
};

KoBehaviour With(void (*f)(KoBehaviour&)) {
  KoBehaviour b;
  f(b);
  return b;
}

class ProgrammingFault : public testing::TestWithParam<KoFault> {};

TEST_P(ProgrammingFault, FailsWithItsTextAndWritesNothingMore) {
  KoModel ko(GetParam().behaviour);
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open());
  rig.Program(PatternImage());
  EXPECT_TRUE(rig.job.JobFailed);
  EXPECT_FALSE(rig.job.JobSucceeded);
  EXPECT_EQ(rig.job.FailureReason, GetParam().reason);
  EXPECT_EQ(rig.driver.Writes.size(), GetParam().writes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProgrammingFault,
    testing::Values(
        KoFault{"ErrorInHandshake", With([](KoBehaviour& b) { b.ErrorInHandshake = true; }),
                "УОО сообщил об ошибке", 1},
        KoFault{"ErrorAfterFourthFrame", With([](KoBehaviour& b) { b.ErrorAfterFrame = 3; }),
                "УОО сообщил об ошибке", 5},
        KoFault{"RejectedImage", With([](KoBehaviour& b) { b.RejectImage = true; }),
                "УОО сообщил об ошибке", 10},
        KoFault{"SilentAfterSecondFrame", With([](KoBehaviour& b) { b.SilentAfterFrame = 1; }),
                "Превышение времени ожидания", 3},
        KoFault{"TwoTokensInOnePoll", With([](KoBehaviour& b) { b.DoubledNext = true; }),
                "Превышение времени ожидания", 2}),
    [](const testing::TestParamInfo<KoFault>& i) { return std::string(i.param.name); });

TEST(ProgrammingExchange, QuietTransferTimesOutAfter400Passes) {
  KoBehaviour b;
  b.SilentAfterFrame = 0;
  b.AnswerReadyNext = true;
  KoModel ko(b);
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open());
  rig.Program(PatternImage());
  EXPECT_EQ(rig.job.FailureReason, "Превышение времени ожидания");
  // 401 quiet passes of 10 ms after the first frame
  ASSERT_EQ(rig.driver.WriteTimesUs.size(), 2u);
  EXPECT_EQ(rig.clock.NowUs() - rig.driver.WriteTimesUs[1], 401 * 10'000u);
}

TEST(ProgrammingExchange, HandshakeNeverTimesOutAndAStopEndsItQuietly) {
  for (auto behaviour : {With([](KoBehaviour& b) { b.SplitTokens = true; }),
                         With([](KoBehaviour& b) { b.GarbageBefore = "\r\n"; }),
                         With([](KoBehaviour& b) { b.AnswerOnRequest = 1000; })}) {
    KoModel ko(behaviour);
    SimRig rig(&ko);
    ASSERT_TRUE(rig.Open());
    rig.StopAfterMs(30'000);
    rig.Program(PatternImage());
    EXPECT_FALSE(rig.job.JobFailed) << rig.job.FailureReason;
    EXPECT_FALSE(rig.job.JobSucceeded);
    EXPECT_EQ(rig.clock.NowUs(), 30'000'000u) << "seen at the first loop test after the request";
    auto writes = rig.WritesAsText();
    EXPECT_EQ(std::count(writes.begin(), writes.end(), "WRITE"), long(writes.size()));
    EXPECT_EQ(writes.size(), 3000u / 51 + 1);
  }
}

TEST(ProgrammingExchange, StopDuringTheTransferWritesNothingMore) {
  KoModel ko;
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open());
  rig.StopAfterMs(600);
  rig.Program(PatternImage());
  EXPECT_FALSE(rig.job.JobFailed);
  EXPECT_FALSE(rig.job.JobSucceeded);
  EXPECT_LT(rig.driver.Writes.size(), 9u);
  EXPECT_GT(rig.driver.Writes.size(), 1u);
}

struct LinkFault {
  const char* name;
  DriverCall call;
  int nth;  // 0: a short write of the n-th write instead
  int shortWriteNth;
  const char* programmingText;
  const char* readingText;
};

class LinkFaultCase : public testing::TestWithParam<LinkFault> {};

TEST_P(LinkFaultCase, BelongsToItsPhase) {
  const LinkFault& f = GetParam();
  for (bool reading : {false, true}) {
    KoModel ko;
    SimRig rig(&ko);
    ASSERT_TRUE(rig.Open(reading ? kKoReadOpenTexts : kKoProgrammingOpenTexts));
    // the open sequence made one call of each set-up function; faults count from the job on
    if (f.nth) rig.driver.FailCall(f.call, rig.driver.CallCount(f.call) + f.nth);
    if (f.shortWriteNth) rig.driver.ShortWrite(f.shortWriteNth, 1);
    if (reading) {
      rig.Read();
    } else {
      rig.Program(PatternImage());
    }
    const char* expected = reading ? f.readingText : f.programmingText;
    if (!expected) continue;
    EXPECT_TRUE(rig.job.JobFailed) << f.name << (reading ? " reading" : " programming");
    EXPECT_EQ(rig.job.FailureReason, expected) << f.name << (reading ? " reading" : " programming");
    if (reading) {
      EXPECT_EQ(rig.WritesAsText().back(), "ERROR") << f.name;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LinkFaultCase,
    testing::Values(
        LinkFault{"HandshakeWriteFails", DriverCall::Write, 1, 0, "Ошибка записи FTDI", "Ошибка записи FTDI"},
        LinkFault{"HandshakeWriteShort", DriverCall::Write, 0, 1, "Ошибка записи FTDI", nullptr},
        LinkFault{"HandshakePollFails", DriverCall::GetStatus, 1, 0, "Ошибка чтения FTDI", "Ошибка чтения FTDI"},
        LinkFault{"TransferWriteFails", DriverCall::Write, 2, 0, "Ошибка записи в FTDI", "Ошибка записи в FTDI"},
        LinkFault{"TransferWriteShort", DriverCall::Write, 0, 3, "Ошибка записи в FTDI", "Ошибка записи в FTDI"}),
    [](const testing::TestParamInfo<LinkFault>& i) { return std::string(i.param.name); });

TEST(ProgrammingExchange, TransferPollFailureHasItsOwnText) {
  KoBehaviour b;
  b.AnswerReadyNext = true;
  // a clean run first: how many status calls the handshake takes on this line
  int handshakePolls = 0;
  {
    KoModel ko(b);
    SimRig rig(&ko);
    ASSERT_TRUE(rig.Open());
    rig.Program(PatternImage());
    ASSERT_TRUE(rig.job.JobSucceeded);
    for (DriverCall c : rig.driver.Calls) {
      if (c == DriverCall::Write && handshakePolls > 0) break;  // frame 0 goes out
      if (c == DriverCall::GetStatus) ++handshakePolls;
    }
  }
  KoModel ko(b);
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open());
  rig.driver.FailCall(DriverCall::GetStatus, handshakePolls + 1);  // the first poll after frame 0
  rig.Program(PatternImage());
  EXPECT_EQ(rig.job.FailureReason, "Ошибка при чтении устройства FTDI");
  EXPECT_EQ(rig.driver.Writes.size(), 2u) << "\"WRITE\" and frame 0, nothing after the failure";
}

TEST(ReadingExchange, TransferPollFailureHasTheReadText) {
  KoBehaviour b;
  b.Image = PatternImage(6);
  KoModel ko(b);
  SimRig rig(&ko);
  ASSERT_TRUE(rig.Open(kKoReadOpenTexts));
  rig.driver.FailCall(DriverCall::GetStatus, 2);  // handshake poll 1 holds "READY"; then transfer
  rig.Read();
  EXPECT_EQ(rig.job.FailureReason, "Ошибка чтения FTDI");
  EXPECT_EQ(rig.WritesAsText(), (std::vector<std::string>{"READ", "NEXT", "ERROR"}));
}

}  // namespace
