// Holidays from files and through the functions: "holidays.ini", the
// sample file against published calendars, and the four holiday functions.
#include "support/kit.h"

#include <cstdio>

#include "holidays/holiday_file.h"

namespace {

// ---- "holidays.ini": the path beside the plug-in, both encodings, section
// selection, comments, and the fall-back to the built-in rules.
using Rules = std::vector<std::u16string>;

class HolidayFileTest : public KalendraTest {
 protected:
  // Loads the file for the country; the rules in file order.
  static Rules Load(std::u16string_view country, int expectedResult = 0) {
    Locale().holidayCountry.Assign(country);
    EXPECT_EQ(LoadHolidayFile(), expectedResult) << Narrow(country);
    Rules rules = LoadedRules();
    std::reverse(rules.begin(), rules.end());
    return rules;
  }
};

constexpr std::string_view kTwoCountries =
    "; holidays\n"
    "*-01-02\n"                          // before any header: ignored
    "[Germany]\n"
    "*-10-03   ; Tag der Deutschen Einheit\n"
    "  %@easter[,,,1]  \n"
    "\n"
    "%@if[1;2,*-05-01,x] ; a \";\" inside brackets stays\n"
    "[France]\r\n"
    "*-07-14\r\n"
    "[ Germany ]\n"                     // blanks inside the brackets: another name
    "*-08-15\n"
    "[GERMANY] ; again\n"
    "*-12-26\n";

TEST_F(HolidayFileTest, SelectsEverySectionOfTheCountryInBothEncodings) {
  for (const test::FileEncoding encoding : {test::FileEncoding::kEightBit, test::FileEncoding::kUtf16WithBom}) {
    WriteHolidayFile(kTwoCountries, encoding);
    EXPECT_EQ(Load(u"Germany"), (Rules{u"*-10-03", u"%@easter[,,,1]", u"%@if[1;2,*-05-01,x]", u"*-12-26"}));
    EXPECT_EQ(Load(u"germany"), Load(u"Germany"));
    EXPECT_EQ(Load(u"France"), Rules{u"*-07-14"});
    EXPECT_EQ(Load(u" Germany "), Rules{u"*-08-15"});
    EXPECT_EQ(Load(u"Spain", -1), Rules{});
  }
}

TEST_F(HolidayFileTest, NonAsciiTextSurvivesBothEncodings) {
  for (const test::FileEncoding encoding : {test::FileEncoding::kEightBit, test::FileEncoding::kUtf16WithBom}) {
    WriteHolidayFile("[Österreich]\n*-10-26 ; Nationalfeiertag\n", encoding);
    EXPECT_EQ(Load(u"Österreich"), Rules{u"*-10-26"});
  }
}

TEST_F(HolidayFileTest, LoadingEmptiesTheListFirst) {
  AddHolidayRules(u"/H:*-12-24");
  WriteHolidayFile("[Germany]\n*-10-03\n");
  EXPECT_EQ(Load(u"Germany"), Rules{u"*-10-03"});
  AddHolidayRules(u"/H:*-12-24");
  EXPECT_EQ(Load(u"France", -1), Rules{});
}

TEST_F(HolidayFileTest, AFolderNamedLikeTheFileIsNoFile) {
  std::filesystem::create_directory(folder_ / "holidays.ini");
  EXPECT_EQ(Load(u"Germany", -1), Rules{});
}

TEST_F(HolidayFileTest, CountryNamesUpTo125CharactersSelectASection) {
  const std::u16string longest(kMaxCountryNameLength, u'N');
  WriteHolidayFile("[" + std::string(kMaxCountryNameLength, 'N') + "]\n*-01-02\n[" +
                   std::string(kMaxCountryNameLength + 1, 'N') + "]\n*-01-03\n");
  EXPECT_EQ(Load(longest), Rules{u"*-01-02"});
  EXPECT_EQ(Load(longest + u"N", -1), Rules{});
}

TEST_F(HolidayFileTest, OverlongLinesAreCutByTheShellsLineReader) {
  // A rule longer than a line may be is not read whole; the rest of the
  // file is still read.
  WriteHolidayFile("[Germany]\n*-10-03" + std::string(9000, ' ') + "\n*-12-26\n");
  const Rules rules = Load(u"Germany");
  ASSERT_FALSE(rules.empty());
  EXPECT_EQ(rules.back(), u"*-12-26");
}

struct PathRow { std::u16string modulePath; std::optional<std::u16string> expected; };

TEST(HolidayFilePath, TheFileLiesInThePluginsFolder) {
  const PathRow kTable[] = {
      {u"/opt/kalendra/libkalendra.so", u"/opt/kalendra/holidays.ini"},
      {u"C:\\Tools\\Plugins\\kalendra-x64.dll", u"C:\\Tools\\Plugins\\holidays.ini"},
      {u"Z:\\tmp/mixed\\kalendra-x64.dll", u"Z:\\tmp/mixed\\holidays.ini"}, {u"/libkalendra.so", u"/holidays.ini"},
      {u"libkalendra.so", std::nullopt}, {u"", std::nullopt},
      {u"/" + std::u16string(kMaxModulePathLength, u'x'), std::nullopt},
  };
  for (const PathRow& row : kTable) {
    fake::SetModulePath(row.modulePath);
    EXPECT_EQ(HolidayFilePath(), row.expected) << Narrow(row.modulePath.substr(0, 40));
  }
  fake::Reset();
}

struct CleanRow { std::u16string line; std::u16string expected; };

TEST(CleanRuleLine, CutsCommentsOutsideBracketsAndTrims) {
  const CleanRow kTable[] = {
      {u"", u""}, {u"   \t ", u""}, {u"; comment", u""}, {u"*-12-26 ; Boxing Day", u"*-12-26"},
      {u"\t*-12-26\t", u"*-12-26"}, {u"%@if[a;b,1,2];c", u"%@if[a;b,1,2]"}, {u"%@x[[;]];c", u"%@x[[;]]"},
      {u"a];b", u"a]"}, {u"[Germany] ; c", u"[Germany]"},
  };
  for (const CleanRow& row : kTable) EXPECT_EQ(CleanRuleLine(row.line), row.expected) << Narrow(row.line);
}

// ---- The sample "holidays.ini" shipped in data/: each country section marks the
// public holidays of that country, checked against published calendars.
using Days = std::vector<std::string>;

struct SectionYearRow { std::u16string country; int year; Days expected; };

class SampleHolidaysTest : public KalendraTest {
 protected:
  void SetUp() override {
    KalendraTest::SetUp();
    std::filesystem::copy_file(KALENDRA_SAMPLE_HOLIDAYS, folder_ / "holidays.ini");
  }
};

TEST_F(SampleHolidaysTest, EachSectionMarksItsCountrysHolidays) {
  const SectionYearRow kTable[] = {
      {u"United States", 2016, {"01-01", "01-18", "02-15", "05-30", "07-04", "09-05", "10-10", "11-11", "11-24",
                                "12-25", "12-26"}},
      {u"United States", 2021, {"01-01", "01-18", "02-15", "05-31", "06-18", "06-19", "07-04", "07-05", "09-06",
                                "10-11", "11-11", "11-25", "12-24", "12-25"}},
      {u"United States", 1975, {"01-01", "02-17", "05-26", "07-04", "09-01", "10-13", "10-27", "11-27", "12-25"}},
      {u"Canada", 2018, {"01-01", "03-30", "05-21", "07-01", "07-02", "09-03", "10-08", "11-11", "12-25", "12-26"}},
      {u"Canada", 2023, {"01-01", "04-07", "05-22", "07-01", "09-04", "09-30", "10-09", "11-11", "12-25", "12-26"}},
      {u"United Kingdom", 2020, {"01-01", "04-10", "04-13", "05-08", "05-25", "08-31", "12-25", "12-26", "12-28"}},
      {u"United Kingdom", 2021, {"01-01", "04-02", "04-05", "05-03", "05-31", "08-30", "12-25", "12-26", "12-27",
                                 "12-28"}},
      {u"United Kingdom", 2022, {"01-01", "01-03", "04-15", "04-18", "05-02", "06-02", "06-03", "08-29", "09-19",
                                 "12-25", "12-26", "12-27"}},
      {u"Germany", 2016, {"01-01", "03-25", "03-28", "05-01", "05-05", "05-16", "10-03", "12-25", "12-26"}},
      {u"Germany", 2017, {"01-01", "04-14", "04-17", "05-01", "05-25", "06-05", "10-03", "10-31", "12-25", "12-26"}},
      {u"Germany", 1993, {"01-01", "04-09", "04-12", "05-01", "05-20", "05-31", "10-03", "11-17", "12-25", "12-26"}},
      {u"Germany", 1985, {"01-01", "04-05", "04-08", "05-01", "05-16", "05-27", "06-17", "12-25", "12-26"}},
      {u"France", 2016, {"01-01", "03-28", "05-01", "05-05", "05-08", "05-16", "07-14", "08-15", "11-01", "11-11",
                         "12-25"}},
      {u"France", 2024, {"01-01", "04-01", "05-01", "05-08", "05-09", "05-20", "07-14", "08-15", "11-01", "11-11",
                         "12-25"}},
      {u"Australia", 2021, {"01-01", "01-26", "04-02", "04-05", "04-25", "06-14", "12-25", "12-26", "12-27",
                            "12-28"}},
      {u"Australia", 2022, {"01-01", "01-03", "01-26", "04-15", "04-18", "04-25", "06-13", "12-25", "12-26",
                            "12-27"}},
  };
  for (const SectionYearRow& row : kTable) {
    Locale().holidayCountry.Assign(row.country);
    ASSERT_EQ(LoadHolidayFile(), 0) << ToUtf8(row.country);
    std::u16string err;
    EXPECT_EQ(MarkedDays(row.year, &err), row.expected) << ToUtf8(row.country) << " " << row.year;
    EXPECT_EQ(err, u"") << ToUtf8(row.country) << " " << row.year;
  }
}

// Christmas and Boxing Day substitutes follow from the weekday of Christmas:
// Friday moves Boxing Day to Monday 28; Saturday gives Monday 27 and Tuesday
// 28; Sunday gives Tuesday 27.
Days ChristmasSubstitutes(int year) {
  const int christmas = WeekdayOf(ToDayNumber(year, 12, 25));
  if (christmas == kFriday) return {"12-28"};
  if (christmas == kSaturday) return {"12-27", "12-28"};
  if (christmas == kSunday) return {"12-27"};
  return {};
}

TEST_F(SampleHolidaysTest, ChristmasSubstitutesHoldForEveryYearOfTheCycle) {
  for (const std::u16string country : {u"United Kingdom", u"Australia"}) {
    Locale().holidayCountry.Assign(country);
    ASSERT_EQ(LoadHolidayFile(), 0);
    for (int year = 1971; year <= 2099; ++year) {
      Days december;  // the days substitutes fall on
      for (const std::string& day : MarkedDays(year)) {
        if (day == "12-27" || day == "12-28") december.push_back(day);
      }
      ASSERT_EQ(december, ChristmasSubstitutes(year)) << ToUtf8(country) << " " << year;
    }
  }
}

// ---- @easter, @holiday, @isholiday and @inlieu through their buffers: every
// argument, default and message, the "*" mode against today, and the
// observed-day table against the weekday each mode names.
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
