// Whole-range checks through the functions' buffers: the ISO week functions,
// @doy and @usweek for every day from 1601 to 2400 against computations
// written differently, and every function against arguments that are too
// many, too long, empty or malformed.
#include <gtest/gtest.h>

#include <string>

#include "datefuncs/arithmetic.h"
#include "datefuncs/queries.h"
#include "datefuncs/weekday_search.h"
#include "numerals/ordinal.h"
#include "numerals/roman.h"
#include "support/function_call.h"

namespace kalendra {
namespace {

using test::CallFunction;

std::u16string IsoText(const CalendarDate& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return Widen(text);
}

std::u16string Number(int value) { return Widen(std::to_string(value)); }

// The ISO week date by the Thursday rule: a week belongs to the year that
// holds its Thursday, and counts from the first Thursday of that year.
struct ThursdayWeek {
  int year, week, weekday;
};
ThursdayWeek ByThursdayRule(DayNumber day) {
  const int weekday = (day + 6) % 7 + 1;  // day 1 was a Monday
  const DayNumber thursday = day - weekday + 4;
  const int year = FromDayNumber(thursday).year;
  return {year, (thursday - ToDayNumber(year, 1, 1)) / 7 + 1, weekday};
}

// The US week by counting week starts from January 1 back to the first day
// of its week; without the flag, a week that reaches into the next year is
// week 1.
int ByCountingWeeks(DayNumber day, int firstWeekday, int flags) {
  const CalendarDate date = FromDayNumber(day);
  const DayNumber january1 = ToDayNumber(date.year, 1, 1);
  const DayNumber firstWeekStart = january1 - (WeekdayOf(january1) - firstWeekday + 7) % 7;
  const DayNumber weekEnd = day + (firstWeekday + 6 - WeekdayOf(day)) % 7;
  if ((flags & 1) == 0 && weekEnd > ToDayNumber(date.year, 12, 31)) return 1;
  return (day - firstWeekStart) / 7 + 1;
}

// Every call re-reads the locale, which the sanitizer build does some thirty
// times slower; there the walk takes every 17th day, which still meets every
// weekday, every week of the year and every year length.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kDayStride = 17;
#else
constexpr int kDayStride = 1;
#endif

class DateFunctionSweeps : public test::PluginTest {};

TEST_F(DateFunctionSweeps, IsoWeekValuesDayOfYearAndUsWeekFrom1601To2400) {
  for (DayNumber day = ToDayNumber(1601, 1, 1); day <= ToDayNumber(2400, 12, 31); day += kDayStride) {
    const std::u16string text = IsoText(FromDayNumber(day));
    const ThursdayWeek iso = ByThursdayRule(day);
    ASSERT_EQ(CallFunction(IsoWeekFunction, text).result, Number(iso.week)) << test::Narrow(text);
    ASSERT_EQ(CallFunction(IsoWeekYearFunction, text).result, Number(iso.year)) << test::Narrow(text);
    ASSERT_EQ(CallFunction(IsoDowiFunction, text).result, Number(iso.weekday)) << test::Narrow(text);
    ASSERT_EQ(CallFunction(DoyFunction, text).result, Number(day - ToDayNumber(FromDayNumber(day).year, 1, 1) + 1))
        << test::Narrow(text);
    // Each day takes one of the fourteen first-day and flag settings in turn;
    // UsWeekNumber itself meets all fourteen on every day in us_week_test.
    const int firstWeekday = (day / 3) % 7;
    const int flags = (day / 21) % 2;
    const std::u16string usText = text + u",4," + Number(firstWeekday) + u"," + Number(flags);
    ASSERT_EQ(CallFunction(UsWeekFunction, usText).result, Number(ByCountingWeeks(day, firstWeekday, flags)))
        << test::Narrow(usText);
  }
}

// Arguments that no function should take badly.
std::u16string ManyArguments() {
  std::u16string text;
  for (int i = 1; i <= 70; ++i) text += Number(i) + u",";
  return text;
}

TEST_F(DateFunctionSweeps, HostileArgumentsGiveAResultOrOneMessage) {
  const struct {
    const char* name;
    int (*function)(KChar*);
  } kFunctions[] = {
      {"@date", DateFunction},         {"@day", DayFunction},          {"@month", MonthFunction},
      {"@year", YearFunction},         {"@dow", DowFunction},          {"@dowf", DowfFunction},
      {"@dowi", DowiFunction},         {"@idow", IdowFunction},        {"@idowf", IdowfFunction},
      {"@doy", DoyFunction},           {"@isodowi", IsoDowiFunction},  {"@isoweek", IsoWeekFunction},
      {"@isowyear", IsoWeekYearFunction}, {"@usweek", UsWeekFunction}, {"@leap", LeapFunction},
      {"@monthlen", MonthLenFunction}, {"@monthname", MonthNameFunction}, {"@isdate", IsDateFunction},
      {"@dateplus", DatePlusFunction}, {"@days", DaysFunction},        {"@makedate", MakeDateFunction},
      {"@dateconv", DateConvFunction}, {"@inrange", InRangeFunction},  {"@nextdate", NextDateFunction},
      {"@nextdow", NextDowFunction},   {"@dowis", DowIsFunction},      {"@roman", RomanFunction},
      {"@ord", OrdFunction},
  };
  const std::u16string kTexts[] = {
      u"",
      u"   ",
      u",,,,,,",
      u"\"",
      u"%s%s%n%d",
      ManyArguments(),
      std::u16string(9000, u'x'),
      std::u16string(9000, u'9'),
      std::u16string(8191, u'M'),
      u"-" + std::u16string(9000, u'9'),
      std::u16string(9000, u'9') + u"," + std::u16string(9000, u'8') + u"," + std::u16string(9000, u'7'),
      u"2015-12-25," + std::u16string(9000, u'9') + u"," + std::u16string(9000, u'9') + u",4",
      u"Mon," + std::u16string(9000, u'-') + u",-" + std::u16string(30, u'9'),
      u"2147483647 2147483647 2147483647 2147483647",
      u"-2147483648,-2147483648,-2147483648,-2147483648",
  };
  for (const auto& function : kFunctions) {
    for (const std::u16string& text : kTexts) {
      const test::FunctionOutcome outcome = CallFunction(function.function, text);
      const std::string call = std::string(function.name) + "[" + test::Narrow(text.substr(0, 40)) + "...]";
      if (outcome.status == 0) {
        EXPECT_TRUE(outcome.err.empty()) << call;
        EXPECT_LT(outcome.result.size(), static_cast<std::size_t>(kHostBufferLength)) << call;
      } else if (outcome.status == kErrorResult) {
        EXPECT_TRUE(outcome.err.starts_with(u"KALENDRA plugin: ")) << call;
        EXPECT_EQ(outcome.err.find(u"\r\n"), outcome.err.size() - 2) << call;
      } else {
        // Only @ord has a result of its own: the shell could not evaluate.
        EXPECT_EQ(outcome.status, kEvaluateFailedResult) << call;
        EXPECT_STREQ(function.name, "@ord") << call;
      }
    }
  }
}

}  // namespace
}  // namespace kalendra
