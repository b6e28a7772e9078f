// Easter of both churches and n-th weekday rules against oracles computed in
// other ways: Meeus/Jones/Butcher for the Western church, the Julian computus
// and a Julian day conversion for the Orthodox one, a day-by-day scan for
// n-th weekdays. Offsets and refusals are the functions' tables' business.
#include "holidays/date_rules.h"

#include <gtest/gtest.h>

#include <array>
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

// What the functions' own checks keep from the rules, refused by the rules
// themselves: an unknown church, an index, weekday or month out of range,
// years outside 1601..9999.
TEST(DateRules, RefuseWhatTheyCannotCompute) {
  EXPECT_EQ(EasterDate(2015, 2, 0), std::nullopt);
  EXPECT_EQ(EasterDate(1600, kWesternChurch, 0), std::nullopt);
  for (const auto& [n, weekday, month, year] : {std::array{0, 1, 1, 2015}, std::array{kLastWeekdayIndex + 1, 1, 1, 2015},
                                                std::array{1, -1, 1, 2015}, std::array{1, 8, 1, 2015},
                                                std::array{1, 1, 0, 2015}, std::array{1, 1, 13, 2015},
                                                std::array{1, 1, 1, 10000}}) {
    EXPECT_EQ(NthWeekday(n, weekday, month, year, 0), std::nullopt) << n << " " << weekday << " " << month << " " << year;
  }
}

}  // namespace
}  // namespace kalendra
