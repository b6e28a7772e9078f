// Civil-date arithmetic with no dependencies, for the clock back-ends, the
// fake and the calendar core alike: the Gregorian leap and month rules, days
// counted from 1970-01-01 for any year, and the origins of the two clocks
// that the system knows (Windows file times from 1601, POSIX seconds from
// 1970).
#pragma once

#include <cstdint>

namespace kalendra::civil {

inline constexpr std::int64_t kSecondsPerMinute = 60;
inline constexpr std::int64_t kSecondsPerHour = 3600;
inline constexpr std::int64_t kSecondsPerDay = 86400;
// A file time counts 100-nanosecond ticks.
inline constexpr std::int64_t kTicksPerSecond = 10'000'000;
// 1601-01-01 to 1970-01-01: the origins of file times and of POSIX seconds.
inline constexpr std::int64_t kDaysFrom1601To1970 = 134774;
inline constexpr std::int64_t kSecondsFrom1601To1970 = kDaysFrom1601To1970 * kSecondsPerDay;
static_assert(kSecondsFrom1601To1970 == 11'644'473'600);

// 1 for a leap year of the Gregorian rule, else 0.
constexpr int IsLeapYear(int year) {
  // Of the years divisible by 100, those divisible by 400 are those
  // divisible by 16 (400 = 16 * 25): one division instead of two.
  return (year % 100 == 0 ? year % 16 == 0 : year % 4 == 0) ? 1 : 0;
}

// Days in the month (1..12) for a common (leap 0) or leap (leap 1) year.
constexpr int MonthLength(int month, int leap) {
  constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return kLengths[month - 1] + (month == 2 ? leap : 0);
}

// Days of the year before the first of the month; month 13 gives the year's
// length, which bounds December in month searches.
constexpr int DaysBeforeMonth(int month, int leap) {
  constexpr int kBefore[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
  return kBefore[month - 1] + (month > 2 ? leap : 0);
}

// Floor division, for counts that may lie before their origin.
constexpr std::int64_t FloorDivide(std::int64_t a, std::int64_t b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

// Days from 1970-01-01 to a proleptic Gregorian date of any year. The month
// may lie outside 1..12 and the day outside the month: both carry over, as
// the C library's timegm carries them.
constexpr std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
  year += FloorDivide(month - 1, 12);
  month -= 12 * FloorDivide(month - 1, 12);                     // [1, 12]
  const std::int64_t y = year - (month <= 2 ? 1 : 0);          // years begin on March 1
  const std::int64_t era = FloorDivide(y, 400);
  const std::int64_t yearOfEra = y - era * 400;                // [0, 399]
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;  // 719468: 0000-03-01 to 1970-01-01
}

struct CivilDate {
  std::int64_t year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  friend constexpr bool operator==(const CivilDate&, const CivilDate&) = default;
};

// The date of a count of days from 1970-01-01, for any count.
constexpr CivilDate CivilFromDays(std::int64_t days) {
  const std::int64_t z = days + 719468;
  const std::int64_t era = FloorDivide(z, 146097);
  const std::int64_t dayOfEra = z - era * 146097;  // [0, 146096]
  const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;  // [0, 399]
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);  // [0, 365]
  const std::int64_t mp = (5 * dayOfYear + 2) / 153;  // [0, 11], from March
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1)};
}

// A date and time of day with seconds, as the clocks give it.
struct CivilSeconds {
  CivilDate date;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// Seconds from 1970-01-01 00:00 to a date and time; every field carries
// over as in DaysFromCivil.
constexpr std::int64_t SecondsFromCivil(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t hour,
                                        std::int64_t minute, std::int64_t second) {
  return DaysFromCivil(year, month, day) * kSecondsPerDay + hour * kSecondsPerHour + minute * kSecondsPerMinute +
         second;
}

// The date and time of a count of seconds from 1970-01-01 00:00.
constexpr CivilSeconds CivilFromSeconds(std::int64_t seconds) {
  const std::int64_t days = FloorDivide(seconds, kSecondsPerDay);
  const auto second = static_cast<int>(seconds - days * kSecondsPerDay);  // [0, 86399]
  return {CivilFromDays(days), second / 3600, second % 3600 / 60, second % 60};
}

}  // namespace kalendra::civil
