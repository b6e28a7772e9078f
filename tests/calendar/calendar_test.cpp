// The calendar: day numbers, weekdays and ISO weeks, today and its
// variables, and the names of weekdays and months.
#include "support/kit.h"

#include <climits>

#include "calendar/english_names.h"
#include "calendar/names.h"
#include "calendar/today.h"

namespace {

// ---- Day numbers, weekdays and ISO weeks: fixed points from the calendar's
// rules, and whole-range walks against computations written differently.
struct DayNumberRow { int year, month, day; DayNumber expected; };

constexpr DayNumberRow kDayNumberTable[] = {
    {1601, 1, 1, 1},        {9999, 12, 31, 3067671}, {1970, 1, 1, 134775},   {1980, 1, 1, 138427},
    {1600, 12, 31, -1},     {10000, 1, 1, -1},       {1900, 2, 29, -1},      {2100, 2, 29, -1},
    {2000, 2, 29, 145791},  {2015, 12, 25, 151569},  {2015, 2, 29, -1},      {2015, 4, 31, -1},
    {2015, 0, 1, -1},       {2015, 13, 1, -1},       {2015, 1, 0, -1},       {2015, 1, 32, -1},
    {-1, 1, 1, -1},         {INT_MAX, 1, 1, -1},     {2015, INT_MIN, 1, -1}, {2016, 2, 29, 151635},
};

TEST(DayNumber, FixedPointsAndInvalidTriples) {
  for (const DayNumberRow& row : kDayNumberTable) {
    EXPECT_EQ(ToDayNumber(row.year, row.month, row.day), row.expected)
        << row.year << "-" << row.month << "-" << row.day;
  }
}

TEST(DayNumber, LeapYearRule) {
  constexpr struct {
    int year, leap;
  } kLeapTable[] = {{1600, 1}, {1700, 0}, {1800, 0}, {1900, 0}, {2000, 1}, {2004, 1},
                    {2015, 0}, {2016, 1}, {2100, 0}, {2400, 1}, {9996, 1}, {9999, 0}};
  for (const auto& row : kLeapTable) EXPECT_EQ(IsLeapYear(row.year), row.leap) << row.year;
}

// The next calendar day, computed with the month table alone.
CalendarDate NextDay(CalendarDate date) {
  if (date.day < MonthLength(date.month, IsLeapYear(date.year))) return {date.year, date.month, date.day + 1};
  if (date.month < 12) return {date.year, date.month + 1, 1};
  return {date.year + 1, 1, 1};
}

TEST(DayNumber, EveryDayOfTheRangeRoundTripsAndAdvancesByOne) {
  CalendarDate expected{1601, 1, 1};
  int weekday = kMonday;
  for (DayNumber day = kFirstDay; day <= kLastDay; ++day) {
    const CalendarDate date = FromDayNumber(day);
    ASSERT_EQ(date, expected) << "day " << day;
    ASSERT_EQ(ToDayNumber(date), day) << "day " << day;
    ASSERT_EQ(WeekdayOf(day), weekday) << "day " << day;
    expected = NextDay(expected);
    weekday = (weekday + 1) % 7;
  }
  EXPECT_EQ(expected, (CalendarDate{10000, 1, 1}));
}

// The clocks' civil conversion, written differently (days from 1970 for
// any year, by 400-year eras from March), agrees with the calendar's on
// every day of the range.
TEST(CivilTime, AgreesWithDayNumbersOnEveryDay) {
  for (DayNumber day = kFirstDay; day <= kLastDay; ++day) {
    const CalendarDate date = FromDayNumber(day);
    const civil::CivilDate civilDate = civil::CivilFromDays(day - kDay19700101);
    ASSERT_EQ(civilDate, (civil::CivilDate{date.year, date.month, date.day})) << day;
    ASSERT_EQ(civil::DaysFromCivil(date.year, date.month, date.day), day - kDay19700101) << day;
  }
}

// Fields out of range carry over as timegm's do, and years before 1 and
// after 9999 count on (Julian day 0 is -4713-11-24 in the proleptic
// Gregorian calendar, 2440588 days before 1970).
TEST(CivilTime, CarriesFieldsAndCountsBeyondTheCalendar) {
  const struct { std::int64_t year, month, day, days; } kTable[] = {
      {2015, 2, 30, civil::DaysFromCivil(2015, 3, 2)}, {2015, 13, 1, civil::DaysFromCivil(2016, 1, 1)},
      {2015, 0, 1, civil::DaysFromCivil(2014, 12, 1)}, {2016, 3, 0, civil::DaysFromCivil(2016, 2, 29)},
      {1970, 1, 1, 0},                                  {-4713, 11, 24, -2440588},
      {1601, 1, 1, -civil::kDaysFrom1601To1970},        {10000, 1, 1, kLastDay - kDay19700101 + 1},
  };
  for (const auto& row : kTable) {
    EXPECT_EQ(civil::DaysFromCivil(row.year, row.month, row.day), row.days) << row.year << "-" << row.month;
  }
  EXPECT_EQ(civil::CivilFromDays(-2440588), (civil::CivilDate{-4713, 11, 24}));
  EXPECT_EQ(civil::SecondsFromCivil(1970, 1, 1, 0, 0, -1), -1);
  const civil::CivilSeconds lastSecond = civil::CivilFromSeconds(-1);
  EXPECT_EQ(lastSecond.date, (civil::CivilDate{1969, 12, 31}));
  EXPECT_EQ(lastSecond.hour * 3600 + lastSecond.minute * 60 + lastSecond.second, 86399);
}

TEST(DayNumber, OutsideTheRangeGivesNoDate) {
  for (const DayNumber day : {0, -1, kLastDay + 1, INT_MAX, INT_MIN}) {
    EXPECT_EQ(FromDayNumber(day), CalendarDate{}) << day;
  }
}

TEST(IsoWeek, WeekOneStart) {
  EXPECT_EQ(WeekOneStart(1601), 0);
  EXPECT_EQ(WeekOneStart(2015), -3);
  EXPECT_EQ(WeekOneStart(2016), 3);
  EXPECT_EQ(WeekOneStart(1600), -999);
  EXPECT_EQ(WeekOneStart(10000), -999);
}

// ISO week of a day by its week's Thursday: the Thursday's year is the
// week-year and its day of the year fixes the week.
IsoWeekDate IsoWeekByThursday(DayNumber day) {
  const int isoWeekday = (day % 7 + 6) % 7 + 1;
  const CalendarDate thursday = FromDayNumber(day - isoWeekday + 4);
  const int thursdayOrdinal = day - isoWeekday + 4 - ToDayNumber(thursday.year, 1, 1) + 1;
  return {thursday.year, (thursdayOrdinal - 1) / 7 + 1, isoWeekday};
}

TEST(IsoWeek, EveryDayAgreesWithTheThursdayRule) {
  // The first three days have their Thursday in the range; so has the last.
  for (DayNumber day = kFirstDay; day <= kLastDay; ++day) {
    const IsoWeekDate expected = IsoWeekByThursday(day);
    ASSERT_EQ(ToIsoWeekDate(FromDayNumber(day)), expected) << "day " << day;
  }
}

TEST(IsoWeek, WeeksInYearIsTheWeekOfDecember28) {
  for (int year = kFirstYear; year <= kLastYear; ++year) {
    ASSERT_EQ(IsoWeeksInYear(year), ToIsoWeekDate({year, 12, 28}).week) << year;
  }
}

// ---- Today and the internal variables that report it, under a frozen clock.
using TodayTest = KalendraTest;

// Today is read again at the next local midnight, in a zone an hour east
// (with an hour's saving in summer), and at once when the zone changes.
TEST_F(TodayTest, MidnightAndAChangeOfZoneAreSeenOnTheNextCall) {
  fake::SetZone({60, 60});
  fake::SetUtcNow({2015, 3, 7, 22, 59, 58, 0});
  fake::SetNow({2015, 3, 7, 23, 59, 58, 0});
  EXPECT_EQ(Today(), (CalendarDate{2015, 3, 7}));
  fake::AdvanceClocks(1);  // 23:59:59
  EXPECT_EQ(Today(), (CalendarDate{2015, 3, 7}));
  fake::AdvanceClocks(1);  // midnight
  EXPECT_EQ(Today(), (CalendarDate{2015, 3, 8}));
  fake::SetNow({2015, 3, 7, 23, 0, 0, 0});  // the zone moved an hour west
  EXPECT_EQ(Today(), (CalendarDate{2015, 3, 7}));
  // In summer the day ends at 22:00 UTC.
  fake::SetUtcNow({2015, 7, 1, 21, 59, 59, 0});
  fake::SetNow({2015, 7, 1, 23, 59, 59, 0});
  EXPECT_EQ(Today(), (CalendarDate{2015, 7, 1}));
  fake::AdvanceClocks(1);
  EXPECT_EQ(Today(), (CalendarDate{2015, 7, 2}));
}

TEST_F(TodayTest, IsAfterTodayComparesYearThenMonthThenDay) {
  fake::SetNow({2015, 6, 15, 12, 0, 0, 0});
  const struct { CalendarDate date; bool after; } kTable[] = {
      {{2015, 6, 15}, false}, {{2015, 6, 16}, true},  {{2015, 6, 14}, false}, {{2015, 7, 1}, true},
      {{2015, 5, 31}, false}, {{2016, 1, 1}, true},   {{2014, 12, 31}, false}, {{2014, 7, 16}, false},
      {{2016, 5, 14}, true},  {{9999, 12, 31}, true}, {{1601, 1, 1}, false},
  };
  for (const auto& row : kTable) {
    EXPECT_EQ(IsAfterToday(row.date), row.after) << row.date.year << "-" << row.date.month << "-" << row.date.day;
  }
}

struct VariableRow {
  platform::SystemDateTime now;
  const char16_t* isoWeekYear;
  const char16_t* isoWeek;
  const char16_t* isoWeekday;
  const char16_t* t4;
};

TEST_F(TodayTest, WeekVariablesAndTheTime) {
  const VariableRow kTable[] = {
      {{2015, 3, 7, 13, 45, 30, 0}, u"2015", u"10", u"6", u"1345"},
      {{2008, 12, 29, 0, 0, 0, 0}, u"2009", u"1", u"1", u"0000"},
      {{2010, 1, 3, 23, 59, 59, 999}, u"2009", u"53", u"7", u"2359"},
      {{2016, 12, 31, 9, 5, 0, 0}, u"2016", u"52", u"6", u"0905"},
      {{9999, 12, 31, 12, 0, 0, 0}, u"9999", u"52", u"5", u"1200"},
  };
  for (const VariableRow& row : kTable) {
    fake::SetNow(row.now);
    SCOPED_TRACE(testing::Message() << row.now.year << "-" << row.now.month << "-" << row.now.day);
    EXPECT_EQ(CallFunction(IsoWeekYearVariable, u"").result, row.isoWeekYear);
    EXPECT_EQ(CallFunction(IsoWeekVariable, u"").result, row.isoWeek);
    EXPECT_EQ(CallFunction(IsoWeekdayVariable, u"").result, row.isoWeekday);
    const FunctionOutcome t4 = CallFunction(TimeT4Variable, u"");
    EXPECT_EQ(t4.result, row.t4);
    EXPECT_EQ(t4.status, 0);
    EXPECT_TRUE(t4.out.empty() && t4.err.empty());
  }
}

// ---- Weekday and month names, weekday lists and years: the edge cases, the
// locale's names before the English ones, and every two-day range against a
// day-by-day count.
using platform::LocaleNameSet;

struct NameRow { std::u16string text; int expected; };

class NamesTest : public KalendraTest {
 protected:
  // German abbreviations, Monday first as the locale numbers them.
  static void UseGermanNames() {
    const char16_t* kDays[] = {u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa", u"So"};
    const char16_t* kMonths[] = {u"Jan", u"Feb", u"Mär", u"Apr", u"Mai", u"Jun",
                                 u"Jul", u"Aug", u"Sep", u"Okt", u"Nov", u"Dez"};
    for (int i = 1; i <= 7; ++i) fake::SetLocaleName(LocaleNameSet::kAbbreviatedWeekday, i, kDays[i - 1]);
    for (int i = 1; i <= 12; ++i) fake::SetLocaleName(LocaleNameSet::kAbbreviatedMonth, i, kMonths[i - 1]);
    RefreshLocale();
  }
};

TEST_F(NamesTest, ParseWeekday) {
  const NameRow kTable[] = {
      {u"0", 0},      {u"7", 0},     {u"1", 1},      {u"6", 6},        {u"07", 0},     {u"8", -1},
      {u"99999999999", -1},          {u"1x", -1},    {u"Sun", 0},      {u"sun", 0},    {u"SU", 0},
      {u"Th", 4},     {u"thursday", 4}, {u"Tuesday", 2}, {u"Tux", 2},  {u"Mo", 1},     {u"Sa", 6},
      {u"T", -1},     {u"", -1},     {u"-1", -1},    {u" Mon", -1},    {u"Xy", -1},    {u"Mi", -1},
  };
  for (const NameRow& row : kTable) EXPECT_EQ(ParseWeekday(row.text), row.expected) << ToUtf8(row.text);
}

TEST_F(NamesTest, ParseMonth) {
  const NameRow kTable[] = {
      {u"12", 12},   {u"1", 1},     {u"01", 1},   {u"13", -1},  {u"0", -1},     {u"12x", -1}, {u"Dec", 12},
      {u"dec", 12},  {u"DECEMBER", 12}, {u"Sept", 9}, {u"Sep", 9}, {u"Jan", 1},  {u"Ju", -1},  {u"Jun", 6},
      {u"Jul", 7},   {u"Mai", -1},  {u"", -1},    {u"-1", -1},  {u"99999999999", -1},       {u"Mä", -1},
  };
  for (const NameRow& row : kTable) EXPECT_EQ(ParseMonth(row.text), row.expected) << ToUtf8(row.text);
}

TEST_F(NamesTest, LocaleNamesAreWholeWordsTriedFirst) {
  UseGermanNames();
  const NameRow kWeekdays[] = {{u"So", 0}, {u"mo", 1}, {u"Di", 2}, {u"MI", 3}, {u"Do", 4}, {u"Sa", 6},
                               {u"Sun", 0}, {u"Mon", 1}, {u"Dienstag", -1}, {u"Mit", -1}};
  for (const NameRow& row : kWeekdays) EXPECT_EQ(ParseWeekday(row.text), row.expected) << ToUtf8(row.text);
  const NameRow kMonths[] = {{u"Mär", 3}, {u"mär", 3}, {u"Mai", 5}, {u"Okt", 10}, {u"Dez", 12},
                             {u"Oct", 10}, {u"März", -1}, {u"Märch", -1}, {u"MÄR", -1}};  // only A-Z fold
  for (const NameRow& row : kMonths) EXPECT_EQ(ParseMonth(row.text), row.expected) << ToUtf8(row.text);

  // A locale name that is also an English prefix wins.
  fake::SetLocaleName(LocaleNameSet::kAbbreviatedWeekday, 7, u"Mon");  // Sunday's name
  fake::SetLocaleName(LocaleNameSet::kAbbreviatedMonth, 1, u"Dec");
  RefreshLocale();
  EXPECT_EQ(ParseWeekday(u"Mon"), 0);
  EXPECT_EQ(ParseWeekday(u"Monday"), 1);
  EXPECT_EQ(ParseMonth(u"Dec"), 1);
  EXPECT_EQ(ParseMonth(u"December"), 12);
}

TEST_F(NamesTest, ParseWeekdayToken) {
  const struct { std::u16string text; int expected; std::size_t length; } kTable[] = {
      {u"Mon", 1, 3},       {u"Mon-Fri", 1, 3},   {u"Tue..Thu", 2, 3},   {u"Wed,Fri", 3, 3},
      {u"Sat;Sun", 6, 3},   {u"Sun Mon", 0, 3},   {u"weekday", 62, 7},   {u"WEEKDAYS", 62, 8},
      {u"weekend", 65, 7},  {u"Weekends,x", 65, 8}, {u"weekendx", 3, 8}, {u"", -1, 0},
      {u"-Mon", -1, 0},     {u",", -1, 0},        {u"7", 0, 1},          {u"x", -1, 1},
  };
  for (const auto& row : kTable) {
    std::size_t length = 99;
    EXPECT_EQ(ParseWeekdayToken(row.text, length), row.expected) << ToUtf8(row.text);
    EXPECT_EQ(length, row.length) << ToUtf8(row.text);
  }
}

TEST_F(NamesTest, ParseWeekdayList) {
  const NameRow kTable[] = {
      {u"Mon-Fri", 62},    {u"weekdays", 62},   {u"Mon..Wed", 14},  {u"Fri-Mon", 99},   {u"!weekend", 62},
      {u"^Sun", 126},      {u"Mon, Wed;Fri", 42}, {u"Mon-Wed-Fri", -1}, {u"weekday-Fri", -1}, {u"", 0},
      {u"!", 127},         {u"^", 127},         {u"Sun", 1},        {u"Sat", 64},       {u"0-6", 127},
      {u"Mon-Mon", 2},     {u"Tue-Mon", 127},   {u"Sat..Sun", 65},  {u"weekend weekday", 127},
      {u"Mon,,;; Tue", 6}, {u"Mon,", 2},        {u"Mon-", -1},      {u"Mon..", -1},     {u"Mon.Tue", -1},
      {u"Mon...Tue", -1},  {u"Mon-weekend", -1}, {u"Mon-Wed.", -1},  {u"Mon..Wed..Fri", -1}, {u" Mon", -1},
      {u"!!Mon", -1},      {u"Mon Xyz", -1},    {u"Mon-Fri Sat", 126}, {u"!Mon-Fri", 65}, {u"7", 1},
      {u"8", -1},          {u"Mon - Fri", -1},
  };
  for (const NameRow& row : kTable) EXPECT_EQ(ParseWeekdayList(row.text), row.expected) << ToUtf8(row.text);
}

// Every range of two days, with both marks, against a walk that counts the
// days from the first to the last.
TEST_F(NamesTest, EveryRangeCoversTheDaysFromFirstToLast) {
  for (int first = 0; first < 7; ++first) {
    for (int last = 0; last < 7; ++last) {
      int expected = 0;
      for (int steps = 0; steps <= (last - first + 7) % 7; ++steps) expected |= 1 << ((first + steps) % 7);
      for (const std::u16string mark : {u"-", u".."}) {
        const std::u16string text = std::u16string(EnglishAbbreviation(kEnglishWeekdayNames[first])) + mark +
                                    std::u16string(EnglishAbbreviation(kEnglishWeekdayNames[last]));
        EXPECT_EQ(ParseWeekdayList(text), expected) << ToUtf8(text);
        EXPECT_EQ(ParseWeekdayList(u"!" + text), kEveryDayMask - expected) << ToUtf8(text);
      }
    }
  }
}

TEST_F(NamesTest, ParseYear) {
  const NameRow kTable[] = {
      {u"2015", 2015}, {u"", 2015},       {u"+1", 2016},       {u"-1", 2014},          {u"+0", 2015},
      {u"+7984", 9999}, {u"+7985", -1},   {u"-414", 1601},     {u"-415", -1},          {u"1601", 1601},
      {u"9999", 9999}, {u"1600", -1},     {u"10000", -1},      {u"15", -1},            {u"2015x", -1},
      {u"+1x", -1},    {u"+", -1},        {u"-", -1},          {u"+x", -1},            {u"x", -1},
      {u" 2015", -1},  {u"+99999999999", -1}, {u"-99999999999", -1}, {u"99999999999", -1}, {u"+-1", -1},
  };
  for (const NameRow& row : kTable) EXPECT_EQ(ParseYear(row.text), row.expected) << ToUtf8(row.text);
}

}  // namespace
