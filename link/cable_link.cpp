#include "link/cable_link.h"

#include <cstring>

const OpenFailureTexts kKoProgrammingOpenTexts = {
    "Драйвер FTDI не отвечает.\nПроверьте наличие драйвера и перезапустите программу",
    "Кабель FTDI не найден",
    "Подключено более одного кабеля FTDI\n\nПрограммирование возможно только через один "
    "подключеннный кабель",
    "Нет доступа к кабелю FTDI.\nПопробуйте передернуть кабель в разъеме USB.",
    "Нет доступа к устройству через FTDI кабель.\nПопробуйте передернуть кабель в разъеме USB.",
    "Ошибка настройки устройства FTDI",
};

const OpenFailureTexts kKoReadOpenTexts = {
    "Драйвер FTDI не отвечает.\nПроверьте наличие драйвера и перезапустите программу.",
    "Кабель FTDI не найден.",
    "Подключено более одного кабеля FTDI\n\nПрограммирование возможно только через один "
    "подключенный кабель",
    "Нет доступа к кабелю FTDI.\nПопробуйте передернуть кабель в разъеме USB.",
    "Нет доступа к устройству через FTDI кабель.\nПопробуйте передернуть кабель в разъеме USB.",
    "Ошибка настройки кабеля FTDI",
};

const OpenFailureTexts kUooProgrammingOpenTexts = kKoProgrammingOpenTexts;

const PhaseTexts kKoProgrammingPhaseTexts = {"Ошибка записи FTDI", "Ошибка чтения FTDI",
                                             "Ошибка записи в FTDI",
                                             "Ошибка при чтении устройства FTDI"};
const PhaseTexts kKoReadPhaseTexts = {"Ошибка записи FTDI", "Ошибка чтения FTDI",
                                      "Ошибка записи в FTDI", "Ошибка чтения FTDI"};
const PhaseTexts kUooProgrammingPhaseTexts = {nullptr, nullptr, "Ошибка записи в FTDI",
                                              "Ошибка при чтении устройства FTDI"};

bool CableLink::OpenCable(const OpenFailureTexts& texts, std::string& failure) {
  Close();
  uint32_t count = 0;
  if (driver_.CreateDeviceInfoList(&count) != FT_OK) {
    failure = texts.CreateListFailed;
    return false;
  }
  if (count == 0) {
    failure = texts.NoCable;
    return false;
  }
  if (count > 1) {
    failure = texts.MoreThanOneCable;
    return false;
  }
  FT_DEVICE_LIST_INFO_NODE list[kDeviceListCapacity] = {};
  uint32_t listed = count;
  if (driver_.GetDeviceInfoList(list, &listed) != FT_OK) {
    failure = texts.GetListFailed;
    return false;
  }
  // the serial number is NUL-terminated within its field, whatever the driver wrote
  char serial[sizeof list[0].SerialNumber + 1] = {};
  std::memcpy(serial, list[0].SerialNumber, sizeof list[0].SerialNumber);
  FT_HANDLE handle = nullptr;
  if (driver_.OpenEx(serial, FT_OPEN_BY_SERIAL_NUMBER, &handle) != FT_OK) {
    failure = texts.OpenFailed;
    return false;
  }
  // all four are made, whatever the earlier ones returned
  FT_STATUS setup = driver_.SetBaudRate(handle, kBaudRate);
  setup |= driver_.SetDataCharacteristics(handle, FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE);
  setup |= driver_.SetFlowControl(handle, FT_FLOW_NONE, 0, 0);
  setup |= driver_.SetLatencyTimer(handle, kLatencyMs);
  if (setup != FT_OK) {
    driver_.Close(handle);
    failure = texts.SetupFailed;
    return false;
  }
  handle_ = handle;
  open_ = true;
  return true;
}

PollResult CableLink::PollRead(uint8_t (&buffer)[kPollBufferSize]) {
  std::memset(buffer, 0, sizeof buffer);
  uint32_t rx = 0, tx = 0, events = 0;
  FT_STATUS status = driver_.GetStatus(handle_, &rx, &tx, &events);
  if (status == FT_OK && rx > 0 && rx < kPollBufferSize) {
    uint32_t got = 0;
    status = driver_.Read(handle_, buffer, rx, &got);
    buffer[kPollBufferSize - 1] = 0;  // at most 99 bytes were asked for: the text always ends
  }
  return {status, rx};
}

bool CableLink::Write(const void* data, uint32_t count) {
  uint32_t written = 0;
  return driver_.Write(handle_, data, count, &written) == FT_OK && written == count;
}

FT_STATUS CableLink::WriteStatus(const void* data, uint32_t count) {
  uint32_t written = 0;
  return driver_.Write(handle_, data, count, &written);
}

void CableLink::Close() {
  if (!open_) return;
  driver_.Close(handle_);
  open_ = false;
  handle_ = nullptr;
}
