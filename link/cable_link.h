// The cable: find the one attached FTDI device, open and configure it, write, poll, close.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "link/cable_driver.h"

inline constexpr uint32_t kBaudRate = 19200;
inline constexpr uint8_t kLatencyMs = 100;
inline constexpr std::size_t kPollBufferSize = 100;
inline constexpr int kDeviceListCapacity = 10;

// The texts a job reports for each failure of the open and set-up sequence.
struct OpenFailureTexts {
  const char* CreateListFailed;
  const char* NoCable;
  const char* MoreThanOneCable;
  const char* GetListFailed;
  const char* OpenFailed;
  const char* SetupFailed;
};

// The texts a job reports for failed writes and polls, by phase.
struct PhaseTexts {
  const char* HandshakeWrite;
  const char* HandshakePoll;
  const char* TransferWrite;
  const char* TransferPoll;
};

extern const OpenFailureTexts kKoProgrammingOpenTexts;
extern const OpenFailureTexts kKoReadOpenTexts;
extern const OpenFailureTexts kUooProgrammingOpenTexts;
extern const PhaseTexts kKoProgrammingPhaseTexts;
extern const PhaseTexts kKoReadPhaseTexts;
extern const PhaseTexts kUooProgrammingPhaseTexts;

struct PollResult {
  FT_STATUS Status;
  uint32_t Queued;  // bytes queued when the poll began; meaningful when the status call worked
  bool Ok() const { return Status == FT_OK; }
};

class CableLink {
 public:
  explicit CableLink(CableDriver& driver) : driver_(driver) {}
  ~CableLink() { Close(); }
  CableLink(const CableLink&) = delete;
  CableLink& operator=(const CableLink&) = delete;

  // Yields an open, configured cable, or false with the reason; nothing stays open then.
  bool OpenCable(const OpenFailureTexts& texts, std::string& failure);
  // Never waits: reads only what is already queued, and nothing when 100 or more bytes are.
  // The buffer is cleared first and always ends with a zero byte.
  PollResult PollRead(uint8_t (&buffer)[kPollBufferSize]);
  // One write of a whole token or frame; false when the status or the count is wrong.
  bool Write(const void* data, uint32_t count);
  // Status only, for the writes whose count is not looked at.
  FT_STATUS WriteStatus(const void* data, uint32_t count);
  void Close();
  bool IsOpen() const { return open_; }

 private:
  CableDriver& driver_;
  FT_HANDLE handle_ = nullptr;
  bool open_ = false;
};
