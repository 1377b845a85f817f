// The two KO exchanges, run on a job thread over an open cable.
#pragma once

#include "link/cable_link.h"
#include "link/clock.h"
#include "link/job_state.h"
#include "store/card_record.h"

inline constexpr int kProgrammingPassMs = 10;
inline constexpr int kWriteRepeatPasses = 51;  // "WRITE" goes out once every 51 passes
inline constexpr int kProgrammingQuietLimit = 400;
inline constexpr int kReadHandshakePassMs = 500;
inline constexpr int kReadTransferPassMs = 10;
inline constexpr int kReadingQuietLimit = 200;

inline constexpr const char* kKoReportedError = "УОО сообщил об ошибке";
inline constexpr const char* kTimeoutText = "Превышение времени ожидания";
inline constexpr const char* kChecksumMismatchText = "Несоответствие контрольной суммы";
inline constexpr const char* kImageTooLargeText = "Превышен размер пакета программирования";

struct ExchangeContext {
  CableLink& Link;
  Clock& Time;
  JobState& Job;
  const PhaseTexts& Texts;
};

// Sends the prepared image: "WRITE" until "READY"/"READYNEXT", then a frame per "NEXT",
// then end frames until "OK".
void ProgrammingExchange(ExchangeContext& ctx, const KoConfigImage& image);

// Fetches the KO's image into readImage (zeroed by the caller) and checks its CRC; answers
// "OK" or "ERROR" at the end.
void ReadingExchange(ExchangeContext& ctx, KoConfigImage& readImage);
