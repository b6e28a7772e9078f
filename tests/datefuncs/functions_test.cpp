// The date functions through their buffers: results, defaults, messages and
// the order of their checks, one table row per case. The fake clock says
// today is Saturday 2015-03-07.
#include <gtest/gtest.h>

#include "calendar/long_years.h"
#include "datefuncs/arithmetic.h"
#include "datefuncs/queries.h"
#include "datefuncs/weekday_search.h"
#include "platform/fake/fake_platform.h"
#include "support/function_call.h"

namespace kalendra {
namespace {

using test::ExpectRows;

// The long-year setting outlives a call, as it does in the shell.
class DateFunctions : public test::PluginTest {
 protected:
  void TearDown() override { SetLongYearsMode(LongYearsMode::kOff); }
};

TEST_F(DateFunctions, DateQueries) {
  ExpectRows({
      {"@date", DateFunction, u"1601-01-01", u"-138426"},
      {"@date", DateFunction, u"", u"12849"},
      {"@date", DateFunction, u"x", u"! Invalid date \"x\""},
      {"@date", DateFunction, u"x y", u"! Invalid date format \"y\""},
      {"@day", DayFunction, u"", u"7"},
      {"@month", MonthFunction, u"2015-12-11", u"12"},
      {"@year", YearFunction, u"2015-12-11", u"2015"},
      {"@dow", DowFunction, u"2015-12-27", u"Sun"},
      {"@dowf", DowfFunction, u"2015-12-23", u"Wednesday"},
      {"@isoweek", IsoWeekFunction, u"2008-12-29", u"1"},
      {"@isowyear", IsoWeekYearFunction, u"2008-12-29", u"2009"},
      {"@isoweek", IsoWeekFunction, u"2010-01-03", u"53"},
      {"@isowyear", IsoWeekYearFunction, u"2010-01-03", u"2009"},
  });
}

TEST_F(DateFunctions, UsWeek) {
  ExpectRows({
      {"@usweek", UsWeekFunction, u"2015-12-31,,0,1", u"53"},
      {"@usweek", UsWeekFunction, u"2012-12-31,,Mon", u"1"},
      {"@usweek", UsWeekFunction, u"2012-12-31 4 Monday 3", u"54"},
      {"@usweek", UsWeekFunction, u"2012-12-31,,8", u"! Bad day-of-the-week \"8\""},
      {"@usweek", UsWeekFunction, u"2012-12-31,,1,y", u"! Bad flags \"y\""},
      {"@usweek", UsWeekFunction, u"2012-12-31,,1,-1", u"! Bad flags \"-1\""},
      {"@usweek", UsWeekFunction, u"x,,y", u"! Invalid date \"x\""},
  });
}

TEST_F(DateFunctions, YearsAndMonths) {
  ExpectRows({
      {"@leap", LeapFunction, u"", u"0"},
      {"@leap", LeapFunction, u"+1", u"1"},
      {"@monthlen", MonthLenFunction, u"feb", u"28"},
      {"@monthlen", MonthLenFunction, u"", u"31"},
      {"@monthlen", MonthLenFunction, u"Apr +1", u"30"},
      {"@monthlen", MonthLenFunction, u"2 x", u"! Invalid year \"x\""},
      {"@monthname", MonthNameFunction, u"", u"March"},
      {"@monthname", MonthNameFunction, u"13 x", u"! Invalid arg \"x\""},
      {"@monthname", MonthNameFunction, u"13", u"! Invalid month \"13\""},
      {"@isdate", IsDateFunction, u"", u"0"},
      {"@isdate", IsDateFunction, u"2015-02-28 x", u"! Invalid date format \"x\""},
  });
}

TEST_F(DateFunctions, DatePlusAndMakeDate) {
  ExpectRows({
      {"@dateplus", DatePlusFunction, u"2015-02-28 1 4", u"2015-03-01"},
      {"@dateplus", DatePlusFunction, u"2015-12-25 0 20", u"20151225"},
      {"@dateplus", DatePlusFunction, u"2015-12-25 -151568 4", u"1601-01-01"},
      {"@dateplus", DatePlusFunction, u"2015-12-25 4294967296", u"! Resulting date out of range"},
      {"@dateplus", DatePlusFunction, u"2015-12-25 -99999999999999999999999", u"! Resulting date out of range"},
      {"@dateplus", DatePlusFunction, u"2015-12-25", u"! No offset"},
      {"@dateplus", DatePlusFunction, u"", u"! No date"},
      {"@dateplus", DatePlusFunction, u"x 1 y", u"! Invalid date format \"y\""},
      {"@dateplus", DatePlusFunction, u"x", u"! Invalid date \"x\""},
      {"@makedate", MakeDateFunction, u"+2929244 4", u"9999-12-31"},
      {"@makedate", MakeDateFunction, u"-138427", u"! Invalid day number \"-138427\""},
      {"@makedate", MakeDateFunction, u"18446744073709551616", u"! Invalid day number \"18446744073709551616\""},
      {"@makedate", MakeDateFunction, u"x y", u"! Invalid day number \"x\""},
      {"@makedate", MakeDateFunction, u"0 y", u"! Invalid date format \"y\""},
      {"@makedate", MakeDateFunction, u"", u"! No day number"},
  });
}

TEST_F(DateFunctions, DaysDateConvAndInRange) {
  ExpectRows({
      {"@days", DaysFunction, u"2015-01-01 2015-12-31 4 1", u"365"},
      {"@days", DaysFunction, u"2015-12-31 2015-12-31 4 1", u"1"},
      {"@days", DaysFunction, u"1601-01-01 9999-12-31", u"3067670"},
      {"@days", DaysFunction, u"2015-01-01 2015-12-31 4 2", u"! Invalid mode \"2\""},
      {"@days", DaysFunction, u"x 2015-12-31 4 2", u"! Invalid start date \"x\""},
      {"@days", DaysFunction, u"2015-01-01 y 4 2", u"! Invalid end date \"y\""},
      {"@days", DaysFunction, u"x y z", u"! Invalid date format \"z\""},
      {"@days", DaysFunction, u"2015-01-01", u"! No end date"},
      {"@days", DaysFunction, u"", u"! No start date"},
      {"@dateconv", DateConvFunction, u"25.12.2015 2 5", u"2015-W52-5"},
      {"@dateconv", DateConvFunction, u"2015-12-25 4 19", u"A+151569"},
      {"@dateconv", DateConvFunction, u",x", u"! Invalid date format \"x\""},
      {"@dateconv", DateConvFunction, u"x 4", u"! Invalid date \"x\""},
      {"@inrange", InRangeFunction, u"2015-01-01 2015-01-01 2015-12-31", u"0"},
      {"@inrange", InRangeFunction, u"2015-12-31 2015-01-01 2015-12-31", u"0"},
      {"@inrange", InRangeFunction, u"2014-12-31 2015-12-31 2015-01-01", u"-1"},
      {"@inrange", InRangeFunction, u"2016-01-01 2015-12-31 2015-01-01", u"1"},
      {"@inrange", InRangeFunction, u"", u"! No date"},
      {"@inrange", InRangeFunction, u"a", u"! No start date"},
      {"@inrange", InRangeFunction, u"a b", u"! No end date"},
      {"@inrange", InRangeFunction, u"a b c x", u"! Invalid date format \"x\""},
      {"@inrange", InRangeFunction, u"a b c", u"! Invalid date \"a\""},
      {"@inrange", InRangeFunction, u"2015-01-01 b c", u"! Invalid start date \"b\""},
      {"@inrange", InRangeFunction, u"2015-01-01 2015-01-01 c", u"! Invalid end date \"c\""},
  });
}

TEST_F(DateFunctions, NextDate) {
  ExpectRows({
      {"@nextdate", NextDateFunction, u"12 25 2015-12-24 4", u"2015-12-25"},
      {"@nextdate", NextDateFunction, u"2 29 2015-03-01 4", u"2016-02-29"},
      {"@nextdate", NextDateFunction, u"2 29 2016-02-28 4", u"2016-02-29"},
      {"@nextdate", NextDateFunction, u"3 7 , 4", u"2016-03-07"},
      {"@nextdate", NextDateFunction, u"12 25 9999-12-25 4", u"! Resulting date out of range"},
      {"@nextdate", NextDateFunction, u"2 29 9996-03-01 4", u"! Resulting date out of range"},
      {"@nextdate", NextDateFunction, u"13 1", u"! Bad month \"13\""},
      {"@nextdate", NextDateFunction, u"Ju 1", u"! Bad month \"Ju\""},
      {"@nextdate", NextDateFunction, u"12", u"! No day"},
      {"@nextdate", NextDateFunction, u"", u"! No month"},
      {"@nextdate", NextDateFunction, u"12 25 x y", u"! Invalid date format \"y\""},
      {"@nextdate", NextDateFunction, u"12 25 x", u"! Invalid date \"x\""},
  });
}

TEST_F(DateFunctions, WeekdaySearches) {
  ExpectRows({
      {"@dowis", DowIsFunction, u"weekend,2015-12-26,4", u"1"},
      {"@dowis", DowIsFunction, u"Sat Sun,2015-12-27,4", u"1"},
      {"@dowis", DowIsFunction, u"\"Mon,Tue\",2015-12-29", u"1"},
      {"@dowis", DowIsFunction, u"Sat", u"1"},
      {"@dowis", DowIsFunction, u"", u"! Missing days-of-the-week list"},
      {"@dowis", DowIsFunction, u"Mon,x,y", u"! Invalid date format \"y\""},
      {"@dowis", DowIsFunction, u"Mon,x", u"! Invalid date \"x\""},
      {"@nextdow", NextDowFunction, u"Mon,2015-12-21,0,4", u"2015-12-21"},
      {"@nextdow", NextDowFunction, u"Mon,2015-12-21,1,4", u"2015-12-28"},
      {"@nextdow", NextDowFunction, u"Mon,2015-12-21,-1,4", u"2015-12-14"},
      {"@nextdow", NextDowFunction, u"weekdays,2015-12-25,,4", u"2015-12-28"},
      {"@nextdow", NextDowFunction, u"weekdays,2015-12-25,2x,4", u"2015-12-29"},
      {"@nextdow", NextDowFunction, u"Mon,,+1,4", u"2015-03-09"},
      {"@nextdow", NextDowFunction, u"Mon,2015-12-21,128", u"! Bad index \"128\""},
      {"@nextdow", NextDowFunction, u"Mon,2015-12-21,x", u"! Bad index \"x\""},
      {"@nextdow", NextDowFunction, u"Mon,9999-12-31,1,4", u"! Resulting date out of range"},
      {"@nextdow", NextDowFunction, u"Sun,1601-01-07,-127,4", u"! Resulting date out of range"},
      {"@nextdow", NextDowFunction, u"Mon, Wed,2015-12-21", u"! Invalid date \"Wed\""},
      {"@nextdow", NextDowFunction, u"^Sun-Sat", u"! Invalid days-of-the-week list \"^Sun-Sat\""},
      {"@nextdow", NextDowFunction, u"Mon,x,y,z", u"! Invalid date format \"z\""},
      {"@nextdow", NextDowFunction, u"Mon,x,y", u"! Invalid date \"x\""},
  });
}

// Without a format, @dateplus, @nextdate and @nextdow write four-digit
// years in the locale's order, while the other functions follow the
// long-year setting.
TEST_F(DateFunctions, DefaultFormatsFollowTheLocaleAndTheLongYearSetting) {
  ExpectRows({
      {"@dateplus", DatePlusFunction, u"2015-12-25 7", u"01/01/2016"},
      {"@nextdate", NextDateFunction, u"12 25 2015-12-24", u"12/25/2015"},
      {"@nextdow", NextDowFunction, u"weekdays", u"03/09/2015"},
      {"@dateconv", DateConvFunction, u"2015-12-25", u"12/25/15"},
      {"@makedate", MakeDateFunction, u"0", u"01/01/80"},
      {"@isdate", IsDateFunction, u"12/25/15", u"1"},
  });
  SetLongYearsMode(LongYearsMode::kOn);
  ExpectRows({
      {"@dateconv", DateConvFunction, u"2015-12-25", u"12/25/2015"},
      {"@makedate", MakeDateFunction, u"0", u"01/01/1980"},
  });
}

TEST_F(DateFunctions, LocaleNamesAndDayMonthYearOrder) {
  fake::SetLocaleInfo(platform::LocaleItem::kShortDateOrder, u"1");
  fake::SetLocaleInfo(platform::LocaleItem::kDateSeparator, u".");
  fake::SetLocaleName(platform::LocaleNameSet::kAbbreviatedWeekday, 7, u"So");
  fake::SetLocaleName(platform::LocaleNameSet::kWeekday, 7, u"Sonntag");
  fake::SetLocaleName(platform::LocaleNameSet::kMonth, 9, u"septembre");
  fake::SetLocaleName(platform::LocaleNameSet::kAbbreviatedMonth, 9, u"sept.");
  ExpectRows({
      {"@idow", IdowFunction, u"27.12.2015", u"So"},
      {"@idowf", IdowfFunction, u"27.12.2015", u"Sonntag"},
      {"@dow", DowFunction, u"27.12.2015", u"Sun"},
      {"@monthname", MonthNameFunction, u"9 2", u"septembre"},
      {"@monthname", MonthNameFunction, u"9 3", u"sept."},
      {"@monthname", MonthNameFunction, u"sept. 7", u"sept."},
      {"@dateplus", DatePlusFunction, u"25.12.2015 7", u"01.01.2016"},
      {"@dateconv", DateConvFunction, u"25.12.15", u"25.12.15"},
      {"@days", DaysFunction, u"25.12.15 1.1.16", u"7"},
      {"@isdate", IsDateFunction, u"12/25/15", u"0"},
      {"@nextdow", NextDowFunction, u"weekdays", u"09.03.2015"},
  });
}

}  // namespace
}  // namespace kalendra
