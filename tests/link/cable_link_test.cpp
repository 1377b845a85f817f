#include <gtest/gtest.h>

#include <cstring>

#include "tests/link/sim_rig.h"

namespace {

struct OpenCase {
  const char* name;
  int devices;
  DriverCall failing;  // Close stands for "no failing call"
  const char* OpenFailureTexts::*text;
};

class OpenCableCase : public testing::TestWithParam<OpenCase> {};

TEST_P(OpenCableCase, EachFailureHasItsJobsTextAndLeavesNothingOpen) {
  const OpenCase& c = GetParam();
  for (const OpenFailureTexts* texts : {&kKoProgrammingOpenTexts, &kKoReadOpenTexts, &kUooProgrammingOpenTexts}) {
    ScriptedPeer silent([](const std::vector<uint8_t>&, SimLine&) {});
    SimRig rig(&silent, c.devices);
    if (c.failing != DriverCall::Close) rig.driver.FailCall(c.failing, 1);
    std::string failure;
    EXPECT_FALSE(rig.link.OpenCable(*texts, failure)) << c.name;
    EXPECT_EQ(failure, texts->*c.text) << c.name;
    EXPECT_EQ(rig.driver.OpenHandles, 0) << c.name;
    EXPECT_FALSE(rig.link.IsOpen());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, OpenCableCase,
    testing::Values(
        OpenCase{"driver does not answer", 1, DriverCall::CreateDeviceInfoList, &OpenFailureTexts::CreateListFailed},
        OpenCase{"no cable", 0, DriverCall::Close, &OpenFailureTexts::NoCable},
        OpenCase{"two cables", 2, DriverCall::Close, &OpenFailureTexts::MoreThanOneCable},
        OpenCase{"list fails", 1, DriverCall::GetDeviceInfoList, &OpenFailureTexts::GetListFailed},
        OpenCase{"open fails", 1, DriverCall::OpenEx, &OpenFailureTexts::OpenFailed},
        OpenCase{"baud fails", 1, DriverCall::SetBaudRate, &OpenFailureTexts::SetupFailed},
        OpenCase{"format fails", 1, DriverCall::SetDataCharacteristics, &OpenFailureTexts::SetupFailed},
        OpenCase{"flow fails", 1, DriverCall::SetFlowControl, &OpenFailureTexts::SetupFailed},
        OpenCase{"latency fails", 1, DriverCall::SetLatencyTimer, &OpenFailureTexts::SetupFailed}),
    [](const testing::TestParamInfo<OpenCase>& i) {
      std::string n = i.param.name;
      for (char& ch : n) if (ch == ' ') ch = '_';
      return n;
    });

TEST(OpenCable, TextsDifferBetweenTheJobsWhereTheyShould) {
  EXPECT_STREQ(kKoProgrammingOpenTexts.NoCable, "Кабель FTDI не найден");
  EXPECT_STREQ(kKoReadOpenTexts.NoCable, "Кабель FTDI не найден.");
  EXPECT_STREQ(kKoReadOpenTexts.SetupFailed, "Ошибка настройки кабеля FTDI");
  EXPECT_STREQ(kUooProgrammingOpenTexts.SetupFailed, "Ошибка настройки устройства FTDI");
  EXPECT_NE(std::string(kKoProgrammingOpenTexts.MoreThanOneCable).find("подключеннный"), std::string::npos);
  EXPECT_NE(std::string(kKoReadOpenTexts.MoreThanOneCable).find("подключенный кабель"), std::string::npos);
}

TEST(OpenCable, FailedSetupStillMakesAllFourCallsThenCloses) {
  ScriptedPeer silent([](const std::vector<uint8_t>&, SimLine&) {});
  SimRig rig(&silent);
  rig.driver.FailCall(DriverCall::SetBaudRate, 1);
  std::string failure;
  EXPECT_FALSE(rig.link.OpenCable(kKoProgrammingOpenTexts, failure));
  const std::vector<DriverCall> expected = {
      DriverCall::CreateDeviceInfoList, DriverCall::GetDeviceInfoList, DriverCall::OpenEx,
      DriverCall::SetBaudRate, DriverCall::SetDataCharacteristics, DriverCall::SetFlowControl,
      DriverCall::SetLatencyTimer, DriverCall::Close};
  EXPECT_EQ(rig.driver.Calls, expected);
  EXPECT_EQ(rig.driver.OpenHandles, 0);
}

TEST(OpenCable, OpensTheFirstDeviceBySerialAndConfiguresTheLine) {
  ScriptedPeer silent([](const std::vector<uint8_t>&, SimLine&) {});
  SimRig rig(&silent);
  std::string failure;
  ASSERT_TRUE(rig.link.OpenCable(kKoProgrammingOpenTexts, failure)) << failure;
  EXPECT_EQ(rig.driver.OpenedSerial, "SIM00001");
  EXPECT_EQ(rig.driver.Baud, 19200u);
  EXPECT_EQ(rig.driver.Bits, 8);
  EXPECT_EQ(rig.driver.StopBits, 0);
  EXPECT_EQ(rig.driver.Parity, 0);
  EXPECT_EQ(rig.driver.FlowMode, 0);
  EXPECT_EQ(rig.driver.Latency, 100u);
  rig.link.Close();
  rig.link.Close();
  EXPECT_EQ(rig.driver.CallCount(DriverCall::Close), 1) << "closed exactly once";
}

TEST(PollRead, NothingQueuedGivesCountZeroAndAZeroBuffer) {
  ScriptedPeer silent([](const std::vector<uint8_t>&, SimLine&) {});
  SimRig rig(&silent);
  ASSERT_TRUE(rig.Open());
  uint8_t buf[kPollBufferSize];
  std::memset(buf, 0xEE, sizeof buf);
  const PollResult r = rig.link.PollRead(buf);
  EXPECT_TRUE(r.Ok());
  EXPECT_EQ(r.Queued, 0u);
  EXPECT_EQ(std::count(buf, buf + kPollBufferSize, 0), long(kPollBufferSize));
  EXPECT_EQ(rig.driver.CallCount(DriverCall::Read), 0);
}

TEST(PollRead, HundredOrMoreQueuedBytesStayQueued) {
  ScriptedPeer flood([](const std::vector<uint8_t>&, SimLine& line) {
    line.Send(std::vector<uint8_t>(150, 'A'));
  });
  SimRig rig(&flood);
  ASSERT_TRUE(rig.Open());
  ASSERT_TRUE(rig.link.Write("x", 1));
  rig.clock.SleepMs(500);
  uint8_t buf[kPollBufferSize];
  const PollResult r = rig.link.PollRead(buf);
  EXPECT_TRUE(r.Ok());
  EXPECT_EQ(r.Queued, 150u);
  EXPECT_EQ(std::count(buf, buf + kPollBufferSize, 0), long(kPollBufferSize));
  EXPECT_EQ(rig.driver.QueuedBytes(), 150u);
  EXPECT_EQ(rig.driver.CallCount(DriverCall::Read), 0);
}

TEST(PollRead, ReadsExactlyWhatIsQueuedAndReportsReadFailures) {
  ScriptedPeer echo([](const std::vector<uint8_t>& in, SimLine& line) { line.Send(in); });
  SimRig rig(&echo);
  ASSERT_TRUE(rig.Open());
  ASSERT_TRUE(rig.link.Write("NEXT", 4));
  rig.clock.SleepMs(200);
  uint8_t buf[kPollBufferSize];
  PollResult r = rig.link.PollRead(buf);
  EXPECT_EQ(r.Queued, 4u);
  EXPECT_STREQ(reinterpret_cast<char*>(buf), "NEXT");
  rig.driver.FailCall(DriverCall::Read, 2);
  ASSERT_TRUE(rig.link.Write("OK", 2));
  rig.clock.SleepMs(200);
  r = rig.link.PollRead(buf);
  EXPECT_FALSE(r.Ok());
  EXPECT_EQ(r.Queued, 2u);
}

TEST(CableWrite, ShortOrFailedWritesCountAsFailed) {
  ScriptedPeer silent([](const std::vector<uint8_t>&, SimLine&) {});
  SimRig rig(&silent);
  ASSERT_TRUE(rig.Open());
  rig.driver.ShortWrite(1, 3);
  EXPECT_FALSE(rig.link.Write("WRITE", 5));
  rig.driver.FailCall(DriverCall::Write, 2);
  EXPECT_FALSE(rig.link.Write("WRITE", 5));
  EXPECT_TRUE(rig.link.Write("WRITE", 5));
}

}  // namespace
