#include "link/vendor_driver.h"

#include <algorithm>
#include <iterator>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

using CreateDeviceInfoListFn = FT_STATUS(FT_CALL*)(uint32_t*);
using GetDeviceInfoListFn = FT_STATUS(FT_CALL*)(FT_DEVICE_LIST_INFO_NODE*, uint32_t*);
using OpenExFn = FT_STATUS(FT_CALL*)(void*, uint32_t, FT_HANDLE*);
using SetBaudRateFn = FT_STATUS(FT_CALL*)(FT_HANDLE, uint32_t);
using SetDataCharacteristicsFn = FT_STATUS(FT_CALL*)(FT_HANDLE, uint8_t, uint8_t, uint8_t);
using SetFlowControlFn = FT_STATUS(FT_CALL*)(FT_HANDLE, uint16_t, uint8_t, uint8_t);
using SetLatencyTimerFn = FT_STATUS(FT_CALL*)(FT_HANDLE, uint8_t);
using WriteFn = FT_STATUS(FT_CALL*)(FT_HANDLE, const void*, uint32_t, uint32_t*);
using GetStatusFn = FT_STATUS(FT_CALL*)(FT_HANDLE, uint32_t*, uint32_t*, uint32_t*);
using ReadFn = FT_STATUS(FT_CALL*)(FT_HANDLE, void*, uint32_t, uint32_t*);
using CloseFn = FT_STATUS(FT_CALL*)(FT_HANDLE);

class VendorDriver : public CableDriver {
 public:
  VendorDriver() {
#if defined(_WIN32)
    lib_ = LoadLibraryA("ftd2xx.dll");
#else
    lib_ = dlopen("libftd2xx.so", RTLD_NOW | RTLD_LOCAL);
    if (!lib_) lib_ = dlopen("/usr/local/lib/libftd2xx.so", RTLD_NOW | RTLD_LOCAL);
#endif
    if (!lib_) return;
    // every call must be there; a library that lacks one is no driver to talk to
    const bool bound[] = {Bind(create_, "FT_CreateDeviceInfoList"), Bind(getList_, "FT_GetDeviceInfoList"),
                          Bind(openEx_, "FT_OpenEx"), Bind(setBaud_, "FT_SetBaudRate"),
                          Bind(setData_, "FT_SetDataCharacteristics"), Bind(setFlow_, "FT_SetFlowControl"),
                          Bind(setLatency_, "FT_SetLatencyTimer"), Bind(write_, "FT_Write"),
                          Bind(getStatus_, "FT_GetStatus"), Bind(read_, "FT_Read"), Bind(close_, "FT_Close")};
    complete_ = std::all_of(std::begin(bound), std::end(bound), [](bool b) { return b; });
  }
  ~VendorDriver() override {
#if defined(_WIN32)
    if (lib_) FreeLibrary(static_cast<HMODULE>(lib_));
#else
    if (lib_) dlclose(lib_);
#endif
  }

  // Everything starts with the device list: a missing library fails right there.
  FT_STATUS CreateDeviceInfoList(uint32_t* count) override {
    return complete_ ? create_(count) : FT_OTHER_ERROR;
  }
  FT_STATUS GetDeviceInfoList(FT_DEVICE_LIST_INFO_NODE* list, uint32_t* count) override {
    return complete_ ? getList_(list, count) : FT_OTHER_ERROR;
  }
  FT_STATUS OpenEx(void* serial, uint32_t flags, FT_HANDLE* handle) override {
    return complete_ ? openEx_(serial, flags, handle) : FT_OTHER_ERROR;
  }
  FT_STATUS SetBaudRate(FT_HANDLE h, uint32_t baud) override {
    return complete_ ? setBaud_(h, baud) : FT_OTHER_ERROR;
  }
  FT_STATUS SetDataCharacteristics(FT_HANDLE h, uint8_t b, uint8_t s, uint8_t p) override {
    return complete_ ? setData_(h, b, s, p) : FT_OTHER_ERROR;
  }
  FT_STATUS SetFlowControl(FT_HANDLE h, uint16_t m, uint8_t xon, uint8_t xoff) override {
    return complete_ ? setFlow_(h, m, xon, xoff) : FT_OTHER_ERROR;
  }
  FT_STATUS SetLatencyTimer(FT_HANDLE h, uint8_t ms) override {
    return complete_ ? setLatency_(h, ms) : FT_OTHER_ERROR;
  }
  FT_STATUS Write(FT_HANDLE h, const void* d, uint32_t n, uint32_t* w) override {
    return complete_ ? write_(h, d, n, w) : FT_OTHER_ERROR;
  }
  FT_STATUS GetStatus(FT_HANDLE h, uint32_t* rx, uint32_t* tx, uint32_t* ev) override {
    return complete_ ? getStatus_(h, rx, tx, ev) : FT_OTHER_ERROR;
  }
  FT_STATUS Read(FT_HANDLE h, void* b, uint32_t n, uint32_t* r) override {
    return complete_ ? read_(h, b, n, r) : FT_OTHER_ERROR;
  }
  FT_STATUS Close(FT_HANDLE h) override { return complete_ ? close_(h) : FT_OTHER_ERROR; }

 private:
  template <typename Fn>
  bool Bind(Fn& fn, const char* name) {
#if defined(_WIN32)
    fn = reinterpret_cast<Fn>(GetProcAddress(static_cast<HMODULE>(lib_), name));
#else
    fn = reinterpret_cast<Fn>(dlsym(lib_, name));
#endif
    return fn != nullptr;
  }

  void* lib_ = nullptr;
  bool complete_ = false;
  CreateDeviceInfoListFn create_ = nullptr;
  GetDeviceInfoListFn getList_ = nullptr;
  OpenExFn openEx_ = nullptr;
  SetBaudRateFn setBaud_ = nullptr;
  SetDataCharacteristicsFn setData_ = nullptr;
  SetFlowControlFn setFlow_ = nullptr;
  SetLatencyTimerFn setLatency_ = nullptr;
  WriteFn write_ = nullptr;
  GetStatusFn getStatus_ = nullptr;
  ReadFn read_ = nullptr;
  CloseFn close_ = nullptr;
};

}  // namespace

std::unique_ptr<CableDriver> LoadVendorDriver() { return std::make_unique<VendorDriver>(); }
