// A simulated cable in memory: the attached devices, the serial line at 19200 baud (10 bits a
// byte), the chip's receive queue with its latency timer, and scripted driver faults.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "link/cable_driver.h"
#include "link/clock.h"

// What sits at the far end of the cable. It sees the bytes the computer wrote, once they have
// crossed the line, and answers through Line.
class SimLine;
class SimPeer {
 public:
  virtual ~SimPeer() = default;
  virtual void Receive(const std::vector<uint8_t>& bytes, SimLine& line) = 0;
  // Called on every driver call, for devices that act on their own time.
  virtual void Tick(SimLine&) {}
};

class SimLine {
 public:
  SimLine() = default;
  uint64_t NowUs() const { return now_; }
  // Bytes leave the device `delayMs` from now and cross the line one after the other; each
  // call is one burst on the wire.
  void Send(const std::vector<uint8_t>& bytes, int delayMs = 0);
  void Send(const std::string& text, int delayMs = 0) {
    Send(std::vector<uint8_t>(text.begin(), text.end()), delayMs);
  }

 private:
  friend class SimDriver;
  struct Burst {
    uint64_t ArrivesUs;  // last byte at the chip
    std::vector<uint8_t> Bytes;
  };
  uint64_t now_ = 0;
  uint64_t lineFreeUs_ = 0;
  std::deque<Burst> inFlight_;
};

enum class DriverCall {
  CreateDeviceInfoList, GetDeviceInfoList, OpenEx, SetBaudRate, SetDataCharacteristics,
  SetFlowControl, SetLatencyTimer, Write, GetStatus, Read, Close
};

class SimDriver : public CableDriver {
 public:
  static constexpr uint64_t kByteTimeUs = 10'000'000 / 19200;  // start + 8 data + stop bits
  static constexpr std::size_t kUsbPacketPayload = 62;

  SimDriver(const Clock& clock, SimPeer* peer, int attachedDevices = 1);

  // The n-th call (1-based) of that function answers with this status.
  void FailCall(DriverCall call, int nth, FT_STATUS status = FT_IO_ERROR);
  // The n-th write reports (and sends) only this many bytes.
  void ShortWrite(int nth, uint32_t written);

  // Everything the computer wrote, in order, one entry per write.
  std::vector<std::vector<uint8_t>> Writes;
  std::vector<DriverCall> Calls;
  std::string OpenedSerial;
  uint32_t Baud = 0, Latency = 0;
  uint8_t Bits = 0xFF, StopBits = 0xFF, Parity = 0xFF;
  uint16_t FlowMode = 0xFFFF;
  int OpenHandles = 0;
  // queued at the chip, not yet read
  std::size_t QueuedBytes() const { return rxQueue_.size(); }
  std::vector<uint64_t> WriteTimesUs;
  int CallCount(DriverCall call) const;
  // Moves bytes across the line and through the chip up to now (every call does this first).
  void Advance();
  std::string WireText() const;  // all writes, concatenated, as text

  FT_STATUS CreateDeviceInfoList(uint32_t* count) override;
  FT_STATUS GetDeviceInfoList(FT_DEVICE_LIST_INFO_NODE* list, uint32_t* count) override;
  FT_STATUS OpenEx(void* serial, uint32_t flags, FT_HANDLE* handle) override;
  FT_STATUS SetBaudRate(FT_HANDLE handle, uint32_t baud) override;
  FT_STATUS SetDataCharacteristics(FT_HANDLE handle, uint8_t bits, uint8_t stopBits,
                                   uint8_t parity) override;
  FT_STATUS SetFlowControl(FT_HANDLE handle, uint16_t mode, uint8_t xon, uint8_t xoff) override;
  FT_STATUS SetLatencyTimer(FT_HANDLE handle, uint8_t ms) override;
  FT_STATUS Write(FT_HANDLE handle, const void* data, uint32_t count, uint32_t* written) override;
  FT_STATUS GetStatus(FT_HANDLE handle, uint32_t* rxQueue, uint32_t* txQueue,
                      uint32_t* events) override;
  FT_STATUS Read(FT_HANDLE handle, void* buffer, uint32_t count, uint32_t* returned) override;
  FT_STATUS Close(FT_HANDLE handle) override;

 private:
  FT_STATUS Enter(DriverCall call);
  bool ValidHandle(FT_HANDLE h) const { return h == handle() && OpenHandles > 0; }
  FT_HANDLE handle() const { return reinterpret_cast<FT_HANDLE>(const_cast<SimDriver*>(this)); }

  const Clock& clock_;
  SimPeer* peer_;
  int devices_;
  SimLine line_;
  std::map<std::pair<DriverCall, int>, FT_STATUS> failures_;
  std::map<int, uint32_t> shortWrites_;
  std::map<DriverCall, int> counts_;
  // host to device: bytes on the line, delivered to the peer when they have crossed it
  struct Outgoing {
    uint64_t ArrivesUs;
    std::vector<uint8_t> Bytes;
  };
  std::deque<Outgoing> toDevice_;
  uint64_t hostLineFreeUs_ = 0;
  // device to host: at the chip, waiting for a full USB packet or the latency timer
  std::vector<uint8_t> chipBuffer_;
  uint64_t chipOldestUs_ = 0;
  std::deque<uint8_t> rxQueue_;
};
