// Dates as stored in cards: OLE Automation dates (days since 30.12.1899, local time).
#pragma once

#include <string>

// A date below 0.001 (or one that is not a number) means "no date".
bool DateNone(double date);

// The current local date and time.
double NowOleDate();

struct DateParts {
  int Year = 1899, Month = 12, Day = 30;
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// False for values no real date has (not finite, before year 100, after 9999).
bool DecodeOleDate(double date, DateParts& out);

// Builds the stored value from local calendar parts.
double EncodeOleDate(const DateParts& parts);

// Short date "dd.MM.yyyy", long time "H:mm:ss": the date alone for a date with no time of day,
// the time alone below 1, both otherwise. Empty text for a value no real date has.
std::string DateText(double date);
