// Arbitrary device byte streams into the KO read, through the simulated cable. Nothing from the
// cable may write outside the image or the poll buffer, or keep the exchange from ending.
#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "link/cable_link.h"
#include "link/ko_exchange.h"
#include "sim/ko_model.h"
#include "sim/sim_driver.h"
#include "sim/virtual_clock.h"

namespace {

class StopAfter : public VirtualClock {
 public:
  JobState* Job = nullptr;
  void SleepMs(int ms) override {
    VirtualClock::SleepMs(ms);
    if (NowUs() > 120'000'000) Job->StopRequested = true;  // two minutes of device time
  }
};

// Every write of the computer is answered with the next piece of the input.
class StreamPeer : public SimPeer {
 public:
  StreamPeer(const uint8_t* data, std::size_t size, bool acceptRead)
      : data_(data), size_(size), acceptRead_(acceptRead) {}
  void Receive(const std::vector<uint8_t>& bytes, SimLine& line) override {
    if (acceptRead_ && bytes.size() == 4 && bytes[0] == 'R') {
      acceptRead_ = false;
      line.Send(std::vector<uint8_t>{'R', 'E', 'A', 'D', 'Y'});
      return;
    }
    if (pos_ >= size_) return;
    const std::size_t want = data_[pos_] % 160;
    ++pos_;
    const std::size_t n = std::min<std::size_t>(want, size_ - pos_);
    const int delay = pos_ < size_ ? data_[pos_] % 250 : 0;
    line.Send(std::vector<uint8_t>(data_ + pos_, data_ + pos_ + n), delay);
    pos_ += n;
  }

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  bool acceptRead_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  StopAfter clock;
  JobState job;
  clock.Job = &job;
  StreamPeer peer(data + 2, size - 2, data[0] & 1);
  SimDriver driver(clock, &peer, 1);
  if (data[1] & 0x80) driver.FailCall(DriverCall::GetStatus, 1 + data[1] % 64);
  if (data[1] & 0x40) driver.ShortWrite(1 + data[1] % 16, 1);
  CableLink link(driver);
  std::string failure;
  if (!link.OpenCable(kKoReadOpenTexts, failure)) return 0;
  KoConfigImage image{};
  ExchangeContext ctx{link, clock, job, kKoReadPhaseTexts};
  ReadingExchange(ctx, image);
  if (job.JobSucceeded && job.JobFailed) __builtin_trap();
  return 0;
}
