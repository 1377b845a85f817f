// The sleeps of the device exchanges go through a clock, so tests run them on virtual time.
#pragma once

#include <cstdint>

class Clock {
 public:
  virtual ~Clock() = default;
  virtual void SleepMs(int ms) = 0;
  // Microseconds since an arbitrary start; only differences count.
  virtual uint64_t NowUs() const = 0;
};

// The wall clock with real sleeps.
class RealClock : public Clock {
 public:
  void SleepMs(int ms) override;
  uint64_t NowUs() const override;
};
