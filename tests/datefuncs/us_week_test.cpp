// US week numbers for every day of four centuries, all seven first days and
// both flag settings, against a count kept while walking the days.
#include "datefuncs/us_week.h"

#include <gtest/gtest.h>

namespace kalendra {
namespace {

// Walks a year day by day: week 1 starts on January 1 and every first
// weekday after it starts the next week. Without the flag, a day whose week
// reaches into the next year is week 1.
void ExpectYearMatchesWalk(int year, int firstWeekday) {
  const DayNumber january1 = ToDayNumber(year, 1, 1);
  const DayNumber nextJanuary1 = ToDayNumber(year, 12, 31) + 1;
  int week = 1;
  for (DayNumber day = january1; day < nextJanuary1; ++day) {
    const int weekday = WeekdayOf(day);
    if (weekday == firstWeekday && day != january1) ++week;
    const DayNumber weekEnd = day + (firstWeekday + 6 - weekday) % 7;
    const CalendarDate date = FromDayNumber(day);
    ASSERT_EQ(UsWeekNumber(date, firstWeekday, 1), week)
        << year << "-" << date.month << "-" << date.day << " first " << firstWeekday << " flags 1";
    ASSERT_EQ(UsWeekNumber(date, firstWeekday, 0), weekEnd >= nextJanuary1 ? 1 : week)
        << year << "-" << date.month << "-" << date.day << " first " << firstWeekday << " flags 0";
  }
}

TEST(UsWeekNumber, EveryDayFrom1601To2400AgreesWithAWalk) {
  for (int year = 1601; year <= 2400; ++year) {
    for (int firstWeekday = kSunday; firstWeekday <= kSaturday; ++firstWeekday) {
      ExpectYearMatchesWalk(year, firstWeekday);
      if (HasFatalFailure()) return;
    }
  }
}

TEST(UsWeekNumber, WorkedExamples) {
  const struct {
    CalendarDate date;
    int firstWeekday, flags, expected;
  } kTable[] = {
      {{2015, 1, 1}, kSunday, 0, 1},      {{2015, 12, 31}, kSunday, 0, 1},  {{2015, 12, 31}, kSunday, 1, 53},
      {{2012, 12, 31}, kMonday, 0, 1},    {{2012, 12, 31}, kMonday, 1, 54}, {{2015, 12, 26}, kSunday, 0, 52},
      {{9999, 12, 31}, kSunday, 0, 1},    {{9999, 12, 31}, kSaturday, 0, 53}, {{1601, 1, 1}, kTuesday, 0, 1},
      {{2015, 12, 31}, kSunday, 2, 1},    {{2015, 12, 31}, kSunday, 3, 53},
  };
  for (const auto& row : kTable) {
    EXPECT_EQ(UsWeekNumber(row.date, row.firstWeekday, row.flags), row.expected)
        << row.date.year << "-" << row.date.month << "-" << row.date.day << " first " << row.firstWeekday
        << " flags " << row.flags;
  }
}

}  // namespace
}  // namespace kalendra
