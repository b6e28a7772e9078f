// Marking the holidays of a year: the built-in rules against the known years
// and against a computation of their own, rule texts and prefixes, and the
// guard that keeps a rule from reloading the list it is read from.
#include "holidays/mark_holidays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/holiday_year.h"
#include "holiday_fixture.h"
#include "holidays/calendar_oracles.h"
#include "holidays/rule_list.h"
#include "support/text_printing.h"

namespace kalendra {
namespace {

using Days = std::vector<std::string>;

class MarkHolidaysTest : public test::HolidayTest {};


// "MM-DD" of a day of the year.
std::string MonthDay(int month, int day) {
  std::string text = (month < 10 ? "0" : "") + std::to_string(month) + "-";
  return text + (day < 10 ? "0" : "") + std::to_string(day);
}

// The n-th (5: last) weekday of the month, found by scanning its days.
std::string Nth(int year, int n, int weekday, int month) {
  const std::vector<int> days = test::DaysOnWeekday(year, month, weekday);
  return MonthDay(month, n == 5 ? days.back() : days[static_cast<std::size_t>(n - 1)]);
}

// The same n-th weekday moved by days within the month.
std::string NthMoved(int year, int n, int weekday, int month, int days) {
  const std::vector<int> list = test::DaysOnWeekday(year, month, weekday);
  return MonthDay(month, (n == 5 ? list.back() : list[static_cast<std::size_t>(n - 1)]) + days);
}

// The built-in holidays of a year, from their descriptions: fixed days, the
// Meeus Easter and weekdays by Zeller's congruence.
Days BuiltInHolidays(int y) {
  Days days{"01-01", "10-31", "12-25", "12-31"};
  const CalendarDate easter = test::MeeusWesternEaster(y);
  days.push_back(MonthDay(easter.month, easter.day));
  if (y >= 1986) days.push_back(Nth(y, 3, 1, 1));
  if (y >= 1880 && y <= 1970) days.push_back("02-22");
  if (y >= 1971) days.push_back(Nth(y, 3, 1, 2));
  if (y >= 1914) days.push_back(Nth(y, 2, 0, 5));
  if (y >= 1868 && y <= 1970) days.push_back("05-30");
  if (y >= 1971) days.push_back(Nth(y, 5, 1, 5));
  if (y >= 1910) days.push_back(Nth(y, 3, 0, 6));
  if (y >= 1776) days.push_back("07-04");
  if (y >= 1894) days.push_back(Nth(y, 1, 1, 9));
  if (y >= 1934 && y <= 1970) days.push_back("10-12");
  if (y >= 1971) days.push_back(Nth(y, 2, 1, 10));
  if (y >= 1848 && y % 2 == 0) days.push_back(NthMoved(y, 1, 1, 11, 1));
  if ((y >= 1919 && y <= 1970) || y >= 1978) days.push_back("11-11");
  if (y >= 1971 && y <= 1977) days.push_back(Nth(y, 4, 1, 10));
  if (y >= 1942) days.push_back(Nth(y, 4, 4, 11));
  if (y >= 1939 && y <= 1941) days.push_back(NthMoved(y, 5, 4, 11, -7));
  if (y >= 1863 && y <= 1938) days.push_back(Nth(y, 5, 4, 11));
  std::sort(days.begin(), days.end());
  days.erase(std::unique(days.begin(), days.end()), days.end());
  return days;
}

TEST_F(MarkHolidaysTest, BuiltInRulesAgreeWithTheirDescriptions) {
  LoadDefaultHolidays();
  for (int year = 1601; year <= 2200; ++year) ASSERT_EQ(MarkedDays(year), BuiltInHolidays(year)) << year;
  for (const int year : {2400, 4099, 9999}) ASSERT_EQ(MarkedDays(year), BuiltInHolidays(year)) << year;
}

struct RuleRow {
  std::u16string rule;
  int year;
  Days expected;
};

TEST_F(MarkHolidaysTest, RuleTextsAndPrefixes) {
  const RuleRow kTable[] = {
      {u"*-12-26", 2015, {"12-26"}},
      {u"*-02-29", 2015, {}},
      {u"*-02-29", 2016, {"02-29"}},
      {u"12/26", 2015, {"12-26"}},       // no year: the year being marked
      {u"*1226", 2015, {"12-26"}},       // basic form
      {u"*-W53-7", 2015, {}},            // 2016-01-03 lies in another year
      {u"2011-04-29", 2011, {"04-29"}},  // a date of one year
      {u"2011-04-29", 2012, {}},
      {u"(2000-)*-06-01", 1999, {}},
      {u"(2000-)*-06-01", 2000, {"06-01"}},
      {u"(1999?4=3)*-06-01", 2003, {"06-01"}},
      {u"(1999?4=3)*-06-01", 2004, {}},
      {u"(1500)*-06-01", 2003, {}},      // malformed prefixes mark nothing
      {u"(2000-2010x)*-06-01", 2003, {}},
      {u"(1500)%@easter[]", 2016, {}},
      {u"(*)*-06-01", 2003, {"06-01"}},  // "*" is replaced before prefixes are read
      {u"%@easter[,1]", 2016, {"05-01"}},
      {u"%@easter[*]", 2016, {"03-27"}},
      {u"%@easter[2015]", 2016, {}},     // a date of another year
      {u"%@holiday[1,1,11,,,1]", 2016, {"11-08"}},
      {u"%@holiday[1,5,1,,,-1]", 2016, {}},  // 2015-12-31
      {u"%@inlieu[*-07-04]", 2015, {"07-03"}},
      {u"%@eval[12+13]", 2016, {}},      // 25 days after 1980-01-01 is not in 2016
      {u"nonsense", 2016, {}},
  };
  for (const RuleRow& row : kTable) {
    FreeHolidayRules();
    ASSERT_EQ(AddHolidayRule(row.rule), kRuleAdded) << test::Narrow(row.rule);
    std::u16string err;
    EXPECT_EQ(MarkedDays(row.year, &err), row.expected) << test::Narrow(row.rule) << " in " << row.year;
    EXPECT_EQ(err, u"") << test::Narrow(row.rule);
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
}  // namespace kalendra
