// What a device job reports to its finishing step, and how it is asked to stop.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>

struct JobState {
  bool JobFailed = false;
  bool JobSucceeded = false;
  std::string FailureReason;  // UTF-8, shown inside the failure message
  uint16_t LastImageCrc = 0;
  std::atomic<bool> StopRequested{false};

  // A failure ends the job's loops at their next test; a later failure's text replaces it.
  void Fail(const std::string& reason) {
    FailureReason = reason;
    JobFailed = true;
  }
  bool Stopped() const { return StopRequested.load(std::memory_order_relaxed); }
};
