#include "sim/sim_driver.h"

#include <algorithm>
#include <cstring>

void SimLine::Send(const std::vector<uint8_t>& bytes, int delayMs) {
  if (bytes.empty()) return;
  const uint64_t start = std::max(now_ + uint64_t(delayMs) * 1000, lineFreeUs_);
  const uint64_t end = start + bytes.size() * SimDriver::kByteTimeUs;
  lineFreeUs_ = end;
  inFlight_.push_back({end, bytes});
}

SimDriver::SimDriver(const Clock& clock, SimPeer* peer, int attachedDevices)
    : clock_(clock), peer_(peer), devices_(attachedDevices) {}

void SimDriver::FailCall(DriverCall call, int nth, FT_STATUS status) {
  failures_[{call, nth}] = status;
}

void SimDriver::ShortWrite(int nth, uint32_t written) { shortWrites_[nth] = written; }

int SimDriver::CallCount(DriverCall call) const {
  auto it = counts_.find(call);
  return it == counts_.end() ? 0 : it->second;
}

std::string SimDriver::WireText() const {
  std::string s;
  for (const auto& w : Writes) s.append(w.begin(), w.end());
  return s;
}

FT_STATUS SimDriver::Enter(DriverCall call) {
  Calls.push_back(call);
  const int n = ++counts_[call];
  Advance();
  auto it = failures_.find({call, n});
  return it == failures_.end() ? FT_OK : it->second;
}

void SimDriver::Advance() {
  const uint64_t now = clock_.NowUs();
  // bytes from the computer reach the device in order, as each write has crossed the line
  while (!toDevice_.empty() && toDevice_.front().ArrivesUs <= now) {
    Outgoing o = std::move(toDevice_.front());
    toDevice_.pop_front();
    line_.now_ = o.ArrivesUs;
    if (peer_) peer_->Receive(o.Bytes, line_);
  }
  line_.now_ = now;
  if (peer_) peer_->Tick(line_);
  // bytes from the device reach the chip; the chip hands them on per USB packet or when its
  // latency timer has run since the oldest waiting byte
  const uint64_t latencyUs = uint64_t(Latency ? Latency : 16) * 1000;
  for (;;) {
    uint64_t nextFlush = chipBuffer_.empty() ? UINT64_MAX : chipOldestUs_ + latencyUs;
    const bool burstNext =
        !line_.inFlight_.empty() && line_.inFlight_.front().ArrivesUs <= now &&
        line_.inFlight_.front().ArrivesUs < nextFlush;
    if (burstNext) {
      SimLine::Burst b = std::move(line_.inFlight_.front());
      line_.inFlight_.pop_front();
      for (uint8_t byte : b.Bytes) {
        if (chipBuffer_.empty()) chipOldestUs_ = b.ArrivesUs;
        chipBuffer_.push_back(byte);
        if (chipBuffer_.size() == kUsbPacketPayload) {
          rxQueue_.insert(rxQueue_.end(), chipBuffer_.begin(), chipBuffer_.end());
          chipBuffer_.clear();
        }
      }
      continue;
    }
    if (nextFlush <= now) {
      rxQueue_.insert(rxQueue_.end(), chipBuffer_.begin(), chipBuffer_.end());
      chipBuffer_.clear();
      continue;
    }
    break;
  }
}

FT_STATUS SimDriver::CreateDeviceInfoList(uint32_t* count) {
  const FT_STATUS s = Enter(DriverCall::CreateDeviceInfoList);
  if (s == FT_OK) *count = uint32_t(devices_);
  return s;
}

FT_STATUS SimDriver::GetDeviceInfoList(FT_DEVICE_LIST_INFO_NODE* list, uint32_t* count) {
  const FT_STATUS s = Enter(DriverCall::GetDeviceInfoList);
  if (s != FT_OK) return s;
  for (int i = 0; i < devices_; ++i) {
    FT_DEVICE_LIST_INFO_NODE& n = list[i];
    std::memset(&n, 0, sizeof n);
    n.Type = 5;  // FT232R
    n.ID = 0x04036001;
    std::snprintf(n.SerialNumber, sizeof n.SerialNumber, "SIM%05d", i + 1);
    std::snprintf(n.Description, sizeof n.Description, "FT232R USB UART");
  }
  *count = uint32_t(devices_);
  return s;
}

FT_STATUS SimDriver::OpenEx(void* serial, uint32_t flags, FT_HANDLE* handle) {
  FT_STATUS s = Enter(DriverCall::OpenEx);
  if (s != FT_OK) return s;
  if (flags != FT_OPEN_BY_SERIAL_NUMBER || devices_ < 1) return FT_DEVICE_NOT_FOUND;
  OpenedSerial = static_cast<const char*>(serial);
  if (OpenedSerial != "SIM00001") return FT_DEVICE_NOT_FOUND;
  ++OpenHandles;
  *handle = this->handle();
  return FT_OK;
}

FT_STATUS SimDriver::SetBaudRate(FT_HANDLE h, uint32_t baud) {
  const FT_STATUS s = Enter(DriverCall::SetBaudRate);
  if (s == FT_OK && ValidHandle(h)) Baud = baud;
  return s;
}

FT_STATUS SimDriver::SetDataCharacteristics(FT_HANDLE h, uint8_t bits, uint8_t stopBits, uint8_t parity) {
  const FT_STATUS s = Enter(DriverCall::SetDataCharacteristics);
  if (s == FT_OK && ValidHandle(h)) Bits = bits, StopBits = stopBits, Parity = parity;
  return s;
}

FT_STATUS SimDriver::SetFlowControl(FT_HANDLE h, uint16_t mode, uint8_t, uint8_t) {
  const FT_STATUS s = Enter(DriverCall::SetFlowControl);
  if (s == FT_OK && ValidHandle(h)) FlowMode = mode;
  return s;
}

FT_STATUS SimDriver::SetLatencyTimer(FT_HANDLE h, uint8_t ms) {
  const FT_STATUS s = Enter(DriverCall::SetLatencyTimer);
  if (s == FT_OK && ValidHandle(h)) Latency = ms;
  return s;
}

FT_STATUS SimDriver::Write(FT_HANDLE h, const void* data, uint32_t count, uint32_t* written) {
  const FT_STATUS s = Enter(DriverCall::Write);
  *written = 0;
  if (s != FT_OK) return s;
  if (!ValidHandle(h)) return FT_IO_ERROR;
  uint32_t n = count;
  auto sw = shortWrites_.find(CallCount(DriverCall::Write));
  if (sw != shortWrites_.end()) n = std::min(count, sw->second);
  const auto* p = static_cast<const uint8_t*>(data);
  std::vector<uint8_t> bytes(p, p + n);
  Writes.push_back(bytes);
  WriteTimesUs.push_back(clock_.NowUs());
  const uint64_t start = std::max(clock_.NowUs(), hostLineFreeUs_);
  hostLineFreeUs_ = start + n * kByteTimeUs;
  if (n) toDevice_.push_back({hostLineFreeUs_, std::move(bytes)});
  *written = n;
  return FT_OK;
}

FT_STATUS SimDriver::GetStatus(FT_HANDLE h, uint32_t* rx, uint32_t* tx, uint32_t* events) {
  const FT_STATUS s = Enter(DriverCall::GetStatus);
  if (s != FT_OK) return s;
  if (!ValidHandle(h)) return FT_IO_ERROR;
  *rx = uint32_t(rxQueue_.size());
  *tx = 0;
  *events = 0;
  return FT_OK;
}

FT_STATUS SimDriver::Read(FT_HANDLE h, void* buffer, uint32_t count, uint32_t* returned) {
  const FT_STATUS s = Enter(DriverCall::Read);
  *returned = 0;
  if (s != FT_OK) return s;
  if (!ValidHandle(h)) return FT_IO_ERROR;
  // without a time-out set, a read of more than is queued would block: the program never asks
  const uint32_t n = std::min<uint32_t>(count, uint32_t(rxQueue_.size()));
  auto* out = static_cast<uint8_t*>(buffer);
  for (uint32_t i = 0; i < n; ++i) {
    out[i] = rxQueue_.front();
    rxQueue_.pop_front();
  }
  *returned = n;
  return FT_OK;
}

FT_STATUS SimDriver::Close(FT_HANDLE h) {
  const FT_STATUS s = Enter(DriverCall::Close);
  if (ValidHandle(h)) --OpenHandles;
  return s;
}
