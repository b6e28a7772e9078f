// @easter, @holiday, @isholiday and @inlieu through their buffers: every
// argument, default and message, the "*" mode against today, and the
// observed-day table against the weekday each mode names.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "calendar/day_number.h"
#include "calendar/holiday_year.h"
#include "frame/text.h"
#include "holiday_fixture.h"
#include "holidays/floating_functions.h"
#include "holidays/holiday_functions.h"
#include "platform/fake/fake_platform.h"
#include "support/function_call.h"

namespace kalendra {
namespace {

using test::ExpectRows;
using test::IsoText;

class HolidayFunctionsTest : public test::HolidayTest {
 protected:
  // The fake clock on a day at noon.
  static void SetToday(int year, int month, int day) { fake::SetNow({year, month, day, 12, 0, 0, 0}); }
};

constexpr auto kEaster = EasterFunction;
constexpr auto kHoliday = HolidayFunction;
constexpr auto kIsHoliday = IsHolidayFunction;
constexpr auto kInLieu = InLieuFunction;

// The fake clock starts on 2015-03-07 in a month-day-year locale.
TEST_F(HolidayFunctionsTest, EasterArgumentsDefaultsAndMessages) {
  ExpectRows({
      {"@easter", kEaster, u"", u"04/05/2015"},
      {"@easter", kEaster, u"2016,,4", u"2016-03-27"},
      {"@easter", kEaster, u"1601,1,4", u"1601-04-22"},
      {"@easter", kEaster, u"9999,1,4", u"9999-06-27"},
      {"@easter", kEaster, u"+1,,4", u"2016-03-27"},
      {"@easter", kEaster, u"-1,,4", u"2014-04-20"},
      {"@easter", kEaster, u"2015,0,4,-2", u"2015-04-03"},
      {"@easter", kEaster, u"2015,,4,+366", u"2016-04-05"},
      {"@easter", kEaster, u"2015,,1", u"04/05/15"},
      {"@easter", kEaster, u"1600", u"! Invalid year \"1600\""},
      {"@easter", kEaster, u"next", u"! Invalid year \"next\""},
      {"@easter", kEaster, u"2015,2", u"! Invalid church \"2\""},
      {"@easter", kEaster, u"2015,,x", u"! Bad format \"x\""},
      {"@easter", kEaster, u"2015,,4,367", u"! Bad offset \"367\""},
      {"@easter", kEaster, u"2015,,4,-367", u"! Bad offset \"-367\""},
      {"@easter", kEaster, u"2015,,4,1x", u"! Bad offset \"1x\""},
      {"@easter", kEaster, u"2015,,4,99999999999", u"! Bad offset \"99999999999\""},
      {"@easter", kEaster, u"1601,,4,-366", u"! Resulting date out of range"},
      {"@easter", kEaster, u"9999,1,4,+366", u"! Resulting date out of range"},
      {"@easter", kEaster, u"1600,2,x,999", u"! Invalid year \"1600\""},  // the first failure ends the call
  });
}

// The locale is read afresh, so the default format follows a change at once.
TEST_F(HolidayFunctionsTest, EasterWritesInTheLocalesCurrentOrder) {
  ExpectRows({{"@easter", kEaster, u"2015", u"04/05/2015"}});
  fake::SetLocaleInfo(platform::LocaleItem::kShortDateOrder, u"1");  // day-month-year
  ExpectRows({{"@easter", kEaster, u"2015", u"05/04/2015"}});
}

TEST_F(HolidayFunctionsTest, HolidayArgumentsDefaultsAndMessages) {
  ExpectRows({
      {"@holiday", kHoliday, u"3,1,1,2016,4", u"2016-01-18"},
      {"@holiday", kHoliday, u"5,Monday,May,2016,4", u"2016-05-30"},
      {"@holiday", kHoliday, u"last,1,5,2016,4", u"2016-05-30"},
      {"@holiday", kHoliday, u"f,1,5,2016,4", u"2016-05-30"},
      {"@holiday", kHoliday, u"2,7,5,2016,4", u"2016-05-08"},
      {"@holiday", kHoliday, u"1,1,1", u"01/05/2015"},
      {"@holiday", kHoliday, u"1,1,1,2016,4,3x", u"2016-01-07"},
      {"@holiday", kHoliday, u"1,1,1,2016,4,-31", u"2015-12-04"},
      {"@holiday", kHoliday, u"1,1,1,+1,4", u"2016-01-04"},
      {"@holiday", kHoliday, u"", u"! No index"},
      {"@holiday", kHoliday, u"0,1,1", u"! Bad index \"0\""},
      {"@holiday", kHoliday, u"6,1,1", u"! Bad index \"6\""},
      {"@holiday", kHoliday, u"first,1,1", u"! Bad index \"first\""},
      {"@holiday", kHoliday, u"1", u"! No day-of-the-week"},
      {"@holiday", kHoliday, u"1,8,1", u"! Bad day-of-the-week \"8\""},
      {"@holiday", kHoliday, u"1,1", u"! No month"},
      {"@holiday", kHoliday, u"1,1,13", u"! Bad month \"13\""},
      {"@holiday", kHoliday, u"1,1,1,1600", u"! Bad year \"1600\""},
      {"@holiday", kHoliday, u"1,1,1,2016,x", u"! Bad format \"x\""},
      {"@holiday", kHoliday, u"1,1,1,2016,4,32", u"! Bad offset \"32\""},
      {"@holiday", kHoliday, u"1,1,1,1601,4,-1", u"! Resulting date out of range"},
      {"@holiday", kHoliday, u"0,8,13", u"! Bad index \"0\""},
  });
}

TEST_F(HolidayFunctionsTest, WhileAYearIsMarkedItIsTheDefaultAndDatesAreIso) {
  SetHolidayYear(2020);
  ExpectRows({
      {"@easter", kEaster, u"", u"2020-04-12"},
      {"@easter", kEaster, u",,1", u"2020-04-12"},
      {"@holiday", kHoliday, u"3,1,1", u"2020-01-20"},
      {"@easter", kEaster, u"2016", u"2016-03-27"},
  });
  SetHolidayYear(0);
}

TEST_F(HolidayFunctionsTest, StarGivesTheNextOccurrenceAfterToday) {
  struct Row {
    CalendarDate today;
    std::u16string_view text;
    std::u16string_view expected;
  };
  const Row kTable[] = {
      {{2015, 4, 4}, u"*,,4", u"2015-04-05"},   // the day before Easter
      {{2015, 4, 5}, u"*,,4", u"2016-03-27"},   // Easter Sunday itself
      {{2015, 4, 6}, u"*,,4", u"2016-03-27"},   // the day after
      {{2015, 3, 7}, u"*,,4,-366", u"2015-03-27"},
      {{2015, 3, 7}, u"*,,4,366", u"2015-04-21"},  // Easter 2014 shifted: an earlier year wins
      {{2015, 3, 7}, u"*,1,4", u"2015-04-12"},
      {{9999, 12, 31}, u"*,,4", u"! Resulting date out of range"},
  };
  for (const Row& row : kTable) {
    SetToday(row.today.year, row.today.month, row.today.day);
    ExpectRows({{"@easter", kEaster, row.text, row.expected}});
  }
  SetToday(2015, 3, 7);
  ExpectRows({
      {"@holiday", kHoliday, u"3,1,1,*,4", u"2016-01-18"},
      {"@holiday", kHoliday, u"2,7,5,*,4", u"2015-05-10"},
      {"@holiday", kHoliday, u"1,6,3,*,4", u"2016-03-05"},   // today is the first Saturday of March
      {"@holiday", kHoliday, u"1,6,3,*,4,1", u"2015-03-08"},
  });
  SetHolidayYear(2030);  // the search starts from the year being marked and walks back
  ExpectRows({{"@easter", kEaster, u"*", u"2015-04-05"}});
  SetHolidayYear(0);
}

TEST_F(HolidayFunctionsTest, IsHolidayWithTheBuiltInRules) {
  ExpectRows({
      {"@isholiday", kIsHoliday, u"", u"0"},  // 2015-03-07
      {"@isholiday", kIsHoliday, u"2015-02-29", u"! Invalid date \"2015-02-29\""},
      {"@isholiday", kIsHoliday, u"x,y", u"! Invalid date format \"y\""},
  });
  SetToday(2015, 12, 25);
  ExpectRows({{"@isholiday", kIsHoliday, u"", u"1"}});
}

TEST_F(HolidayFunctionsTest, IsHolidayReadsTheCountrysSectionOnEveryCall) {
  WriteHolidayFile("[United Kingdom]\n*-12-26 ; Boxing Day\n[Germany]\n*-10-03\n");
  ExpectRows({
      {"@isholiday", kIsHoliday, u"2015-12-26,,United Kingdom", u"1"},
      {"@isholiday", kIsHoliday, u"2015-12-25,,United Kingdom", u"0"},
      {"@isholiday", kIsHoliday, u"2015-10-03,,germany", u"1"},
      {"@isholiday", kIsHoliday, u"2015-12-25", u"1"},  // no section for the locale's country
      {"@isholiday", kIsHoliday, u"2015-10-03", u"0"},
      {"@isholiday", kIsHoliday, u"2015-12-25,,Spain", u"1"},
  });
  fake::SetLocaleInfo(platform::LocaleItem::kEnglishCountryName, u"Germany");
  ExpectRows({{"@isholiday", kIsHoliday, u"2015-10-03", u"1"}});
  WriteHolidayFile("[Germany]\n*-10-04\n");
  ExpectRows({{"@isholiday", kIsHoliday, u"2015-10-04", u"1"}});
}

TEST_F(HolidayFunctionsTest, ARuleThatCallsIsHolidayGetsADefinedAnswer) {
  WriteHolidayFile("[Germany]\n%@isholiday[*-10-03]\n*-10-03\n");
  const test::FunctionOutcome outcome = test::CallFunction(kIsHoliday, u"2015-10-03,,Germany");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.result, u"1");
  EXPECT_EQ(outcome.err, u"KALENDRA plugin: @isholiday cannot be used inside a holiday rule\r\n");
}

TEST_F(HolidayFunctionsTest, InLieuArgumentsAndMessages) {
  ExpectRows({
      {"@inlieu", kInLieu, u"2015-07-04", u"07/03/2015"},
      {"@inlieu", kInLieu, u"", u"03/06/2015"},  // today, a Saturday
      {"@inlieu", kInLieu, u"07/04/2015 1", u"07/03/15"},
      {"@inlieu", kInLieu, u"2015-07-04,x", u"! Invalid date format \"x\""},
      {"@inlieu", kInLieu, u"2015-07-32", u"! Invalid date \"2015-07-32\""},
      {"@inlieu", kInLieu, u"9999-12-31,4,4", u"! Resulting date out of range"},
      {"@inlieu", kInLieu, u"1601-01-02,4,5", u"! Resulting date out of range"},
  });
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
      ExpectRows({{"@inlieu", kInLieu, text, IsoText(FromDayNumber(expected))}});
    }
  }
}

}  // namespace
}  // namespace kalendra
