// Easter of both churches and n-th weekday rules against oracles computed in
// other ways: Meeus/Jones/Butcher for the Western church, the Julian computus
// and a Julian day conversion for the Orthodox one, a day-by-day scan for
// n-th weekdays. Offsets and refusals are the functions' tables' business.
#include "support/kit.h"

#include <optional>

#include "holidays/date_rules.h"

namespace {

// Calendar computations written independently of the code under test:
// Easter by Meeus/Jones/Butcher and weekdays by Zeller's congruence.

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
    ASSERT_EQ(EasterDate(year, kWesternChurch, 0), MeeusWesternEaster(year)) << year;
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
        const std::vector<int> days = DaysOnWeekday(year, month, weekday);
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
