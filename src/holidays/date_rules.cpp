// Easter by the Gregorian and the Julian computus, and n-th weekday rules.
// All divisions are of non-negative numbers.
#include "holidays/date_rules.h"

namespace kalendra {
namespace {

bool IsSupportedYear(int year) { return year >= kFirstYear && year <= kLastYear; }

// The date offset days away, or nothing outside the supported range. A zero
// offset keeps the date itself.
std::optional<CalendarDate> Shifted(const CalendarDate& date, int offset) {
  if (offset == 0) return date;
  const DayNumber shifted = ToDayNumber(date) + offset;
  if (!IsValidDayNumber(shifted)) return std::nullopt;
  return FromDayNumber(shifted);
}

// Oudin's arithmetic form of the Gregorian computus.
CalendarDate WesternEaster(int year) {
  const int a = year % 19;
  const int c = year / 100;
  int h = (19 * a + c - c / 4 - (8 * c + 13) / 25 + 15) % 30;
  h -= (h / 28) * (1 - (29 / (h + 1)) * ((21 - a) / 11));
  const int j = (year + year / 4 + h + 2 - c + c / 4) % 7;
  const int l = h - j;
  const int month = 3 + (l + 40) / 44;
  return {year, month, l + 28 - 31 * (month / 4)};
}

// The Julian computus; its date is moved into the Gregorian calendar by the
// days the two calendars have drifted apart, carrying into later months.
CalendarDate OrthodoxEaster(int year) {
  const int a = year % 19;
  const int i = (19 * a + 15) % 30;
  const int j = (year + year / 4 + i) % 7;
  const int l = i - j;
  int month = 3 + (l + 40) / 44;
  const int drift = (year - 1600) / 100 - (year - 1600) / 400 + 10;
  int day = l + 28 - 31 * (month / 4) + drift;
  // March to July have the same lengths in every year.
  while (day > MonthLength(month, 0)) {
    day -= MonthLength(month, 0);
    ++month;
  }
  return {year, month, day};
}

}  // namespace

std::optional<CalendarDate> EasterDate(int year, int church, int offset) {
  if (!IsSupportedYear(year)) return std::nullopt;
  if (church == kWesternChurch) return Shifted(WesternEaster(year), offset);
  if (church == kOrthodoxChurch) return Shifted(OrthodoxEaster(year), offset);
  return std::nullopt;
}

std::optional<CalendarDate> NthWeekday(int n, int weekday, int month, int year, int offset) {
  if (n < 1 || n > kLastWeekdayIndex || weekday < 0 || weekday > 7 || month < 1 || month > 12 ||
      !IsSupportedYear(year)) {
    return std::nullopt;
  }
  const int firstWeekday = WeekdayOf(ToDayNumber(year, month, 1));
  int day = (weekday % 7 - firstWeekday + 7) % 7 + 1 + 7 * (n - 1);
  // A fifth weekday the month lacks becomes its fourth: the last.
  if (day > MonthLength(month, IsLeapYear(year))) day -= 7;
  return Shifted({year, month, day}, offset);
}

}  // namespace kalendra
