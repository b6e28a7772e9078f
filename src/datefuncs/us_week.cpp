// @usweek and its week arithmetic.
#include "datefuncs/us_week.h"

namespace kalendra {
namespace {

// The day of the year of the last day of a week on or before December 31.
int LastWeekEndOfYear(int year, int firstWeekday) {
  const int lastWeekday = (firstWeekday + kDaysPerWeek - 1) % kDaysPerWeek;
  const int december31 = WeekdayOf(ToDayNumber(year, 12, 31));
  return DaysBeforeMonth(13, IsLeapYear(year)) - (december31 - lastWeekday + kDaysPerWeek) % kDaysPerWeek;
}

}  // namespace

int UsWeekNumber(const CalendarDate& date, int firstWeekday, int flags) {
  const int yearDay = DayOfYear(date);
  if ((flags & kUsWeekKeepsLastDays) == 0 && yearDay > LastWeekEndOfYear(date.year, firstWeekday)) return 1;
  // Days of week 1 that lie before January 1.
  const int january1 = WeekdayOf(ToDayNumber(date.year, 1, 1));
  const int daysBefore = (january1 - firstWeekday + kDaysPerWeek) % kDaysPerWeek;
  return (yearDay + daysBefore + kDaysPerWeek - 1) / kDaysPerWeek;
}

}  // namespace kalendra
