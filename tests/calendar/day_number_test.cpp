// Day numbers, weekdays and ISO weeks: fixed points from the calendar's
// rules, and whole-range walks against computations written differently.
#include "support/kit.h"

#include <climits>

namespace {

struct DayNumberRow { int year, month, day; DayNumber expected; };

constexpr DayNumberRow kDayNumberTable[] = {
    {1601, 1, 1, 1},        {9999, 12, 31, 3067671}, {1970, 1, 1, 134775},   {1980, 1, 1, 138427},
    {1600, 12, 31, -1},     {10000, 1, 1, -1},       {1900, 2, 29, -1},      {2100, 2, 29, -1},
    {2000, 2, 29, 145791},  {2015, 12, 25, 151569},  {2015, 2, 29, -1},      {2015, 4, 31, -1},
    {2015, 0, 1, -1},       {2015, 13, 1, -1},       {2015, 1, 0, -1},       {2015, 1, 32, -1},
    {-1, 1, 1, -1},         {INT_MAX, 1, 1, -1},     {2015, INT_MIN, 1, -1}, {2016, 2, 29, 151635},
};

TEST(DayNumber, FixedPointsAndInvalidTriples) {
  for (const DayNumberRow& row : kDayNumberTable) {
    EXPECT_EQ(ToDayNumber(row.year, row.month, row.day), row.expected)
        << row.year << "-" << row.month << "-" << row.day;
  }
}

TEST(DayNumber, LeapYearRule) {
  constexpr struct {
    int year, leap;
  } kLeapTable[] = {{1600, 1}, {1700, 0}, {1800, 0}, {1900, 0}, {2000, 1}, {2004, 1},
                    {2015, 0}, {2016, 1}, {2100, 0}, {2400, 1}, {9996, 1}, {9999, 0}};
  for (const auto& row : kLeapTable) EXPECT_EQ(IsLeapYear(row.year), row.leap) << row.year;
}

// The next calendar day, computed with the month table alone.
CalendarDate NextDay(CalendarDate date) {
  if (date.day < MonthLength(date.month, IsLeapYear(date.year))) return {date.year, date.month, date.day + 1};
  if (date.month < 12) return {date.year, date.month + 1, 1};
  return {date.year + 1, 1, 1};
}

TEST(DayNumber, EveryDayOfTheRangeRoundTripsAndAdvancesByOne) {
  CalendarDate expected{1601, 1, 1};
  int weekday = kMonday;
  for (DayNumber day = kFirstDay; day <= kLastDay; ++day) {
    const CalendarDate date = FromDayNumber(day);
    ASSERT_EQ(date, expected) << "day " << day;
    ASSERT_EQ(ToDayNumber(date), day) << "day " << day;
    ASSERT_EQ(WeekdayOf(day), weekday) << "day " << day;
    expected = NextDay(expected);
    weekday = (weekday + 1) % 7;
  }
  EXPECT_EQ(expected, (CalendarDate{10000, 1, 1}));
}

// The clocks' civil conversion, written differently (days from 1970 for
// any year, by 400-year eras from March), agrees with the calendar's on
// every day of the range.
TEST(CivilTime, AgreesWithDayNumbersOnEveryDay) {
  for (DayNumber day = kFirstDay; day <= kLastDay; ++day) {
    const CalendarDate date = FromDayNumber(day);
    const civil::CivilDate civilDate = civil::CivilFromDays(day - kDay19700101);
    ASSERT_EQ(civilDate, (civil::CivilDate{date.year, date.month, date.day})) << day;
    ASSERT_EQ(civil::DaysFromCivil(date.year, date.month, date.day), day - kDay19700101) << day;
  }
}

// Fields out of range carry over as timegm's do, and years before 1 and
// after 9999 count on (Julian day 0 is -4713-11-24 in the proleptic
// Gregorian calendar, 2440588 days before 1970).
TEST(CivilTime, CarriesFieldsAndCountsBeyondTheCalendar) {
  const struct { std::int64_t year, month, day, days; } kTable[] = {
      {2015, 2, 30, civil::DaysFromCivil(2015, 3, 2)}, {2015, 13, 1, civil::DaysFromCivil(2016, 1, 1)},
      {2015, 0, 1, civil::DaysFromCivil(2014, 12, 1)}, {2016, 3, 0, civil::DaysFromCivil(2016, 2, 29)},
      {1970, 1, 1, 0},                                  {-4713, 11, 24, -2440588},
      {1601, 1, 1, -civil::kDaysFrom1601To1970},        {10000, 1, 1, kLastDay - kDay19700101 + 1},
  };
  for (const auto& row : kTable) {
    EXPECT_EQ(civil::DaysFromCivil(row.year, row.month, row.day), row.days) << row.year << "-" << row.month;
  }
  EXPECT_EQ(civil::CivilFromDays(-2440588), (civil::CivilDate{-4713, 11, 24}));
  EXPECT_EQ(civil::SecondsFromCivil(1970, 1, 1, 0, 0, -1), -1);
  const civil::CivilSeconds lastSecond = civil::CivilFromSeconds(-1);
  EXPECT_EQ(lastSecond.date, (civil::CivilDate{1969, 12, 31}));
  EXPECT_EQ(lastSecond.hour * 3600 + lastSecond.minute * 60 + lastSecond.second, 86399);
}

TEST(DayNumber, OutsideTheRangeGivesNoDate) {
  for (const DayNumber day : {0, -1, kLastDay + 1, INT_MAX, INT_MIN}) {
    EXPECT_EQ(FromDayNumber(day), CalendarDate{}) << day;
  }
}

TEST(IsoWeek, WeekOneStart) {
  EXPECT_EQ(WeekOneStart(1601), 0);
  EXPECT_EQ(WeekOneStart(2015), -3);
  EXPECT_EQ(WeekOneStart(2016), 3);
  EXPECT_EQ(WeekOneStart(1600), -999);
  EXPECT_EQ(WeekOneStart(10000), -999);
}

// ISO week of a day by its week's Thursday: the Thursday's year is the
// week-year and its day of the year fixes the week.
IsoWeekDate IsoWeekByThursday(DayNumber day) {
  const int isoWeekday = (day % 7 + 6) % 7 + 1;
  const CalendarDate thursday = FromDayNumber(day - isoWeekday + 4);
  const int thursdayOrdinal = day - isoWeekday + 4 - ToDayNumber(thursday.year, 1, 1) + 1;
  return {thursday.year, (thursdayOrdinal - 1) / 7 + 1, isoWeekday};
}

TEST(IsoWeek, EveryDayAgreesWithTheThursdayRule) {
  // The first three days have their Thursday in the range; so has the last.
  for (DayNumber day = kFirstDay; day <= kLastDay; ++day) {
    const IsoWeekDate expected = IsoWeekByThursday(day);
    ASSERT_EQ(ToIsoWeekDate(FromDayNumber(day)), expected) << "day " << day;
  }
}

TEST(IsoWeek, WeeksInYearIsTheWeekOfDecember28) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    ASSERT_EQ(IsoWeeksInYear(year), ToIsoWeekDate({year, 12, 28}).week) << year;
  }
}

}  // namespace
