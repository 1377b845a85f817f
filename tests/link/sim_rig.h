// A simulated cable with one device on virtual time, and the cable layer over it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/cable_link.h"
#include "link/job_state.h"
#include "link/ko_exchange.h"
#include "sim/ko_model.h"
#include "sim/sim_driver.h"
#include "sim/virtual_clock.h"

// Virtual time that asks the job to stop once it has passed a moment.
class StoppingClock : public VirtualClock {
 public:
  JobState* Job = nullptr;
  uint64_t StopAtUs = UINT64_MAX;
  void SleepMs(int ms) override {
    VirtualClock::SleepMs(ms);
    if (Job && NowUs() >= StopAtUs) Job->StopRequested = true;
  }
};

struct SimRig {
  StoppingClock clock;
  SimDriver driver;
  CableLink link{driver};
  JobState job;

  explicit SimRig(SimPeer* peer, int devices = 1) : driver(clock, peer, devices) { clock.Job = &job; }

  void StopAfterMs(uint64_t ms) { clock.StopAtUs = clock.NowUs() + ms * 1000; }
  bool Open(const OpenFailureTexts& texts = kKoProgrammingOpenTexts) {
    std::string failure;
    const bool ok = link.OpenCable(texts, failure);
    if (!ok) job.Fail(failure);
    return ok;
  }
  void Program(const KoConfigImage& image, const PhaseTexts& texts = kKoProgrammingPhaseTexts) {
    ExchangeContext ctx{link, clock, job, texts};
    ProgrammingExchange(ctx, image);
  }
  KoConfigImage Read(const PhaseTexts& texts = kKoReadPhaseTexts) {
    KoConfigImage image{};
    ExchangeContext ctx{link, clock, job, texts};
    ReadingExchange(ctx, image);
    return image;
  }
  // Lets the last bytes written reach the device.
  void Settle() {
    clock.VirtualClock::SleepMs(200);
    driver.Advance();
  }
  std::vector<std::string> WritesAsText() const {
    std::vector<std::string> out;
    for (const auto& w : driver.Writes) out.emplace_back(w.begin(), w.end());
    return out;
  }
};

// An image with a recognisable byte at every offset and the right CRC.
KoConfigImage PatternImage(uint8_t seed = 1);
std::vector<uint8_t> Bytes(const void* p, std::size_t n);
