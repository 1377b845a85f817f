#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>

#include "store/ole_date.h"

namespace {

double At(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0) {
  DateParts p;
  p.Year = y, p.Month = mo, p.Day = d, p.Hour = h, p.Minute = mi, p.Second = s,
  p.Millisecond = ms;
  return EncodeOleDate(p);
}

TEST(OleDate, KnownDaysOfTheCalendar) {
  EXPECT_EQ(At(1899, 12, 30), 0.0);
  EXPECT_EQ(At(1900, 1, 1), 2.0);
  EXPECT_EQ(At(2023, 3, 15), 45000.0);
  EXPECT_EQ(At(2000, 2, 29), 36585.0);
}

struct TextCase {
  double value;
  const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.value << " -> " << c.text; }

class DateTextCase : public testing::TestWithParam<TextCase> {};

TEST_P(DateTextCase, FixedRussianFormats) {
  EXPECT_EQ(DateText(GetParam().value), GetParam().text) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DateTextCase,
    testing::Values(TextCase{45000.0, "15.03.2023"},
                    TextCase{45000.0 + (14 * 3600 + 7 * 60 + 9) / 86400.0, "15.03.2023 14:07:09"},
                    TextCase{45000.0 + (9 * 3600 + 5 * 60 + 7) / 86400.0, "15.03.2023 9:05:07"},
                    // rounded to the millisecond first, then the seconds are taken
                    TextCase{45000.0 + (14 * 3600 + 7 * 60 + 8.9996) / 86400.0,
                             "15.03.2023 14:07:09"},
                    TextCase{45000.0 + (14 * 3600 + 7 * 60 + 8.9994) / 86400.0,
                             "15.03.2023 14:07:08"},
                    // 23:59:59.9999 rounds into the next day, which has no time
                    TextCase{45000.0 + 86399.9999 / 86400.0, "16.03.2023"},
                    TextCase{0.5, "12:00:00"}, TextCase{0.0, "0:00:00"},
                    TextCase{1.0, "31.12.1899"}, TextCase{-1.25, "6:00:00"},
                    TextCase{2958465.0, "31.12.9999"}, TextCase{2958466.0, ""},
                    TextCase{-700000.0, ""}, TextCase{1e300, ""},
                    TextCase{std::numeric_limits<double>::infinity(), ""},
                    TextCase{-std::numeric_limits<double>::infinity(), ""},
                    TextCase{std::numeric_limits<double>::quiet_NaN(), ""}));

TEST(OleDate, DecodeGivesPartsAfterMillisecondRounding) {
  DateParts p;
  ASSERT_TRUE(DecodeOleDate(At(2024, 3, 5, 14, 7, 9, 250), p));
  EXPECT_EQ(p.Year, 2024);
  EXPECT_EQ(p.Month, 3);
  EXPECT_EQ(p.Day, 5);
  EXPECT_EQ(p.Hour, 14);
  EXPECT_EQ(p.Minute, 7);
  EXPECT_EQ(p.Second, 9);
  EXPECT_EQ(p.Millisecond, 250);
  EXPECT_FALSE(DecodeOleDate(std::nan(""), p));
}

TEST(OleDate, DateNoneBelowOneThousandthAndForNotANumber) {
  EXPECT_TRUE(DateNone(0.0));
  EXPECT_TRUE(DateNone(0.0005));
  EXPECT_FALSE(DateNone(0.001));
  EXPECT_TRUE(DateNone(-5.0));
  EXPECT_TRUE(DateNone(std::nan("")));
  EXPECT_FALSE(DateNone(std::numeric_limits<double>::infinity()));
}

TEST(OleDate, NowIsTheLocalCalendarTime) {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  DateParts p;
  ASSERT_TRUE(DecodeOleDate(NowOleDate(), p));
  const double expected = At(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                             local.tm_min, local.tm_sec);
  EXPECT_NEAR(NowOleDate(), expected, 5.0 / 86400.0);
}

}  // namespace
