// @easter, @holiday, @isholiday and @inlieu through their buffers: every
// argument, default and message, the "*" mode against today, and the
// observed-day table against the weekday each mode names.
#include "support/kit.h"

#include <cstdio>

namespace {

class HolidayFunctionsTest : public KalendraTest {
 protected:
  // The fake clock on a day at noon.
  static void SetToday(int year, int month, int day) { fake::SetNow({year, month, day, 12, 0, 0, 0}); }
};

// The fake clock starts on 2015-03-07 in a month-day-year locale.
TEST_F(HolidayFunctionsTest, EasterArgumentsDefaultsAndMessages) {
  ExpectCalls(u"@easter", {{u"", u"04/05/2015"}, {u"2016,,4", u"2016-03-27"}, {u"1601,1,4", u"1601-04-22"},
                           {u"9999,1,4", u"9999-06-27"}, {u"+1,,4", u"2016-03-27"}, {u"-1,,4", u"2014-04-20"},
                           {u"2015,0,4,-2", u"2015-04-03"}, {u"2015,,4,+366", u"2016-04-05"}, {u"2015,,1", u"04/05/15"},
                           {u"1600", u"! Invalid year \"1600\""}, {u"next", u"! Invalid year \"next\""},
                           {u"2015,2", u"! Invalid church \"2\""}, {u"2015,,x", u"! Bad format \"x\""},
                           {u"2015,,4,367", u"! Bad offset \"367\""}, {u"2015,,4,-367", u"! Bad offset \"-367\""},
                           {u"2015,,4,1x", u"! Bad offset \"1x\""},
                           {u"2015,,4,99999999999", u"! Bad offset \"99999999999\""},
                           {u"1601,,4,-366", u"! Resulting date out of range"},
                           {u"9999,1,4,+366", u"! Resulting date out of range"},
                           {u"1600,2,x,999", u"! Invalid year \"1600\""}});
}

// The locale is read afresh, so the default format follows a change at once.
TEST_F(HolidayFunctionsTest, EasterWritesInTheLocalesCurrentOrder) {
  ExpectCalls(u"@easter", {{u"2015", u"04/05/2015"}});
  fake::SetLocaleInfo(platform::LocaleItem::kShortDateOrder, u"1");  // day-month-year
  ExpectCalls(u"@easter", {{u"2015", u"05/04/2015"}});
}

TEST_F(HolidayFunctionsTest, HolidayArgumentsDefaultsAndMessages) {
  ExpectCalls(u"@holiday", {{u"3,1,1,2016,4", u"2016-01-18"}, {u"5,Monday,May,2016,4", u"2016-05-30"},
                            {u"last,1,5,2016,4", u"2016-05-30"}, {u"f,1,5,2016,4", u"2016-05-30"},
                            {u"2,7,5,2016,4", u"2016-05-08"}, {u"1,1,1", u"01/05/2015"},
                            {u"1,1,1,2016,4,3x", u"2016-01-07"}, {u"1,1,1,2016,4,-31", u"2015-12-04"},
                            {u"1,1,1,+1,4", u"2016-01-04"}, {u"", u"! No index"}, {u"0,1,1", u"! Bad index \"0\""},
                            {u"6,1,1", u"! Bad index \"6\""}, {u"first,1,1", u"! Bad index \"first\""},
                            {u"1", u"! No day-of-the-week"}, {u"1,8,1", u"! Bad day-of-the-week \"8\""},
                            {u"1,1", u"! No month"}, {u"1,1,13", u"! Bad month \"13\""},
                            {u"1,1,1,1600", u"! Bad year \"1600\""}, {u"1,1,1,2016,x", u"! Bad format \"x\""},
                            {u"1,1,1,2016,4,32", u"! Bad offset \"32\""},
                            {u"1,1,1,1601,4,-1", u"! Resulting date out of range"}, {u"0,8,13", u"! Bad index \"0\""}});
}

TEST_F(HolidayFunctionsTest, WhileAYearIsMarkedItIsTheDefaultAndDatesAreIso) {
  SetHolidayYear(2020);
  ExpectCalls(u"@easter", {{u"", u"2020-04-12"}, {u",,1", u"2020-04-12"}});
  ExpectCalls(u"@holiday", {{u"3,1,1", u"2020-01-20"}});
  ExpectCalls(u"@easter", {{u"2016", u"2016-03-27"}});
  SetHolidayYear(0);
}

TEST_F(HolidayFunctionsTest, StarGivesTheNextOccurrenceAfterToday) {
  struct Row { CalendarDate today; std::u16string_view text; std::u16string_view expected; };
  const Row kTable[] = {
      {{2015, 4, 4}, u"*,,4", u"2015-04-05"},   // the day before Easter
      {{2015, 4, 5}, u"*,,4", u"2016-03-27"},   // Easter Sunday itself
      {{2015, 4, 6}, u"*,,4", u"2016-03-27"},   // the day after
      {{2015, 3, 7}, u"*,,4,-366", u"2015-03-27"},
      {{2015, 3, 7}, u"*,,4,366", u"2015-04-21"},  // Easter 2014 shifted: an earlier year wins
      {{2015, 3, 7}, u"*,1,4", u"2015-04-12"}, {{9999, 12, 31}, u"*,,4", u"! Resulting date out of range"},
  };
  for (const Row& row : kTable) {
    SetToday(row.today.year, row.today.month, row.today.day);
    ExpectCalls(u"@easter", {{row.text, row.expected}});
  }
  SetToday(2015, 3, 7);
  ExpectCalls(u"@holiday", {{u"3,1,1,*,4", u"2016-01-18"}, {u"2,7,5,*,4", u"2015-05-10"}, {u"1,6,3,*,4", u"2016-03-05"},
                            {u"1,6,3,*,4,1", u"2015-03-08"}});
  SetHolidayYear(2030);  // the search starts from the year being marked and walks back
  ExpectCalls(u"@easter", {{u"*", u"2015-04-05"}});
  SetHolidayYear(0);
}

TEST_F(HolidayFunctionsTest, IsHolidayWithTheBuiltInRules) {
  ExpectCalls(u"@isholiday", {{u"", u"0"}, {u"2015-02-29", u"! Invalid date \"2015-02-29\""},
                              {u"x,y", u"! Invalid date format \"y\""}});
  SetToday(2015, 12, 25);
  ExpectCalls(u"@isholiday", {{u"", u"1"}});
}

TEST_F(HolidayFunctionsTest, IsHolidayReadsTheCountrysSectionOnEveryCall) {
  WriteHolidayFile("[United Kingdom]\n*-12-26 ; Boxing Day\n[Germany]\n*-10-03\n");
  ExpectCalls(u"@isholiday", {{u"2015-12-26,,United Kingdom", u"1"}, {u"2015-12-25,,United Kingdom", u"0"},
                              {u"2015-10-03,,germany", u"1"}, {u"2015-12-25", u"1"}, {u"2015-10-03", u"0"},
                              {u"2015-12-25,,Spain", u"1"}});
  fake::SetLocaleInfo(platform::LocaleItem::kEnglishCountryName, u"Germany");
  ExpectCalls(u"@isholiday", {{u"2015-10-03", u"1"}});
  WriteHolidayFile("[Germany]\n*-10-04\n");
  ExpectCalls(u"@isholiday", {{u"2015-10-04", u"1"}});
}

TEST_F(HolidayFunctionsTest, ARuleThatCallsIsHolidayGetsADefinedAnswer) {
  WriteHolidayFile("[Germany]\n%@isholiday[*-10-03]\n*-10-03\n");
  const FunctionOutcome outcome = Call(u"@isholiday", u"2015-10-03,,Germany");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.result, u"1");
  EXPECT_EQ(outcome.err, u"KALENDRA plugin: @isholiday cannot be used inside a holiday rule\r\n");
}

TEST_F(HolidayFunctionsTest, InLieuArgumentsAndMessages) {
  ExpectCalls(u"@inlieu", {{u"2015-07-04", u"07/03/2015"}, {u"", u"03/06/2015"}, {u"07/04/2015 1", u"07/03/15"},
                           {u"2015-07-04,x", u"! Invalid date format \"x\""},
                           {u"2015-07-32", u"! Invalid date \"2015-07-32\""},
                           {u"9999-12-31,4,4", u"! Resulting date out of range"},
                           {u"1601-01-02,4,5", u"! Resulting date out of range"}});
}

// Where each mode sends each weekday, in words: the weekday the holiday
// moves to and whether it moves back or forward (none: it stays).
struct Move {
  int to;
  int direction;  // -1 back, +1 forward, 0 stays
};

constexpr Move kStays{-1, 0};

constexpr Move kBack(int to) { return {to, -1}; }
constexpr Move kForward(int to) { return {to, +1}; }

TEST_F(HolidayFunctionsTest, InLieuMovesEachWeekdayToTheDayItsModeNames) {
  // Rows by mode, columns Sunday to Saturday.
  const Move kModes[6][7] = {
      {kForward(kMonday), kStays, kStays, kStays, kStays, kStays, kBack(kFriday)},
      {kBack(kFriday), kStays, kStays, kStays, kStays, kStays, kBack(kFriday)},
      {kForward(kMonday), kStays, kStays, kStays, kStays, kStays, kForward(kMonday)},
      {kForward(kMonday), kStays, kStays, kStays, kStays, kStays, kStays},
      {kStays, kStays, kBack(kMonday), kBack(kMonday), kBack(kMonday), kForward(kMonday), kStays},
      {kStays, kStays, kBack(kFriday), kForward(kFriday), kStays, kStays, kStays},
  };
  // A week from Sunday 2015-12-27 to Saturday 2016-01-02.
  for (int mode = 0; mode < 6; ++mode) {
    for (int weekday = kSunday; weekday <= kSaturday; ++weekday) {
      const DayNumber day = ToDayNumber(2015, 12, 27) + weekday;
      const Move move = kModes[mode][weekday];
      DayNumber expected = day;
      while (move.direction != 0 && (expected == day || WeekdayOf(expected) != move.to)) expected += move.direction;
      const std::u16string text = IsoText(FromDayNumber(day)) + u",4," + Widen(std::to_string(mode));
      ExpectCalls(u"@inlieu", {{text, IsoText(FromDayNumber(expected))}});
    }
  }
}

}  // namespace
