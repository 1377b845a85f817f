#include "link/clock.h"

#include <chrono>
#include <thread>

void RealClock::SleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

uint64_t RealClock::NowUs() const {
  using namespace std::chrono;
  return uint64_t(duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}
