// The date functions through their buffers: results, defaults, messages and
// the order of their checks, one table row per case. The fake clock says
// today is Saturday 2015-03-07.
#include <gtest/gtest.h>

#include "datefuncs/queries.h"
#include "support/function_call.h"

namespace kalendra {
namespace {

using test::ExpectRows;

class DateFunctions : public test::PluginTest {};

TEST_F(DateFunctions, DateQueries) {
  ExpectRows({
      {"@date", DateFunction, u"1980-01-01", u"0"},
      {"@date", DateFunction, u"1979-12-31", u"-1"},
      {"@date", DateFunction, u"1601-01-01", u"-138426"},
      {"@date", DateFunction, u"9999-12-31", u"2929244"},
      {"@date", DateFunction, u"", u"12849"},
      {"@date", DateFunction, u"x", u"! Invalid date \"x\""},
      {"@date", DateFunction, u"x y", u"! Invalid date format \"y\""},
      {"@day", DayFunction, u"2015-12-11 4", u"11"},
      {"@day", DayFunction, u"", u"7"},
      {"@month", MonthFunction, u"2015-12-11", u"12"},
      {"@year", YearFunction, u"2015-12-11", u"2015"},
      {"@year", YearFunction, u"9999-12-31", u"9999"},
      {"@dow", DowFunction, u"2015-12-27", u"Sun"},
      {"@dow", DowFunction, u"2015-12-26", u"Sat"},
      {"@dowf", DowfFunction, u"2015-12-23", u"Wednesday"},
      {"@dowi", DowiFunction, u"2015-12-27", u"1"},
      {"@dowi", DowiFunction, u"2015-12-26", u"7"},
      {"@isodowi", IsoDowiFunction, u"2015-12-27", u"7"},
      {"@isodowi", IsoDowiFunction, u"2015-12-28", u"1"},
      {"@doy", DoyFunction, u"2016-12-31", u"366"},
      {"@doy", DoyFunction, u"2015-12-31", u"365"},
      {"@isoweek", IsoWeekFunction, u"2008-12-29", u"1"},
      {"@isowyear", IsoWeekYearFunction, u"2008-12-29", u"2009"},
      {"@isoweek", IsoWeekFunction, u"2010-01-03", u"53"},
      {"@isowyear", IsoWeekYearFunction, u"2010-01-03", u"2009"},
      {"@isoweek", IsoWeekFunction, u"x", u"! Invalid date \"x\""},
  });
}

TEST_F(DateFunctions, UsWeek) {
  ExpectRows({
      {"@usweek", UsWeekFunction, u"2015-01-01", u"1"},
      {"@usweek", UsWeekFunction, u"2015-12-31", u"1"},
      {"@usweek", UsWeekFunction, u"2015-12-31,,0,1", u"53"},
      {"@usweek", UsWeekFunction, u"2015-12-31,,7,1", u"53"},
      {"@usweek", UsWeekFunction, u"2012-12-31,,Mon", u"1"},
      {"@usweek", UsWeekFunction, u"2012-12-31,,1,1", u"54"},
      {"@usweek", UsWeekFunction, u"2012-12-31 4 Monday 3", u"54"},
      {"@usweek", UsWeekFunction, u"2012-12-31,,8", u"! Bad day-of-the-week \"8\""},
      {"@usweek", UsWeekFunction, u"2012-12-31,,x,y", u"! Bad day-of-the-week \"x\""},
      {"@usweek", UsWeekFunction, u"2012-12-31,,1,y", u"! Bad flags \"y\""},
      {"@usweek", UsWeekFunction, u"2012-12-31,,1,-1", u"! Bad flags \"-1\""},
      {"@usweek", UsWeekFunction, u"x,,y", u"! Invalid date \"x\""},
  });
}

TEST_F(DateFunctions, YearsAndMonths) {
  ExpectRows({
      {"@leap", LeapFunction, u"2000", u"1"},
      {"@leap", LeapFunction, u"1900", u"0"},
      {"@leap", LeapFunction, u"", u"0"},
      {"@leap", LeapFunction, u"+1", u"1"},
      {"@leap", LeapFunction, u"1600", u"! Invalid year \"1600\""},
      {"@leap", LeapFunction, u"15", u"! Invalid year \"15\""},
      {"@monthlen", MonthLenFunction, u"2 0", u"28"},
      {"@monthlen", MonthLenFunction, u"2 1", u"29"},
      {"@monthlen", MonthLenFunction, u"2 2000", u"29"},
      {"@monthlen", MonthLenFunction, u"2 1900", u"28"},
      {"@monthlen", MonthLenFunction, u"feb", u"28"},
      {"@monthlen", MonthLenFunction, u"", u"31"},
      {"@monthlen", MonthLenFunction, u"Apr +1", u"30"},
      {"@monthlen", MonthLenFunction, u"13 x", u"! Invalid month \"13\""},
      {"@monthlen", MonthLenFunction, u"2 x", u"! Invalid year \"x\""},
      {"@monthlen", MonthLenFunction, u"2 01", u"! Invalid year \"01\""},
      {"@monthname", MonthNameFunction, u"9 1", u"Sep"},
      {"@monthname", MonthNameFunction, u"9 4", u"September"},
      {"@monthname", MonthNameFunction, u"9", u"September"},
      {"@monthname", MonthNameFunction, u"", u"March"},
      {"@monthname", MonthNameFunction, u"9 -1", u"! Invalid arg \"-1\""},
      {"@monthname", MonthNameFunction, u"13 x", u"! Invalid arg \"x\""},
      {"@monthname", MonthNameFunction, u"13", u"! Invalid month \"13\""},
      {"@isdate", IsDateFunction, u"", u"0"},
      {"@isdate", IsDateFunction, u",x", u"0"},
      {"@isdate", IsDateFunction, u"2015-02-29", u"0"},
      {"@isdate", IsDateFunction, u"2015-02-28", u"1"},
      {"@isdate", IsDateFunction, u"25/12/15 2", u"1"},
      {"@isdate", IsDateFunction, u"25/12/15 1", u"0"},
      {"@isdate", IsDateFunction, u"2015-02-28 x", u"! Invalid date format \"x\""},
  });
}

}  // namespace
}  // namespace kalendra
