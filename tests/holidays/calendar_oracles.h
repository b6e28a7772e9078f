// Calendar computations for the holiday tests, written independently of the
// code under test: Easter by Meeus/Jones/Butcher and weekdays by Zeller's
// congruence.
#pragma once

#include <ostream>
#include <vector>

#include "calendar/day_number.h"

namespace kalendra {

inline std::ostream& operator<<(std::ostream& os, const CalendarDate& date) {
  return os << date.year << "-" << date.month << "-" << date.day;
}

namespace test {

// Meeus/Jones/Butcher: the Gregorian Easter without Oudin's correction term.
inline CalendarDate MeeusWesternEaster(int year) {
  const int a = year % 19, b = year / 100, c = year % 100;
  const int d = b / 4, e = b % 4;
  const int f = (b + 8) / 25, g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int monthAndDay = h + l - 7 * m + 114;
  return {year, monthAndDay / 31, monthAndDay % 31 + 1};
}

// 0 = Sunday ... 6 = Saturday, by Zeller's congruence.
inline int ZellerWeekday(int year, int month, int day) {
  const int y = month < 3 ? year - 1 : year;
  const int m = month < 3 ? month + 12 : month;
  const int k = y % 100, j = y / 100;
  const int saturdayFirst = (day + 13 * (m + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;
  return (saturdayFirst + 6) % 7;
}

// The days of the month that fall on weekday w (7 is Sunday too).
inline std::vector<int> DaysOnWeekday(int year, int month, int weekday) {
  std::vector<int> days;
  for (int day = 1; day <= MonthLength(month, IsLeapYear(year)); ++day) {
    if (ZellerWeekday(year, month, day) == weekday % 7) days.push_back(day);
  }
  return days;
}

}  // namespace test
}  // namespace kalendra
