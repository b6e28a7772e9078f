// Easter of both churches and n-th weekday rules, against the fixed dates of
// the holiday tables and against oracles computed in other ways: Meeus/Jones/
// Butcher for the Western church, the Julian computus and a Julian day
// conversion for the Orthodox one, a day-by-day scan for n-th weekdays.
#include "holidays/date_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

#include "holidays/calendar_oracles.h"

namespace kalendra {
namespace {

// Julian day number of a date of the Julian calendar.
long JulianCalendarToJdn(int year, int month, int day) {
  const int a = (14 - month) / 12;
  const long y = year + 4800 - a;
  const int m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - 32083;
}

// Gregorian date of a Julian day number (Fliegel and Van Flandern).
CalendarDate JdnToGregorian(long jdn) {
  const long a = jdn + 32044;
  const long b = (4 * a + 3) / 146097;
  const long c = a - 146097 * b / 4;
  const long d = (4 * c + 3) / 1461;
  const long e = c - 1461 * d / 4;
  const long m = (5 * e + 2) / 153;
  return {static_cast<int>(100 * b + d - 4800 + m / 10), static_cast<int>(m + 3 - 12 * (m / 10)),
          static_cast<int>(e - (153 * m + 2) / 5 + 1)};
}

// Meeus's Julian computus, its Julian date carried over through the day count.
CalendarDate JulianComputusEaster(int year) {
  const int a = year % 4, b = year % 7, c = year % 19;
  const int d = (19 * c + 15) % 30;
  const int e = (2 * a + 4 * b - d + 34) % 7;
  const int monthAndDay = d + e + 114;
  return JdnToGregorian(JulianCalendarToJdn(year, monthAndDay / 31, monthAndDay % 31 + 1));
}

TEST(EasterDate, WesternAgreesWithMeeusEveryYear) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    ASSERT_EQ(EasterDate(year, kWesternChurch, 0), test::MeeusWesternEaster(year)) << year;
  }
}

TEST(EasterDate, OrthodoxAgreesWithTheJulianComputusEveryYear) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    ASSERT_EQ(EasterDate(year, kOrthodoxChurch, 0), JulianComputusEaster(year)) << year;
  }
}

TEST(EasterDate, WesternStaysWithinMarch22AndApril25) {
  const int earliest = DayOfYear({2015, 3, 22});
  const int latest = DayOfYear({2015, 4, 25});
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    const CalendarDate easter = *EasterDate(year, kWesternChurch, 0);
    const int ordinal = DayOfYear({2015, easter.month, easter.day});  // a common year: same ordinals
    ASSERT_TRUE(ordinal >= earliest && ordinal <= latest) << easter;
    ASSERT_EQ(WeekdayOf(ToDayNumber(easter)), kSunday) << easter;
  }
}

struct EasterRow {
  int year, church, offset;
  std::optional<CalendarDate> expected;
};

TEST(EasterDate, KnownDatesOffsetsAndFailures) {
  const EasterRow kTable[] = {
      {2015, kWesternChurch, 0, CalendarDate{2015, 4, 5}},
      {2016, kWesternChurch, 0, CalendarDate{2016, 3, 27}},
      {1818, kWesternChurch, 0, CalendarDate{1818, 3, 22}},
      {2285, kWesternChurch, 0, CalendarDate{2285, 3, 22}},
      {2038, kWesternChurch, 0, CalendarDate{2038, 4, 25}},
      {1700, kWesternChurch, 0, CalendarDate{1700, 4, 11}},
      {2015, kOrthodoxChurch, 0, CalendarDate{2015, 4, 12}},
      {2016, kOrthodoxChurch, 0, CalendarDate{2016, 5, 1}},
      {1601, kOrthodoxChurch, 0, CalendarDate{1601, 4, 22}},
      {4338, kOrthodoxChurch, 0, CalendarDate{4338, 5, 1}},
      {9999, kOrthodoxChurch, 0, CalendarDate{9999, 6, 27}},
      {2015, kWesternChurch, -2, CalendarDate{2015, 4, 3}},     // Good Friday
      {2015, kWesternChurch, 39, CalendarDate{2015, 5, 14}},    // Ascension
      {2016, kWesternChurch, -366, CalendarDate{2015, 3, 27}},  // across a leap day
      {9999, kWesternChurch, 366, std::nullopt},
      {1601, kWesternChurch, -366, std::nullopt},
      {1600, kWesternChurch, 0, std::nullopt},
      {10000, kWesternChurch, 0, std::nullopt},
      {2015, 2, 0, std::nullopt},
      {2015, -1, 0, std::nullopt},
  };
  for (const EasterRow& row : kTable) {
    EXPECT_EQ(EasterDate(row.year, row.church, row.offset), row.expected)
        << row.year << " church " << row.church << " offset " << row.offset;
  }
}

TEST(NthWeekday, AgreesWithAScanOfEveryMonth) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int weekday = 0; weekday <= 7; ++weekday) {
        const std::vector<int> days = test::DaysOnWeekday(year, month, weekday);
        for (int n = 1; n <= kLastWeekdayIndex; ++n) {
          const int expected = n < kLastWeekdayIndex ? days[static_cast<std::size_t>(n - 1)] : days.back();
          ASSERT_EQ(NthWeekday(n, weekday, month, year, 0), (CalendarDate{year, month, expected}))
              << "n " << n << " weekday " << weekday << " " << year << "-" << month;
        }
      }
    }
  }
}

struct NthRow {
  int n, weekday, month, year, offset;
  std::optional<CalendarDate> expected;
};

TEST(NthWeekday, KnownDatesOffsetsAndFailures) {
  const NthRow kTable[] = {
      {3, 1, 1, 2016, 0, CalendarDate{2016, 1, 18}},
      {5, 1, 5, 2016, 0, CalendarDate{2016, 5, 30}},
      {5, 4, 11, 2015, 0, CalendarDate{2015, 11, 26}},  // only four Thursdays
      {1, 1, 11, 2016, 1, CalendarDate{2016, 11, 8}},
      {5, 4, 11, 1939, -7, CalendarDate{1939, 11, 23}},
      {2, 7, 5, 2016, 0, CalendarDate{2016, 5, 8}},     // 7 is Sunday
      {5, 1, 2, 2016, 0, CalendarDate{2016, 2, 29}},    // a leap day that is a Monday
      {1, 1, 1, 1601, 0, CalendarDate{1601, 1, 1}},
      {1, 1, 1, 1601, -1, std::nullopt},
      {5, 4, 12, 9999, 1, CalendarDate{9999, 12, 31}},
      {5, 5, 12, 9999, 1, std::nullopt},  // 9999-12-31 is the last Friday
      {0, 1, 1, 2016, 0, std::nullopt},
      {6, 1, 1, 2016, 0, std::nullopt},
      {1, 8, 1, 2016, 0, std::nullopt},
      {1, -1, 1, 2016, 0, std::nullopt},
      {1, 1, 0, 2016, 0, std::nullopt},
      {1, 1, 13, 2016, 0, std::nullopt},
      {1, 1, 1, 1600, 0, std::nullopt},
      {1, 1, 1, 10000, 0, std::nullopt},
  };
  for (const NthRow& row : kTable) {
    EXPECT_EQ(NthWeekday(row.n, row.weekday, row.month, row.year, row.offset), row.expected)
        << "n " << row.n << " weekday " << row.weekday << " " << row.year << "-" << row.month << " offset "
        << row.offset;
  }
}

}  // namespace
}  // namespace kalendra
