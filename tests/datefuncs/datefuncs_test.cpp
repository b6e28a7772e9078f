// The date functions through their buffers (results, defaults, messages and
// the order of their checks, one row per case; the fake clock says today is
// Saturday 2015-03-07), whole-range sweeps of @doy and @usweek against
// computations written differently, and the weekday search against a naive
// day-by-day walk.
#include "support/kit.h"

using DateFunctions = KalendraTest;

TEST_F(DateFunctions, DateQueries) {
  ExpectCalls(u"@date", {{u"1601-01-01", u"-138426"}, {u"", u"12849"}, {u"x", u"! Invalid date \"x\""},
                         {u"x y", u"! Invalid date format \"y\""}});
  ExpectCalls(u"@day", {{u"", u"7"}});
  ExpectCalls(u"@month", {{u"2015-12-11", u"12"}});
  ExpectCalls(u"@year", {{u"2015-12-11", u"2015"}});
  ExpectCalls(u"@dow", {{u"2015-12-27", u"Sun"}});
  ExpectCalls(u"@dowf", {{u"2015-12-23", u"Wednesday"}});
  ExpectCalls(u"@isoweek", {{u"2008-12-29", u"1"}});
  ExpectCalls(u"@isowyear", {{u"2008-12-29", u"2009"}});
  ExpectCalls(u"@isoweek", {{u"2010-01-03", u"53"}});
  ExpectCalls(u"@isowyear", {{u"2010-01-03", u"2009"}});
}

TEST_F(DateFunctions, UsWeek) {
  ExpectCalls(u"@usweek", {{u"2015-12-31,,0,1", u"53"}, {u"2012-12-31,,Mon", u"1"}, {u"2012-12-31 4 Monday 3", u"54"},
                           {u"2012-12-31,,8", u"! Bad day-of-the-week \"8\""},
                           {u"2012-12-31,,1,y", u"! Bad flags \"y\""}, {u"2012-12-31,,1,-1", u"! Bad flags \"-1\""},
                           {u"x,,y", u"! Invalid date \"x\""}});
}

TEST_F(DateFunctions, YearsAndMonths) {
  ExpectCalls(u"@leap", {{u"", u"0"}, {u"+1", u"1"}});
  ExpectCalls(u"@monthlen", {{u"feb", u"28"}, {u"", u"31"}, {u"Apr +1", u"30"}, {u"2 x", u"! Invalid year \"x\""}});
  ExpectCalls(u"@monthname", {{u"", u"March"}, {u"13 x", u"! Invalid arg \"x\""}, {u"13", u"! Invalid month \"13\""}});
  ExpectCalls(u"@isdate", {{u"", u"0"}, {u"2015-02-28 x", u"! Invalid date format \"x\""}});
}

TEST_F(DateFunctions, DatePlusAndMakeDate) {
  ExpectCalls(u"@dateplus", {{u"2015-02-28 1 4", u"2015-03-01"}, {u"2015-12-25 0 20", u"20151225"},
                             {u"2015-12-25 -151568 4", u"1601-01-01"},
                             {u"2015-12-25 4294967296", u"! Resulting date out of range"},
                             {u"2015-12-25 -99999999999999999999999", u"! Resulting date out of range"},
                             {u"2015-12-25", u"! No offset"}, {u"", u"! No date"},
                             {u"x 1 y", u"! Invalid date format \"y\""}, {u"x", u"! Invalid date \"x\""}});
  ExpectCalls(u"@makedate", {{u"+2929244 4", u"9999-12-31"}, {u"-138427", u"! Invalid day number \"-138427\""},
                             {u"18446744073709551616", u"! Invalid day number \"18446744073709551616\""},
                             {u"x y", u"! Invalid day number \"x\""}, {u"0 y", u"! Invalid date format \"y\""},
                             {u"", u"! No day number"}});
}

TEST_F(DateFunctions, DaysDateConvAndInRange) {
  ExpectCalls(u"@days", {{u"2015-01-01 2015-12-31 4 1", u"365"}, {u"2015-12-31 2015-12-31 4 1", u"1"},
                         {u"1601-01-01 9999-12-31", u"3067670"},
                         {u"2015-01-01 2015-12-31 4 2", u"! Invalid mode \"2\""},
                         {u"x 2015-12-31 4 2", u"! Invalid start date \"x\""},
                         {u"2015-01-01 y 4 2", u"! Invalid end date \"y\""}, {u"x y z", u"! Invalid date format \"z\""},
                         {u"2015-01-01", u"! No end date"}, {u"", u"! No start date"}});
  ExpectCalls(u"@dateconv", {{u"25.12.2015 2 5", u"2015-W52-5"}, {u"2015-12-25 4 19", u"A+151569"},
                             {u",x", u"! Invalid date format \"x\""}, {u"x 4", u"! Invalid date \"x\""}});
  ExpectCalls(u"@inrange", {{u"2015-01-01 2015-01-01 2015-12-31", u"0"}, {u"2015-12-31 2015-01-01 2015-12-31", u"0"},
                            {u"2014-12-31 2015-12-31 2015-01-01", u"-1"}, {u"2016-01-01 2015-12-31 2015-01-01", u"1"},
                            {u"", u"! No date"}, {u"a", u"! No start date"}, {u"a b", u"! No end date"},
                            {u"a b c x", u"! Invalid date format \"x\""}, {u"a b c", u"! Invalid date \"a\""},
                            {u"2015-01-01 b c", u"! Invalid start date \"b\""},
                            {u"2015-01-01 2015-01-01 c", u"! Invalid end date \"c\""}});
}

TEST_F(DateFunctions, NextDate) {
  ExpectCalls(u"@nextdate", {{u"12 25 2015-12-24 4", u"2015-12-25"}, {u"2 29 2015-03-01 4", u"2016-02-29"},
                             {u"2 29 2016-02-28 4", u"2016-02-29"}, {u"3 7 , 4", u"2016-03-07"},
                             {u"12 25 9999-12-25 4", u"! Resulting date out of range"},
                             {u"2 29 9996-03-01 4", u"! Resulting date out of range"}, {u"13 1", u"! Bad month \"13\""},
                             {u"Ju 1", u"! Bad month \"Ju\""}, {u"12", u"! No day"}, {u"", u"! No month"},
                             {u"12 25 x y", u"! Invalid date format \"y\""}, {u"12 25 x", u"! Invalid date \"x\""}});
}

TEST_F(DateFunctions, WeekdaySearches) {
  ExpectCalls(u"@dowis", {{u"weekend,2015-12-26,4", u"1"}, {u"Sat Sun,2015-12-27,4", u"1"},
                          {u"\"Mon,Tue\",2015-12-29", u"1"}, {u"Sat", u"1"}, {u"", u"! Missing days-of-the-week list"},
                          {u"Mon,x,y", u"! Invalid date format \"y\""}, {u"Mon,x", u"! Invalid date \"x\""}});
  ExpectCalls(u"@nextdow", {{u"Mon,2015-12-21,0,4", u"2015-12-21"}, {u"Mon,2015-12-21,1,4", u"2015-12-28"},
                            {u"Mon,2015-12-21,-1,4", u"2015-12-14"}, {u"weekdays,2015-12-25,,4", u"2015-12-28"},
                            {u"weekdays,2015-12-25,2x,4", u"2015-12-29"}, {u"Mon,,+1,4", u"2015-03-09"},
                            {u"Mon,2015-12-21,128", u"! Bad index \"128\""},
                            {u"Mon,2015-12-21,x", u"! Bad index \"x\""},
                            {u"Mon,9999-12-31,1,4", u"! Resulting date out of range"},
                            {u"Sun,1601-01-07,-127,4", u"! Resulting date out of range"},
                            {u"Mon, Wed,2015-12-21", u"! Invalid date \"Wed\""},
                            {u"^Sun-Sat", u"! Invalid days-of-the-week list \"^Sun-Sat\""},
                            {u"Mon,x,y,z", u"! Invalid date format \"z\""}, {u"Mon,x,y", u"! Invalid date \"x\""}});
}

// Without a format, @dateplus, @nextdate and @nextdow write four-digit
// years in the locale's order, while the other functions follow the
// long-year setting.
TEST_F(DateFunctions, DefaultFormatsFollowTheLocaleAndTheLongYearSetting) {
  ExpectCalls(u"@dateplus", {{u"2015-12-25 7", u"01/01/2016"}});
  ExpectCalls(u"@nextdate", {{u"12 25 2015-12-24", u"12/25/2015"}});
  ExpectCalls(u"@nextdow", {{u"weekdays", u"03/09/2015"}});
  ExpectCalls(u"@dateconv", {{u"2015-12-25", u"12/25/15"}});
  ExpectCalls(u"@makedate", {{u"0", u"01/01/80"}});
  ExpectCalls(u"@isdate", {{u"12/25/15", u"1"}});
  SetLongYearsMode(LongYearsMode::kOn);
  ExpectCalls(u"@dateconv", {{u"2015-12-25", u"12/25/2015"}});
  ExpectCalls(u"@makedate", {{u"0", u"01/01/1980"}});
}

// The command refuses an unknown option with -1 (not the functions' code)
// and keeps the mode.
TEST_F(DateFunctions, LongYearsRefusesAnUnknownOption) {
  SetLongYearsMode(LongYearsMode::kStrict);
  EXPECT_EQ(Call(u"longyears", u"yes"),
            (FunctionOutcome{-1, u"", u"", u"KALENDRA plugin: Unknown LONGYEARS option \"YES\"\r\n"}));
  EXPECT_EQ(CurrentLongYearsMode(), LongYearsMode::kStrict);
}

TEST_F(DateFunctions, LocaleNamesAndDayMonthYearOrder) {
  fake::SetLocaleInfo(platform::LocaleItem::kShortDateOrder, u"1");
  fake::SetLocaleInfo(platform::LocaleItem::kDateSeparator, u".");
  fake::SetLocaleName(platform::LocaleNameSet::kAbbreviatedWeekday, 7, u"So");
  fake::SetLocaleName(platform::LocaleNameSet::kWeekday, 7, u"Sonntag");
  fake::SetLocaleName(platform::LocaleNameSet::kMonth, 9, u"septembre");
  fake::SetLocaleName(platform::LocaleNameSet::kAbbreviatedMonth, 9, u"sept.");
  ExpectCalls(u"@idow", {{u"27.12.2015", u"So"}});
  ExpectCalls(u"@idowf", {{u"27.12.2015", u"Sonntag"}});
  ExpectCalls(u"@dow", {{u"27.12.2015", u"Sun"}});
  ExpectCalls(u"@monthname", {{u"9 2", u"septembre"}, {u"9 3", u"sept."}, {u"sept. 7", u"sept."}});
  ExpectCalls(u"@dateplus", {{u"25.12.2015 7", u"01.01.2016"}});
  ExpectCalls(u"@dateconv", {{u"25.12.15", u"25.12.15"}});
  ExpectCalls(u"@days", {{u"25.12.15 1.1.16", u"7"}});
  ExpectCalls(u"@isdate", {{u"12/25/15", u"0"}});
  ExpectCalls(u"@nextdow", {{u"weekdays", u"09.03.2015"}});
}


namespace {

std::u16string Number(int value) { return Widen(std::to_string(value)); }

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

TEST_F(DateFunctions, DayOfYearAndUsWeekFrom1601To2400) {
  for (DayNumber day = ToDayNumber(1601, 1, 1); day <= ToDayNumber(2400, 12, 31); day += kDayStride) {
    const std::u16string text = IsoText(FromDayNumber(day));
    ASSERT_EQ(CallFunction(DoyFunction, text).result, Number(day - ToDayNumber(FromDayNumber(day).year, 1, 1) + 1))
        << Narrow(text);
    // Each day takes one of the fourteen first-day and flag settings in turn.
    const int firstWeekday = (day / 3) % 7;
    const int flags = (day / 21) % 2;
    const std::u16string usText = text + u",4," + Number(firstWeekday) + u"," + Number(flags);
    ASSERT_EQ(CallFunction(UsWeekFunction, usText).result, Number(ByCountingWeeks(day, firstWeekday, flags)))
        << Narrow(usText);
  }
}

// Weekday of any day number, also of day 0 and below: shifted by whole
// weeks into positive numbers first.
constexpr int kWholeWeeksShift = 7 * 100'000;
bool NaiveIsListed(DayNumber day, int mask) { return (mask & (1 << ((day + kWholeWeeksShift) % 7))) != 0; }

// Walks one day at a time and counts the listed days it meets.
DayNumber NaiveSearch(DayNumber day, int index, int mask) {
  if (index == 0) {
    while (!NaiveIsListed(day, mask)) ++day;
    return day;
  }
  const int step = index > 0 ? 1 : -1;
  int found = 0;
  while (found != index) {
    day += step;
    if (NaiveIsListed(day, mask)) found += step;
  }
  return day;
}

TEST(StepToListedDay, EveryIndexOverEveryMaskAgreesWithANaiveSearch) {
  // A week of start days in the middle of the range, and both ends.
  const DayNumber kStarts[] = {151569, 151570, 151571, 151572, 151573, 151574, 151575, kFirstDay, kLastDay};
  for (int mask = 1; mask <= 127; ++mask) {
    for (const DayNumber start : kStarts) {
      for (int index = -kMaxSearchIndex; index <= kMaxSearchIndex; ++index) {
        ASSERT_EQ(StepToListedDay(start, index, mask), NaiveSearch(start, index, mask))
            << "mask " << mask << " start " << start << " index " << index;
      }
    }
  }
}

TEST(StepToListedDay, AnEmptyMaskFindsNothingInsteadOfSearchingForever) {
  EXPECT_EQ(StepToListedDay(151569, 0, 0), kInvalidDay);
  EXPECT_EQ(StepToListedDay(151569, 5, 128), kInvalidDay);
}

TEST(IsListedDay, DaysBeforeTheFirstKeepTheirWeekday) {
  // Day 1 was a Monday, so day 0 was a Sunday and day -6 a Monday.
  EXPECT_TRUE(IsListedDay(0, 1 << kSunday));
  EXPECT_TRUE(IsListedDay(-6, 1 << kMonday));
  EXPECT_TRUE(IsListedDay(-7, 1 << kSunday));
  EXPECT_FALSE(IsListedDay(-7, 1 << kMonday));
}

}  // namespace
