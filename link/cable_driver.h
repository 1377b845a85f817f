// The driver boundary: exactly the vendor calls the cable layer makes. The vendor library,
// the simulated cable and later other backends implement it.
#pragma once

#include "link/ftd2xx_api.h"

class CableDriver {
 public:
  virtual ~CableDriver() = default;
  virtual FT_STATUS CreateDeviceInfoList(uint32_t* count) = 0;
  virtual FT_STATUS GetDeviceInfoList(FT_DEVICE_LIST_INFO_NODE* list, uint32_t* count) = 0;
  virtual FT_STATUS OpenEx(void* serial, uint32_t flags, FT_HANDLE* handle) = 0;
  virtual FT_STATUS SetBaudRate(FT_HANDLE handle, uint32_t baud) = 0;
  virtual FT_STATUS SetDataCharacteristics(FT_HANDLE handle, uint8_t bits, uint8_t stopBits,
                                           uint8_t parity) = 0;
  virtual FT_STATUS SetFlowControl(FT_HANDLE handle, uint16_t mode, uint8_t xon, uint8_t xoff) = 0;
  virtual FT_STATUS SetLatencyTimer(FT_HANDLE handle, uint8_t ms) = 0;
  virtual FT_STATUS Write(FT_HANDLE handle, const void* data, uint32_t count, uint32_t* written) = 0;
  virtual FT_STATUS GetStatus(FT_HANDLE handle, uint32_t* rxQueue, uint32_t* txQueue,
                              uint32_t* events) = 0;
  virtual FT_STATUS Read(FT_HANDLE handle, void* buffer, uint32_t count, uint32_t* returned) = 0;
  virtual FT_STATUS Close(FT_HANDLE handle) = 0;
};
