// Marking the holidays of a year: the built-in rules against the calendars
// of known years, rule texts and prefixes, and the
// guard that keeps a rule from reloading the list it is read from.
#include "support/kit.h"

namespace {

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
