// The probes print the moment their window was first shown (monotonic clock, nanoseconds), so
// that the start-up benchmark times the start and not the program's end.
#pragma once

#include <time.h>

#include <cstdio>

inline void PrintShownMark() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  std::printf("%lld\n", static_cast<long long>(ts.tv_sec) * 1'000'000'000LL + ts.tv_nsec);
  std::fflush(stdout);
}
