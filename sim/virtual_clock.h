// Time that passes only when the exchange sleeps: a 6 s repeat costs no real time in tests.
#pragma once

#include "link/clock.h"

class VirtualClock : public Clock {
 public:
  void SleepMs(int ms) override { nowUs_ += uint64_t(ms) * 1000; }
  uint64_t NowUs() const override { return nowUs_; }
  void AdvanceUs(uint64_t us) { nowUs_ += us; }

 private:
  uint64_t nowUs_ = 0;
};
