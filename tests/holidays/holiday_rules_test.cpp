// Holiday rules: Easter and n-th weekday rules against oracles computed in
// other ways, year prefixes, the rule list, and the marks of a year.
#include "support/kit.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "holidays/date_rules.h"
#include "holidays/year_prefix.h"

namespace {

// ---- Easter of both churches and n-th weekday rules against oracles computed in
// other ways: Meeus/Jones/Butcher for the Western church, the Julian computus
// and a Julian day conversion for the Orthodox one, a day-by-day scan for
// n-th weekdays. Offsets and refusals are the functions' tables' business.
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

// ---- Year prefixes: every form, the years each one admits, and the malformed
// ones, which are left in the text.
struct PrefixRow {
  std::u16string text;
  int year;
  int expected;
  std::u16string rest;  // the text afterwards
};

TEST(ApplyYearPrefix, FormsResultsAndRemainingText) {
  const PrefixRow kTable[] = {
      {u"*-01-01", 2016, kRuleHoldsThisYear, u"*-01-01"}, {u"(1971)x", 1971, kRuleHoldsThisYear, u"x"},
      {u"(1971)x", 1970, kRuleNotThisYear, u"x"}, {u"(-1970)x", 1970, kRuleHoldsThisYear, u"x"},
      {u"(1880-1970)x", 1880, kRuleHoldsThisYear, u"x"}, {u"(1880-1970)x", 1971, kRuleNotThisYear, u"x"},
      {u"(2000-)x", 9999, kRuleHoldsThisYear, u"x"}, {u"(1848?2)x", 2016, kRuleHoldsThisYear, u"x"},
      {u"(1848?2)x", 1846, kRuleNotThisYear, u"x"}, {u"(?4=1)x", 2017, kRuleHoldsThisYear, u"x"},
      {u"(1999?4=3)x", 2003, kRuleHoldsThisYear, u"x"}, {u"(2000-?2)x", 2002, kRuleHoldsThisYear, u"x"},
      {u"(?1)x", 2015, kRuleHoldsThisYear, u"x"}, {u"(?100=99)x", 2099, kRuleHoldsThisYear, u"x"},
      {u"()x", 1601, kRuleHoldsThisYear, u"x"}, {u"(1601-9999)x", 9999, kRuleHoldsThisYear, u"x"},
      {u"(1900)  \t x y", 1900, kRuleHoldsThisYear, u"x y"}, {u"(1900)(-1950)(?2)x", 1920, kRuleHoldsThisYear, u"x"},
      {u"(1900)(-1950)(?2)x", 1960, kRuleNotThisYear, u"(?2)x"},  // stops at the prefix that fails
      {u"(1900)(-1950)x", 1960, kRuleNotThisYear, u"x"}, {u"(1950-1960)(2000)x", 2001, kRuleNotThisYear, u"(2000)x"},
      {u"(?3=1)(2000)x", 2002, kRuleHoldsThisYear, u"x"},  // a later prefix keeps the cycle
      // A range with a cycle: the years of the range whose remainder is the
      // one named (1990, 1994, ..., 2010 leave 2 divided by 4).
      {u"(1990-2010?4=2)x", 1989, kRuleNotThisYear, u"x"}, {u"(1990-2010?4=2)x", 1990, kRuleHoldsThisYear, u"x"},
      {u"(1990-2010?4=2)x", 1991, kRuleNotThisYear, u"x"}, {u"(1990-2010?4=2)x", 2000, kRuleNotThisYear, u"x"},
      {u"(1990-2010?4=2)x", 2010, kRuleHoldsThisYear, u"x"}, {u"(1990-2010?4=2)x", 2014, kRuleNotThisYear, u"x"},
      {u"(1990-2010?7=0)x", 2002, kRuleHoldsThisYear, u"x"},  // 2002 = 7 * 286
      {u"(1990-2010?7=0)x", 2003, kRuleNotThisYear, u"x"}, {u"(1990-2010?1)x", 2010, kRuleHoldsThisYear, u"x"},
      {u"(1990-2010?1)x", 2011, kRuleNotThisYear, u"x"},
      // Malformed: the prefix stays where it is.
      {u"(1500)x", 2016, kMalformedPrefix, u"(1500)x"}, {u"(2000-2010x)y", 2005, kMalformedPrefix, u"(2000-2010x)y"},
      {u"( 2000)x", 2005, kMalformedPrefix, u"( 2000)x"}, {u"(2000-x)y", 2005, kMalformedPrefix, u"(2000-x)y"},
      {u"(2000-1500)x", 2005, kMalformedPrefix, u"(2000-1500)x"}, {u"(?0)x", 2005, kMalformedPrefix, u"(?0)x"},
      {u"(?101)x", 2020, kMalformedPrefix, u"(?101)x"},  // the cycle is 1 to 100
      {u"(?)x", 2005, kMalformedPrefix, u"(?)x"}, {u"(?4=4)x", 2005, kMalformedPrefix, u"(?4=4)x"},
      {u"(2000", 2005, kMalformedPrefix, u"(2000"}, {u"(", 2005, kMalformedPrefix, u"("},
      {u"(99999999999)x", 2005, kMalformedPrefix, u"(99999999999)x"},
      {u"(1900)(1500)x", 2005, kMalformedPrefix, u"(1500)x"},
  };
  for (const PrefixRow& row : kTable) {
    std::u16string text = row.text;
    EXPECT_EQ(ApplyYearPrefix(text, row.year), row.expected) << Narrow(row.text) << " in " << row.year;
    EXPECT_EQ(text, row.rest) << Narrow(row.text) << " in " << row.year;
  }
}

// ---- The rule list: what is added and refused, "/H" lists split outside
// brackets, and the guard that holds the list still while it is walked.
std::vector<std::u16string> Rules() {
  HolidayListWalk walk;
  return {walk.begin(), walk.end()};
}

using RuleListTest = KalendraTest;

TEST_F(RuleListTest, AddsCopiesNewestFirstAndRefusesEmptyOrOverlongTexts) {
  std::u16string rule = u"*-12-25";
  EXPECT_EQ(AddHolidayRule(rule), kRuleAdded);
  rule[2] = u'X';  // the list holds its own copy
  EXPECT_EQ(AddHolidayRule(u"*-01-01"), kRuleAdded);
  EXPECT_EQ(AddHolidayRule(u""), kRuleMissing);
  EXPECT_EQ(AddHolidayRule(std::u16string(kMaxRuleLength + 1, u'1')), kRuleMissing);
  EXPECT_EQ(AddHolidayRule(std::u16string(kMaxRuleLength, u'1')), kRuleAdded);
  const std::vector<std::u16string> rules = Rules();
  ASSERT_EQ(rules.size(), 3u);
  EXPECT_EQ(rules[1], u"*-01-01");
  EXPECT_EQ(rules[2], u"*-12-25");
}

TEST_F(RuleListTest, DefaultRulesAreAddedInTableOrderAndFreed) {
  LoadDefaultHolidays();
  const std::vector<std::u16string> rules = Rules();
  EXPECT_EQ(rules.front(), u"*-12-31");  // added last
  EXPECT_EQ(rules.back(), u"*-01-01");   // added first
  FreeHolidayRules();
  EXPECT_TRUE(Rules().empty());
}

struct OptionRow {
  std::u16string option;
  std::vector<std::u16string> expected;  // in the order given
};

TEST_F(RuleListTest, HolidayOptionListsSplitOutsideBrackets) {
  const OptionRow kTable[] = {
      {u"/H", {}}, {u"/H:", {}}, {u"/H=*-12-26", {u"*-12-26"}}, {u"/H:*-12-26;*-12-24", {u"*-12-26", u"*-12-24"}},
      {u"/H*-12-26,,;*-01-02", {u"*-12-26", u"*-01-02"}},
      {u"/H:%@holiday[1,1,9],%@easter[,1]", {u"%@holiday[1,1,9]", u"%@easter[,1]"}},
      {u"/H:%@if[1;2,a,b];x", {u"%@if[1;2,a,b]", u"x"}},
      {u"/H: *-12-26 , x", {u" *-12-26 ", u" x"}},  // white space is kept
      {u"/H:a]b,c", {u"a]b", u"c"}},                 // a stray "]" does not go below depth 0
      {u"/H::x", {u":x"}},
  };
  for (const OptionRow& row : kTable) {
    FreeHolidayRules();
    EXPECT_EQ(AddHolidayRules(row.option), 0);
    std::vector<std::u16string> rules = Rules();
    std::reverse(rules.begin(), rules.end());
    EXPECT_EQ(rules, row.expected) << Narrow(row.option);
  }
}

TEST_F(RuleListTest, NothingChangesTheListWhileItIsWalked) {
  LoadDefaultHolidays();
  {
    HolidayListWalk walk;
    EXPECT_TRUE(HolidayListInUse());
    EXPECT_EQ(AddHolidayRule(u"*-12-26"), kRuleListBusy);
    AddHolidayRules(u"/H:*-12-26");
    LoadDefaultHolidays();
    FreeHolidayRules();
    HolidayListWalk nested;
    EXPECT_EQ(std::distance(nested.begin(), nested.end()), 23);
  }
  EXPECT_FALSE(HolidayListInUse());
  EXPECT_EQ(Rules().size(), 23u);
  EXPECT_EQ(AddHolidayRule(u"*-12-26"), kRuleAdded);
}

// ---- Marking the holidays of a year: the built-in rules against the calendars
// of known years, rule texts and prefixes, and the
// guard that keeps a rule from reloading the list it is read from.
using Days = std::vector<std::string>;

using MarkHolidaysTest = KalendraTest;

// The built-in holidays of years on either side of each change of the
// rules, as the calendars of those years record them (Easter by the
// Gregorian computus; Thanksgiving 1940 on the Thursday before the last; the
// Monday holidays from 1971; Veterans Day in October from 1971 to 1977;
// Martin Luther King Day from 1986; Election Day in even years).
TEST_F(MarkHolidaysTest, BuiltInRulesGiveTheHolidaysOfTheCalendars) {
  const struct { int year; const char* days; } kYears[] = {
      {1601, "01-01 04-22 10-31 12-25 12-31"}, {1776, "01-01 04-07 07-04 10-31 12-25 12-31"},
      {1862, "01-01 04-20 07-04 10-31 11-04 12-25 12-31"},
      {1900, "01-01 02-22 04-15 05-30 07-04 09-03 10-31 11-06 11-29 12-25 12-31"},
      {1940, "01-01 02-22 03-24 05-12 05-30 06-16 07-04 09-02 10-12 10-31 11-05 11-11 11-21 12-25 12-31"},
      {1942, "01-01 02-22 04-05 05-10 05-30 06-21 07-04 09-07 10-12 10-31 11-03 11-11 11-26 12-25 12-31"},
      {1969, "01-01 02-22 04-06 05-11 05-30 06-15 07-04 09-01 10-12 10-31 11-11 11-27 12-25 12-31"},
      {1975, "01-01 02-17 03-30 05-11 05-26 06-15 07-04 09-01 10-13 10-27 10-31 11-27 12-25 12-31"},
      {1986, "01-01 01-20 02-17 03-30 05-11 05-26 06-15 07-04 09-01 10-13 10-31 11-04 11-11 11-27 12-25 12-31"},
      {2016, "01-01 01-18 02-15 03-27 05-08 05-30 06-19 07-04 09-05 10-10 10-31 11-08 11-11 11-24 12-25 12-31"},
  };
  LoadDefaultHolidays();
  for (const auto& row : kYears) {
    const std::string_view days = row.days;
    Days expected;
    for (std::size_t i = 0; i < days.size(); i += 6) expected.emplace_back(days.substr(i, 5));
    EXPECT_EQ(MarkedDays(row.year), expected) << row.year;
  }
}

struct RuleRow { std::u16string rule; int year; Days expected; };

TEST_F(MarkHolidaysTest, RuleTextsAndPrefixes) {
  const RuleRow kTable[] = {
      {u"*-12-26", 2015, {"12-26"}}, {u"*-02-29", 2015, {}}, {u"*-02-29", 2016, {"02-29"}},
      {u"12/26", 2015, {"12-26"}},       // no year: the year being marked
      {u"*1226", 2015, {"12-26"}},       // basic form
      {u"*-W53-7", 2015, {}},            // 2016-01-03 lies in another year
      {u"2011-04-29", 2011, {"04-29"}},  // a date of one year
      {u"2011-04-29", 2012, {}}, {u"(2000-)*-06-01", 1999, {}}, {u"(2000-)*-06-01", 2000, {"06-01"}},
      {u"(1999?4=3)*-06-01", 2003, {"06-01"}}, {u"(1999?4=3)*-06-01", 2004, {}},
      {u"(1500)*-06-01", 2003, {}},      // malformed prefixes mark nothing
      {u"(2000-2010x)*-06-01", 2003, {}}, {u"(1500)%@easter[]", 2016, {}},
      {u"(*)*-06-01", 2003, {"06-01"}},  // "*" is replaced before prefixes are read
      {u"%@easter[,1]", 2016, {"05-01"}}, {u"%@easter[*]", 2016, {"03-27"}},
      {u"%@easter[2015]", 2016, {}},     // a date of another year
      {u"%@holiday[1,1,11,,,1]", 2016, {"11-08"}},
      {u"%@holiday[1,5,1,,,-1]", 2016, {}},  // 2015-12-31
      {u"%@inlieu[*-07-04]", 2015, {"07-03"}},
      {u"%@eval[12+13]", 2016, {}},      // 25 days after 1980-01-01 is not in 2016
      {u"nonsense", 2016, {}},
  };
  for (const RuleRow& row : kTable) {
    FreeHolidayRules();
    ASSERT_EQ(AddHolidayRule(row.rule), kRuleAdded) << Narrow(row.rule);
    std::u16string err;
    EXPECT_EQ(MarkedDays(row.year, &err), row.expected) << Narrow(row.rule) << " in " << row.year;
    EXPECT_EQ(err, u"") << Narrow(row.rule);
  }
}

TEST_F(MarkHolidaysTest, AFailingFunctionInARulePrintsItsMessageAndMarksNothing) {
  AddHolidayRule(u"%@holiday[6,1,1]");
  AddHolidayRule(u"*-01-02");
  std::u16string err;
  EXPECT_EQ(MarkedDays(2016, &err), Days{"01-02"});
  EXPECT_EQ(err, u"KALENDRA plugin: Bad index \"6\"\r\n");
}

TEST_F(MarkHolidaysTest, YearsOutsideTheRangeMarkNothing) {
  LoadDefaultHolidays();
  for (const int year : {0, 1600, 10000, -5}) EXPECT_EQ(MarkedDays(year), Days{}) << year;
  EXPECT_EQ(HolidayYear(), 0);
}

TEST_F(MarkHolidaysTest, AWorkingTextBeyondTheLimitMarksNothing) {
  // The basic form reads "yyyymmdd" and ignores what follows, so only the
  // length decides. The "*" grows by three characters.
  const auto rule = [](std::size_t length) { return u"*1225" + std::u16string(length - 5, u'x'); };
  ASSERT_EQ(AddHolidayRule(rule(kMaxRuleLength - 3)), kRuleAdded);
  EXPECT_EQ(MarkedDays(2016), Days{"12-25"});
  FreeHolidayRules();
  ASSERT_EQ(AddHolidayRule(rule(kMaxRuleLength - 2)), kRuleAdded);
  EXPECT_EQ(MarkedDays(2016), Days{});
}

TEST_F(MarkHolidaysTest, ARuleThatAsksForHolidaysIsRefusedAndTheListSurvives) {
  AddHolidayRule(u"*-12-25");
  AddHolidayRule(u"%@isholiday[2015-12-25]");
  AddHolidayRule(u"*-12-26");
  std::u16string err;
  EXPECT_EQ(MarkedDays(2015, &err), (Days{"12-25", "12-26"}));
  EXPECT_EQ(err, u"KALENDRA plugin: @isholiday cannot be used inside a holiday rule\r\n");
  EXPECT_EQ(LoadedRules(), (std::vector<std::u16string>{u"*-12-26", u"%@isholiday[2015-12-25]", u"*-12-25"}));
  EXPECT_FALSE(HolidayListInUse());
  EXPECT_EQ(HolidayYear(), 0);
}

TEST_F(MarkHolidaysTest, MarkingFromInsideAWalkIsRefused) {
  AddHolidayRule(u"*-12-25");
  const HolidayListWalk walk;
  HolidayMarks marks;
  marks.At(1, 1) = 1;
  EXPECT_EQ(MarkHolidays(2015, marks), kMarkingRefused);
  EXPECT_EQ(marks.At(1, 1), 0);
  EXPECT_EQ(marks.At(12, 25), 0);
}

}  // namespace
