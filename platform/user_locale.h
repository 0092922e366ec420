// What the user's locale says about writing numbers and dates, and today's date on the
// user's clock. The program's own locale stays "C": these are read beside it.
#pragma once
#include <string>

namespace platform {

// The user's decimal and thousands separators (LC_NUMERIC, from the environment).
// Each is "" when the locale has none or cannot be read.
struct NumericSeparators {
  std::string decimal;
  std::string thousands;
};
NumericSeparators UserNumericSeparators();

// The user's date format in strftime's words (LC_TIME's D_FMT, "%m/%d/%y" say), or ""
// when the locale cannot be read.
std::string UserDateFormat();

struct CalendarDate {
  int year = 0;   // 1996, not 96
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
};
// Today in the user's time zone.
CalendarDate LocalToday();
// The local date and time now, as "2026-12-08 13:45:02": the same in every locale.
std::string LocalTimeStamp();

}  // namespace platform
