#include "store/ole_date.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

constexpr long long kMsPerDay = 86'400'000;
constexpr long long kOleEpochInUnixDays = -25569;  // 30.12.1899
constexpr double kMinOleDate = -657434.0;          // 01.01.0100
constexpr double kMaxOleDateExclusive = 2958466.0;  // 01.01.10000

// Proleptic Gregorian calendar conversions (days relative to 01.01.1970).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

// Whole day and milliseconds of the day, rounded to the millisecond. Before 30.12.1899 the
// integer part counts days back and the fraction is still the time of that day.
void SplitOleDate(double date, long long& day, long long& msOfDay) {
  const double whole = std::trunc(date);
  day = static_cast<long long>(whole);
  msOfDay = std::llround(std::fabs(date - whole) * kMsPerDay);
  if (msOfDay >= kMsPerDay) {
    msOfDay -= kMsPerDay;
    day += date < 0 ? -1 : 1;
  }
}

}  // namespace

bool DateNone(double date) { return !(date >= 0.001); }

bool DecodeOleDate(double date, DateParts& out) {
  if (!std::isfinite(date) || date < kMinOleDate || date >= kMaxOleDateExclusive) return false;
  long long day = 0, ms = 0;
  SplitOleDate(date, day, ms);
  CivilFromDays(day + kOleEpochInUnixDays, out.Year, out.Month, out.Day);
  out.Hour = static_cast<int>(ms / 3'600'000);
  out.Minute = static_cast<int>(ms / 60'000 % 60);
  out.Second = static_cast<int>(ms / 1000 % 60);
  out.Millisecond = static_cast<int>(ms % 1000);
  return true;
}

double EncodeOleDate(const DateParts& p) {
  const long long day = DaysFromCivil(p.Year, static_cast<unsigned>(p.Month),
                                      static_cast<unsigned>(p.Day)) -
                        kOleEpochInUnixDays;
  const double frac =
      ((p.Hour * 60.0 + p.Minute) * 60.0 + p.Second + p.Millisecond / 1000.0) / 86400.0;
  return day >= 0 ? day + frac : day - frac;
}

double NowOleDate() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &t);
#else
  localtime_r(&t, &local);
#endif
  DateParts p;
  p.Year = local.tm_year + 1900;
  p.Month = local.tm_mon + 1;
  p.Day = local.tm_mday;
  p.Hour = local.tm_hour;
  p.Minute = local.tm_min;
  p.Second = local.tm_sec;
  p.Millisecond = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  return EncodeOleDate(p);
}

std::string DateText(double date) {
  DateParts p;
  if (!DecodeOleDate(date, p)) return {};
  char buf[40];
  // Milliseconds alone do not make a time of day worth showing.
  const bool hasTime = p.Hour != 0 || p.Minute != 0 || p.Second != 0;
  if (date < 1) {
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d", p.Hour, p.Minute, p.Second);
  } else if (!hasTime) {
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d", p.Day, p.Month, p.Year);
  } else {
    std::snprintf(buf, sizeof buf, "%02d.%02d.%04d %d:%02d:%02d", p.Day, p.Month, p.Year, p.Hour,
                  p.Minute, p.Second);
  }
  return buf;
}
