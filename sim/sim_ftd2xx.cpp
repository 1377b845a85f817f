// A stand-in for the cable vendor's library: the same C calls, backed by the simulated cable on
// the real clock. Put its folder first on the library path and the real program talks to a
// simulated KO or UOO. The scenario comes from RUTA_SIM_CABLE, read by this library only:
//   ko (default)   a KO that answers "READY"        ko-readynext  a KO that answers "READYNEXT"
//   ko-error       a KO that answers "ERROR"        ko-silent     a KO that never answers
//   uoo            a UOO that answers after 1.5 s   uoo-late      a UOO that answers the 2nd packet
//   none           no cable attached                two           two cables attached
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>

#include "link/clock.h"
#include "link/ftd2xx_api.h"
#include "sim/ko_model.h"
#include "sim/sim_driver.h"

namespace {

KoConfigImage DefaultKoImage() {
  KoConfigImage img{};
  std::memcpy(img.ImageName, "SIM-KO", 6);
  const uint8_t gw[4] = {192, 168, 1, 1}, mask[4] = {255, 255, 255, 0}, ip[4] = {192, 168, 1, 50},
                dest[4] = {10, 0, 0, 1};
  std::memcpy(img.Gateway1, gw, 4);
  std::memcpy(img.Gateway2, gw, 4);
  std::memcpy(img.SubnetMask, mask, 4);
  std::memcpy(img.KoIp, ip, 4);
  std::memcpy(img.DestIp1, dest, 4);
  std::memcpy(img.DestIp2, dest, 4);
  SetPort(img.KoPort, 6001);
  SetPort(img.DestPort1, 6001);
  SetPort(img.DestPort2, 6002);
  std::memcpy(img.SimPin1, "1234", 4);
  std::memcpy(img.GsmDestIp1, "85.140.2.17", 11);
  std::memcpy(img.GsmDestPort1, "7001", 4);
  std::memcpy(img.Apn1, "internet", 8);
  img.BackupInterval = 30;
  img.KoCode = 32000;
  const uint8_t stamp[6] = {11, 12, 26, 9, 30, 0};
  std::memcpy(img.ProgStamp, stamp, 6);
  return img;
}

struct SimCable {
  std::mutex lock;
  RealClock clock;
  std::string scenario;
  KoConfigImage memory = DefaultKoImage();  // what the simulated KO holds between jobs
  std::unique_ptr<SimPeer> peer;
  std::unique_ptr<SimDriver> driver;

  SimCable() {
    const char* s = std::getenv("RUTA_SIM_CABLE");
    scenario = s && *s ? s : "ko";
  }

  // a fresh device conversation for every job
  void NewJob() {
    if (driver && driver->OpenHandles > 0) return;
    KeepProgrammedImage();
    int devices = 1;
    if (scenario == "none") devices = 0;
    if (scenario == "two") devices = 2;
    if (scenario.rfind("uoo", 0) == 0) {
      UooBehaviour b;
      b.AnswerDelayMs = 1500;
      if (scenario == "uoo-late") b.AnswerOnPacket = 2;
      peer = std::make_unique<UooModel>(b);
    } else {
      KoBehaviour b;
      b.Image = memory;
      b.AnswerReadyNext = scenario == "ko-readynext";
      b.ErrorInHandshake = scenario == "ko-error";
      b.AnswerOnRequest = scenario == "ko-silent" ? 1 << 30 : 1;
      peer = std::make_unique<KoModel>(b);
    }
    driver = std::make_unique<SimDriver>(clock, peer.get(), devices);
  }

  void KeepProgrammedImage() {
    auto* ko = dynamic_cast<KoModel*>(peer.get());
    if (ko && ko->ProgrammingComplete) std::memcpy(&memory, ko->Programmed.data(), sizeof memory);
  }
};

SimCable& Cable() {
  static SimCable cable;
  return cable;
}

#define SIM_CALL(expr)                                      \
  SimCable& c = Cable();                                    \
  std::lock_guard<std::mutex> guard(c.lock);                \
  if (!c.driver) c.NewJob();                                \
  return c.driver->expr

}  // namespace

extern "C" {

__attribute__((visibility("default"))) FT_STATUS FT_CreateDeviceInfoList(uint32_t* count) {
  SimCable& c = Cable();
  std::lock_guard<std::mutex> guard(c.lock);
  c.NewJob();
  return c.driver->CreateDeviceInfoList(count);
}
__attribute__((visibility("default"))) FT_STATUS FT_GetDeviceInfoList(FT_DEVICE_LIST_INFO_NODE* l, uint32_t* n) {
  SIM_CALL(GetDeviceInfoList(l, n));
}
__attribute__((visibility("default"))) FT_STATUS FT_OpenEx(void* arg, uint32_t flags, FT_HANDLE* h) {
  SIM_CALL(OpenEx(arg, flags, h));
}
__attribute__((visibility("default"))) FT_STATUS FT_SetBaudRate(FT_HANDLE h, uint32_t baud) {
  SIM_CALL(SetBaudRate(h, baud));
}
__attribute__((visibility("default"))) FT_STATUS FT_SetDataCharacteristics(FT_HANDLE h, uint8_t b, uint8_t s, uint8_t p) {
  SIM_CALL(SetDataCharacteristics(h, b, s, p));
}
__attribute__((visibility("default"))) FT_STATUS FT_SetFlowControl(FT_HANDLE h, uint16_t m, uint8_t on, uint8_t off) {
  SIM_CALL(SetFlowControl(h, m, on, off));
}
__attribute__((visibility("default"))) FT_STATUS FT_SetLatencyTimer(FT_HANDLE h, uint8_t ms) {
  SIM_CALL(SetLatencyTimer(h, ms));
}
__attribute__((visibility("default"))) FT_STATUS FT_Write(FT_HANDLE h, void* d, uint32_t n, uint32_t* w) {
  SIM_CALL(Write(h, d, n, w));
}
__attribute__((visibility("default"))) FT_STATUS FT_GetStatus(FT_HANDLE h, uint32_t* rx, uint32_t* tx, uint32_t* ev) {
  SIM_CALL(GetStatus(h, rx, tx, ev));
}
__attribute__((visibility("default"))) FT_STATUS FT_Read(FT_HANDLE h, void* b, uint32_t n, uint32_t* r) {
  SIM_CALL(Read(h, b, n, r));
}
__attribute__((visibility("default"))) FT_STATUS FT_Close(FT_HANDLE h) {
  SIM_CALL(Close(h));
}

}  // extern "C"
