// Day numbers and the proleptic Gregorian calendar: the conversion between
// CalendarDate and DayNumber, weekdays and ISO 8601 weeks. Pure arithmetic,
// no state; today lives in today.h.
#pragma once

#include <cstdint>

#include "platform/civil_time.h"

namespace kalendra {

using civil::DaysBeforeMonth;
using civil::IsLeapYear;
using civil::MonthLength;

// Days counted from 1601-01-01 = 1; -1 marks an invalid date.
using DayNumber = std::int32_t;
static_assert(sizeof(DayNumber) == 4, "DayNumber is a signed 32-bit count");

inline constexpr DayNumber kInvalidDay = -1;
inline constexpr DayNumber kFirstDay = 1;        // 1601-01-01
inline constexpr DayNumber kLastDay = 3067671;   // 9999-12-31
inline constexpr DayNumber kDay19700101 = kFirstDay + civil::kDaysFrom1601To1970;
inline constexpr DayNumber kDay19800101 = 138427;
inline constexpr int kFirstYear = 1601;
inline constexpr int kLastYear = 9999;

struct CalendarDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  friend constexpr bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

inline constexpr int kDaysPerWeek = 7;

// Weekdays as the name tables and day masks number them.
enum Weekday : int { kSunday = 0, kMonday, kTuesday, kWednesday, kThursday, kFriday, kSaturday };

constexpr bool IsValidDayNumber(DayNumber day) { return day >= kFirstDay && day <= kLastDay; }

// The day number of a date, or kInvalidDay when the year lies outside
// 1601..9999, the month outside 1..12 or the day outside the month.
constexpr DayNumber ToDayNumber(int year, int month, int day) {
  if (year < kFirstYear || year > kLastYear || month < 1 || month > 12) return kInvalidDay;
  const int leap = IsLeapYear(year);
  if (day < 1 || day > MonthLength(month, leap)) return kInvalidDay;
  const auto n = static_cast<unsigned>(year - kFirstYear);  // [0, 8398]: unsigned divisions need no sign fix
  return static_cast<DayNumber>(n * 365 + n / 4 - n / 100 + n / 400) + DaysBeforeMonth(month, leap) + day;
}

constexpr DayNumber ToDayNumber(const CalendarDate& date) { return ToDayNumber(date.year, date.month, date.day); }

// The date of a day number 1..3067671; {0, 0, 0} for any other value.
constexpr CalendarDate FromDayNumber(DayNumber day) {
  if (!IsValidDayNumber(day)) return {};
  // Counted in years that begin on March 1, the leap day ends the year.
  // Every division is by a constant, or a multiplication and a shift that
  // gives the same quotient over the whole range: 400-year cycles, then the
  // year of the cycle and its day, then the month and the day of the month.
  constexpr std::uint32_t kDaysBeforeDay1 = 584693;  // 0000-03-01 .. 1601-01-01
  const std::uint32_t n1 = 4 * (static_cast<std::uint32_t>(day) + kDaysBeforeDay1) + 3;
  const std::uint32_t century = n1 / 146097;
  const std::uint32_t n2 = (n1 % 146097) | 3;  // 4 * (day of the century) + 3
  const std::uint64_t p2 = std::uint64_t{2939745} * n2;
  const auto yearOfCentury = static_cast<std::uint32_t>(p2 >> 32);
  const std::uint32_t dayOfYear = static_cast<std::uint32_t>(p2) / 2939745 / 4;  // from March 1
  const std::uint32_t n3 = 2141 * dayOfYear + 197913;
  const std::uint32_t monthFromMarch = n3 >> 16;  // 3 .. 14
  const bool januaryOrFebruary = dayOfYear >= 306;
  const int year = static_cast<int>(100 * century + yearOfCentury) + (januaryOrFebruary ? 1 : 0);
  const int month = static_cast<int>(januaryOrFebruary ? monthFromMarch - 12 : monthFromMarch);
  const int monthDay = static_cast<int>((n3 & 0xFFFF) / 2141) + 1;
  return {year, month, monthDay};
}

// 0 = Sunday ... 6 = Saturday; day 1 was a Monday.
constexpr int WeekdayOf(DayNumber day) { return day % 7; }

// 1 = Monday ... 7 = Sunday.
constexpr int IsoWeekdayOf(DayNumber day) { return WeekdayOf(day) == 0 ? 7 : WeekdayOf(day); }

// The 1-based day of the year of a valid date.
constexpr int DayOfYear(const CalendarDate& date) {
  return DaysBeforeMonth(date.month, IsLeapYear(date.year)) + date.day;
}

// The zero-based day of the year on which ISO week 1 begins (-3..3): week 1
// holds January 4. -999 for a year outside 1601..9999.
constexpr int WeekOneStart(int year) {
  const DayNumber january4 = ToDayNumber(year, 1, 4);
  if (january4 < 0) return -999;
  return 4 - IsoWeekdayOf(january4);
}

// 53 when January 1 is a Thursday, or a Wednesday in a leap year; else 52.
constexpr int IsoWeeksInYear(int year) {
  const int j = WeekdayOf(ToDayNumber(year, 1, 1));
  return (j == kThursday || (j == kWednesday && IsLeapYear(year))) ? 53 : 52;
}

struct IsoWeekDate {
  int year = 0;     // the ISO week-numbering year
  int week = 0;     // 1..53
  int weekday = 0;  // 1 = Monday ... 7 = Sunday
  friend constexpr bool operator==(const IsoWeekDate&, const IsoWeekDate&) = default;
};

// The ISO week date of a valid date. Near the turn of the year the week-year
// may be the next or the previous calendar year.
constexpr IsoWeekDate ToIsoWeekDate(const CalendarDate& date) {
  const int o = DayOfYear(date) - 1;  // [0, 365]
  const int s = WeekOneStart(date.year);  // [-3, 3]
  const int k = o - s;                    // [-3, 368]
  IsoWeekDate result{date.year, k / 7 + 1, (k + 7) % 7 + 1};
  if (result.week > IsoWeeksInYear(date.year)) {
    result.year = date.year + 1;
    result.week = 1;
  } else if (o < s) {
    result.year = date.year - 1;
    result.week = IsoWeeksInYear(date.year - 1);
  }
  return result;
}

}  // namespace kalendra
