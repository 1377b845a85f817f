// Our own declarations of the few calls of the cable vendor's D2XX driver that the program
// makes, written from the vendor's documented C interface.
#pragma once

#include <cstddef>
#include <cstdint>

using FT_STATUS = uint32_t;  // ULONG: 32 bits on Windows and in the Linux package
using FT_HANDLE = void*;

inline constexpr FT_STATUS FT_OK = 0;
inline constexpr FT_STATUS FT_DEVICE_NOT_FOUND = 2;
inline constexpr FT_STATUS FT_IO_ERROR = 4;
inline constexpr FT_STATUS FT_OTHER_ERROR = 18;

inline constexpr uint32_t FT_OPEN_BY_SERIAL_NUMBER = 1;
inline constexpr uint8_t FT_BITS_8 = 8;
inline constexpr uint8_t FT_STOP_BITS_1 = 0;
inline constexpr uint8_t FT_PARITY_NONE = 0;
inline constexpr uint16_t FT_FLOW_NONE = 0;

// One attached device as the driver lists it.
struct FT_DEVICE_LIST_INFO_NODE {
  uint32_t Flags;
  uint32_t Type;
  uint32_t ID;
  uint32_t LocId;
  char SerialNumber[16];
  char Description[64];
  FT_HANDLE ftHandle;
};

static_assert(sizeof(FT_DEVICE_LIST_INFO_NODE) == (sizeof(void*) == 8 ? 104 : 100),
              "device-list record as the driver writes it");
static_assert(offsetof(FT_DEVICE_LIST_INFO_NODE, SerialNumber) == 16);
static_assert(offsetof(FT_DEVICE_LIST_INFO_NODE, Description) == 32);
static_assert(offsetof(FT_DEVICE_LIST_INFO_NODE, ftHandle) == 96);

#if defined(_WIN32) && !defined(_WIN64)
#define FT_CALL __stdcall
#else
#define FT_CALL
#endif
