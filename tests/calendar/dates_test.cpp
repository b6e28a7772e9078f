// Dates as text: the locale snapshot, ParseDate in every form, order and
// LONGYEARS mode, and FormatDate in every format.
#include "support/kit.h"

#include <optional>

#include "calendar/english_names.h"
#include "calendar/today.h"

namespace {

// ---- RefreshLocale: the initial US English values, how each locale item is
// taken or refused, the Sunday-first placement of weekday names, title case,
// long names, and that a failed query keeps what the field held.
using platform::LocaleItem;
using platform::LocaleNameSet;

using LocaleSnapshotTest = KalendraTest;
using Answer = std::optional<std::u16string>;

// One item's answers and the field each leaves, starting from the initial
// snapshot (std::nullopt: the query fails).
template <typename Field>
struct ItemRow { Answer answer; Field expected; };

template <typename Field>
void CheckItem(LocaleItem item, Field LocaleSnapshot::*field, std::initializer_list<ItemRow<Field>> rows) {
  for (const ItemRow<Field>& row : rows) {
    Locale() = LocaleSnapshot{};
    fake::SetLocaleInfo(item, row.answer);
    RefreshLocale();
    EXPECT_EQ(Locale().*field, row.expected) << "answer " << (row.answer ? ToUtf8(*row.answer) : "(fails)");
  }
}

TEST_F(LocaleSnapshotTest, EachItemIsTakenOnlyWhenValid) {
  CheckItem<DateOrder>(LocaleItem::kShortDateOrder, &LocaleSnapshot::dateOrder,
                       {{u"0", kMonthDayYear}, {u"1", kDayMonthYear}, {u"2", kYearMonthDay},
                        {u"3", kMonthDayYear}, {u"", kMonthDayYear}, {u"1x", kMonthDayYear},
                        {std::nullopt, kMonthDayYear}});
  CheckItem<DateOrder>(LocaleItem::kLongDateOrder, &LocaleSnapshot::longDateOrder,
                       {{u"1", kDayMonthYear}, {u"2", kYearMonthDay}, {u"-1", kMonthDayYear}});
  CheckItem<KChar>(LocaleItem::kDateSeparator, &LocaleSnapshot::dateSeparator,
                   {{u"-", u'-'}, {u".", u'.'}, {u"/", u'/'}, {u",", u'/'}, {u". ", u'/'}, {u"", u'/'},
                    {std::nullopt, u'/'}});
  CheckItem<KChar>(LocaleItem::kTimeSeparator, &LocaleSnapshot::timeSeparator,
                   {{u".", u'.'}, {u":", u':'}, {u"h", u':'}, {u"::", u':'}});
  CheckItem<KChar>(LocaleItem::kDecimalSeparator, &LocaleSnapshot::decimalSeparator,
                   {{u",", u','}, {u".", u'.'}, {u"'", u'.'}, {u",,", u'.'}});
  CheckItem<int>(LocaleItem::kFirstDayOfWeek, &LocaleSnapshot::firstWeekday,
                 {{u"0", kMonday}, {u"5", kSaturday}, {u"6", kSunday}, {u"7", kSunday}, {u"x", kSunday}});
}

TEST_F(LocaleSnapshotTest, WeekdayNamesMoveToSundayFirst) {
  const char16_t* kGerman[] = {u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag", u"Samstag", u"Sonntag"};
  for (int monday1 = 1; monday1 <= 7; ++monday1) {
    fake::SetLocaleName(LocaleNameSet::kWeekday, monday1, kGerman[monday1 - 1]);
    fake::SetLocaleName(LocaleNameSet::kAbbreviatedWeekday, monday1, std::u16string(kGerman[monday1 - 1]).substr(0, 2));
  }
  RefreshLocale();
  const std::u16string kSundayFirst[] = {u"Sonntag", u"Montag", u"Dienstag", u"Mittwoch",
                                         u"Donnerstag", u"Freitag", u"Samstag"};
  for (int weekday = kSunday; weekday <= kSaturday; ++weekday) {
    EXPECT_EQ(Locale().weekdayNames[weekday].View(), kSundayFirst[weekday]) << weekday;
    EXPECT_EQ(Locale().abbreviatedWeekdayNames[weekday].View(), kSundayFirst[weekday].substr(0, 2)) << weekday;
  }
}

TEST_F(LocaleSnapshotTest, TitleCaseMonthNames) {
  const struct { std::u16string name, titleCase; } kTable[] = {
      {u"janvier", u"Janvier"}, {u"März", u"März"}, {u"tháng một", u"Tháng Một"}, {u"x  y\tz", u"X  Y\tZ"},
      {u" leading", u" Leading"}, {u"", u""},
  };
  for (const auto& row : kTable) {
    fake::SetLocaleName(LocaleNameSet::kMonth, 1, row.name);
    RefreshLocale();
    EXPECT_EQ(Locale().titleCaseMonthNames[1].View(), row.titleCase) << ToUtf8(row.name);
    EXPECT_EQ(Locale().monthNames[1].View(), row.name) << ToUtf8(row.name);
  }
  EXPECT_EQ(Locale().titleCaseMonthNames[12].View(), u"December");
}

TEST_F(LocaleSnapshotTest, LongTextsAreCutWithoutSplittingASurrogatePair) {
  const std::u16string kPair = u"\U0001D11E";  // two UTF-16 units
  const struct { std::u16string name; std::u16string kept; } kTable[] = {
      {std::u16string(79, u'a'), std::u16string(79, u'a')}, {std::u16string(80, u'a'), std::u16string(79, u'a')},
      {std::u16string(200, u'a'), std::u16string(79, u'a')},
      {std::u16string(78, u'a') + kPair, std::u16string(78, u'a')},
      {std::u16string(77, u'a') + kPair, std::u16string(77, u'a') + kPair},
  };
  for (const auto& row : kTable) {
    fake::SetLocaleName(LocaleNameSet::kMonth, 5, row.name);
    RefreshLocale();
    EXPECT_EQ(Locale().monthNames[5].View(), row.kept) << row.name.size();
    EXPECT_EQ(Locale().monthNames[5].c_str()[row.kept.size()], u'\0');
  }
  fake::SetLocaleInfo(LocaleItem::kEnglishCountryName, std::u16string(300, u'c'));
  RefreshLocale();
  EXPECT_EQ(Locale().holidayCountry.View(), std::u16string(127, u'c'));
}

TEST_F(LocaleSnapshotTest, FailedQueriesKeepTheLastValues) {
  fake::SetLocaleInfo(LocaleItem::kShortDateOrder, u"1");
  fake::SetLocaleInfo(LocaleItem::kDateSeparator, u".");
  fake::SetLocaleInfo(LocaleItem::kFirstDayOfWeek, u"0");
  fake::SetLocaleInfo(LocaleItem::kEnglishCountryName, u"Germany");
  fake::SetLocaleName(LocaleNameSet::kMonth, 3, u"März");
  fake::SetLocaleName(LocaleNameSet::kAbbreviatedWeekday, 7, u"So");
  RefreshLocale();
  for (const LocaleItem item : {LocaleItem::kShortDateOrder, LocaleItem::kDateSeparator,
                                LocaleItem::kFirstDayOfWeek, LocaleItem::kEnglishCountryName}) {
    fake::SetLocaleInfo(item, std::nullopt);
  }
  fake::SetLocaleName(LocaleNameSet::kMonth, 3, std::nullopt);
  fake::SetLocaleName(LocaleNameSet::kAbbreviatedWeekday, 7, std::nullopt);
  RefreshLocale();
  EXPECT_EQ(Locale().dateOrder, kDayMonthYear);
  EXPECT_EQ(Locale().dateSeparator, u'.');
  EXPECT_EQ(Locale().firstWeekday, kMonday);
  EXPECT_EQ(Locale().holidayCountry.View(), u"Germany");
  EXPECT_EQ(Locale().monthNames[3].View(), u"März");
  EXPECT_EQ(Locale().titleCaseMonthNames[3].View(), u"März");
  EXPECT_EQ(Locale().abbreviatedWeekdayNames[0].View(), u"So");
}

TEST_F(LocaleSnapshotTest, OverridesLastUntilTheNextRefresh) {
  RefreshLocale();
  Locale().holidayCountry.Assign(u"Canada");
  Locale().firstWeekday = kSaturday;
  RefreshLocale();
  EXPECT_EQ(Locale().holidayCountry.View(), u"United States");
  EXPECT_EQ(Locale().firstWeekday, kSunday);
}

// ---- ParseDate: every form, under every order and LONGYEARS mode, with the
// failures of each form; the reading order. That every written date reads
// back is the round trip's business.
using Expected = std::optional<CalendarDate>;
constexpr Expected kFails = std::nullopt;

constexpr LongYearsMode kAllModes[] = {LongYearsMode::kOff, LongYearsMode::kOn, LongYearsMode::kStrict};

class ParseDateTest : public KalendraTest {
 protected:
  // Parses and checks that a failure leaves the output untouched.
  static Expected Parse(std::u16string_view text, DateFormat format) {
    constexpr CalendarDate kUntouched{1234, 5, 6};
    CalendarDate date = kUntouched;
    const int result = ParseDate(text, date, format);
    if (result == 0) return date;
    EXPECT_EQ(result, -1) << ToUtf8(text);
    EXPECT_EQ(date, kUntouched) << ToUtf8(text);
    return std::nullopt;
  }
};

// Forms whose reading no order and no mode changes: ISO dates, day counts
// and offsets from today (the fake today is 2015-03-07, day 151276).
struct FixedRow { std::u16string text; Expected expected; };

const FixedRow kOrderFreeTable[] = {
    // ISO calendar dates, extended with any separators, and basic.
    {u"2015-12-25", CalendarDate{2015, 12, 25}}, {u"2015.12-25", CalendarDate{2015, 12, 25}},
    {u"20151225", CalendarDate{2015, 12, 25}}, {u"20151225T1200", CalendarDate{2015, 12, 25}},
    {u"16010101", CalendarDate{1601, 1, 1}}, {u"99991231", CalendarDate{9999, 12, 31}},
    {u"2016-2-29", CalendarDate{2016, 2, 29}}, {u"2015-02-29", kFails}, {u"2015-12-00", kFails}, {u"16001231", kFails},
    {u"2015-12-25T12", kFails},  // only the basic form may be followed by more
    {u" 2015-12-25", kFails}, {u"2015-12-", kFails},
    // Week dates.
    {u"2015-W01-1", CalendarDate{2014, 12, 29}}, {u"2015-w01-1", CalendarDate{2014, 12, 29}},
    {u"2009-W53-7", CalendarDate{2010, 1, 3}}, {u"1601-W01-1", CalendarDate{1601, 1, 1}},
    {u"9999-W52-5", CalendarDate{9999, 12, 31}}, {u"9999-W52-6", kFails}, {u"2016-W53-1", kFails},
    {u"2015-W00-1", kFails}, {u"2015-W01-0", kFails}, {u"2015-W01-8", kFails}, {u"2015-W01", kFails},
    {u"2015-W01-1x", kFails}, {u"2015W011", kFails}, {u"1600-W52-1", kFails},
    // Ordinal dates.
    {u"2016-366", CalendarDate{2016, 12, 31}}, {u"2015-366", kFails}, {u"2016-060", CalendarDate{2016, 2, 29}},
    {u"2015-12", CalendarDate{2015, 1, 12}}, {u"2015-000", kFails}, {u"2015-367", kFails}, {u"2015-060x", kFails},
    // Day counts from the three origins.
    {u"0", CalendarDate{1980, 1, 1}}, {u"D0", CalendarDate{1980, 1, 1}}, {u"-1", CalendarDate{1979, 12, 31}},
    {u"-138426", CalendarDate{1601, 1, 1}}, {u"2929244", CalendarDate{9999, 12, 31}}, {u"-138427", kFails},
    {u"2929245", kFails}, {u"D99999999999", kFails}, {u"A1", CalendarDate{1601, 1, 1}},
    {u"A3067671", CalendarDate{9999, 12, 31}}, {u"A3067672", kFails}, {u"A0", kFails},
    {u"U0", CalendarDate{1970, 1, 1}}, {u"u+0", CalendarDate{1970, 1, 1}}, {u"U-134774", CalendarDate{1601, 1, 1}},
    {u"U-134775", kFails}, {u"D", kFails}, {u"D+-1", kFails}, {u"D1x", kFails},
    // Today and offsets from it.
    {u"t", CalendarDate{2015, 3, 7}}, {u"today", CalendarDate{2015, 3, 7}}, {u"T+1", CalendarDate{2015, 3, 8}},
    {u"t-1", CalendarDate{2015, 3, 6}}, {u"T-151275", CalendarDate{1601, 1, 1}},
    {u"T+2916395", CalendarDate{9999, 12, 31}}, {u"T-151276", kFails}, {u"T+2916396", kFails},
    {u"T+99999999999", kFails}, {u"999999999999999999999999999999", kFails}, {u"T+1x", kFails}, {u"T1", kFails},
    {u"today1", kFails},
    // Not dates.
    {u"", kFails}, {u"+", kFails}, {u"Mar 7 2015", kFails}, {u"x2015-12-25", kFails},
};

TEST_F(ParseDateTest, OrderFreeFormsReadAlikeUnderEveryOrderAndMode) {
  for (const LongYearsMode mode : kAllModes) {
    SetLongYearsMode(mode);
    for (DateFormat order = 0; order <= 4; ++order) {
      for (const FixedRow& row : kOrderFreeTable) {
        EXPECT_EQ(Parse(row.text, order), row.expected)
            << ToUtf8(row.text) << " order " << order << " mode " << ModeName(mode);
      }
    }
  }
}

// Local dates, whose reading depends on the order and on STRICT.
struct LocalRow {
  std::u16string text;
  DateFormat order;
  Expected offOrOn;  // LONGYEARS OFF and ON read alike
  Expected strict;
};

const LocalRow kLocalTable[] = {
    // Two-digit years: 0..79 are 2000..2079, 80..99 are 1980..1999.
    {u"12/25/15", 1, CalendarDate{2015, 12, 25}, kFails}, {u"12/25/15", 2, kFails, kFails},
    {u"25/12/15", 2, CalendarDate{2015, 12, 25}, kFails}, {u"25/12/15", 1, kFails, kFails},
    {u"15/12/25", 3, CalendarDate{2015, 12, 25}, kFails}, {u"15/12/25", 4, CalendarDate{2015, 12, 25}, kFails},
    {u"1/2/79", 1, CalendarDate{2079, 1, 2}, kFails}, {u"1/2/80", 1, CalendarDate{1980, 1, 2}, kFails},
    {u"1/2/100", 1, kFails, kFails}, {u"1/2/1980", 1, CalendarDate{1980, 1, 2}, CalendarDate{1980, 1, 2}},
    {u"1/2/1980", 2, CalendarDate{1980, 2, 1}, CalendarDate{1980, 2, 1}},
    {u"99/12/31", 3, CalendarDate{1999, 12, 31}, kFails},
    // Four-digit years in every order, separators in any mix.
    {u"12/25/2015", 1, CalendarDate{2015, 12, 25}, CalendarDate{2015, 12, 25}},
    {u"25.12.2015", 2, CalendarDate{2015, 12, 25}, CalendarDate{2015, 12, 25}},
    {u"2/29/2016", 1, CalendarDate{2016, 2, 29}, CalendarDate{2016, 2, 29}}, {u"2/29/2015", 1, kFails, kFails},
    {u"2/29/16", 1, CalendarDate{2016, 2, 29}, kFails},
    {u"12/31/9999", 1, CalendarDate{9999, 12, 31}, CalendarDate{9999, 12, 31}}, {u"1/1/1600", 1, kFails, kFails},
    {u"0/1/2015", 1, kFails, kFails}, {u"4/31/2015", 1, kFails, kFails}, {u"12/25/2015x", 1, kFails, kFails},
    // A leading year 1601..9999 wins over the order.
    {u"2015/12/25", 2, CalendarDate{2015, 12, 25}, CalendarDate{2015, 12, 25}}, {u"2015/25/12", 2, kFails, kFails},
    // Without a year: this year (the fake today's 2015), month first unless
    // the order is day-month-year.
    {u"12/25", 1, CalendarDate{2015, 12, 25}, kFails}, {u"25/12", 2, CalendarDate{2015, 12, 25}, kFails},
    {u"12/25", 2, kFails, kFails}, {u"2/29", 1, kFails, kFails}, {u"12/25x", 1, kFails, kFails},
    // An order outside 1..4 in the word means the locale's (here 1); the
    // higher bits are ignored.
    {u"12/25/15", 0, CalendarDate{2015, 12, 25}, kFails}, {u"25/12/15", 258, CalendarDate{2015, 12, 25}, kFails},
};

TEST_F(ParseDateTest, LocalDatesFollowTheOrderAndStrictYears) {
  for (const LongYearsMode mode : kAllModes) {
    SetLongYearsMode(mode);
    for (const LocalRow& row : kLocalTable) {
      const Expected& expected = mode == LongYearsMode::kStrict ? row.strict : row.offOrOn;
      EXPECT_EQ(Parse(row.text, row.order), expected)
          << ToUtf8(row.text) << " order " << row.order << " mode " << ModeName(mode);
    }
  }
}

TEST_F(ParseDateTest, TheLocaleOrderDecidesWhenTheWordDoesNot) {
  const struct { int localeOrder; std::u16string text; Expected expected; } kTable[] = {
      {1, u"03/07/15", CalendarDate{2015, 3, 7}}, {2, u"03/07/15", CalendarDate{2015, 7, 3}},
      {3, u"03/07/15", CalendarDate{2003, 7, 15}}, {2, u"7/3", CalendarDate{2015, 3, 7}},
      {3, u"7/3", CalendarDate{2015, 7, 3}},
  };
  for (const auto& row : kTable) {
    UseLocaleOrder(row.localeOrder);
    EXPECT_EQ(Parse(row.text, 0), row.expected) << ToUtf8(row.text) << " locale order " << row.localeOrder;
  }
}

TEST_F(ParseDateTest, HolidayYearReadsIsoOrderInThatYear) {
  SetHolidayYear(2020);
  const FixedRow kTable[] = {
      {u"12/25", CalendarDate{2020, 12, 25}}, {u"2/29", CalendarDate{2020, 2, 29}},
      {u"2021-12-25", CalendarDate{2021, 12, 25}}, {u"20/12/25", CalendarDate{2020, 12, 25}},
      {u"12/25/15", kFails},  // read as year 2012, month 25
  };
  for (const LongYearsMode mode : kAllModes) {
    SetLongYearsMode(mode);
    for (const FixedRow& row : kTable) {
      const bool twoDigitYear = row.text == u"20/12/25";
      const Expected expected = (twoDigitYear && mode == LongYearsMode::kStrict) ? kFails : row.expected;
      for (DateFormat order = 0; order <= 4; ++order) {
        EXPECT_EQ(Parse(row.text, order), expected)
            << ToUtf8(row.text) << " order " << order << " mode " << ModeName(mode);
      }
    }
  }
}

TEST_F(ParseDateTest, ReadingOrder) {
  UseLocaleOrder(2);
  const struct {
    DateFormat format;
    int order;
  } kTable[] = {{0, 2}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 2}, {255, 2}, {257, 1}, {256, 2}, {0x104, 4}};
  for (const auto& row : kTable) EXPECT_EQ(ReadingOrder(row.format), row.order) << row.format;
  SetHolidayYear(2020);
  for (const auto& row : kTable) EXPECT_EQ(ReadingOrder(row.format), 4) << row.format;
}

TEST_F(ParseDateTest, TodayFollowsTheClock) {
  fake::SetNow({9999, 12, 31, 23, 59, 0, 0});
  EXPECT_EQ(Parse(u"T", 0), (CalendarDate{9999, 12, 31}));
  EXPECT_EQ(Parse(u"T+1", 0), kFails);
  EXPECT_EQ(Parse(u"12/31", 0), (CalendarDate{9999, 12, 31}));
  fake::SetNow({2016, 1, 1, 0, 0, 0, 0});
  EXPECT_EQ(Parse(u"2/29", 0), (CalendarDate{2016, 2, 29}));
}

// ---- FormatDate: every format number, the year width under bit 8 and
// LONGYEARS, the locale's separator, order and names, the holiday year, the
// hand-over to the system for formats 32 to 35, and the two ISO variables.
using platform::LocaleDateStyle;
using platform::LocaleItem;
using platform::LocaleNameSet;

class FormatDateTest : public KalendraTest {
 protected:
  static std::u16string Format(const CalendarDate& date, DateFormat format) {
    std::array<KChar, kHostBufferLength> buffer{};
    buffer.fill(u'#');  // whatever the caller's text was
    buffer.back() = u'\0';
    EXPECT_EQ(FormatDate(buffer.data(), date, format), 0);
    return buffer.data();
  }
};

constexpr CalendarDate kMarch7{2015, 3, 7};  // a Saturday; also the fake today

struct FormatRow { CalendarDate date; DateFormat format; std::u16string expected; };

TEST_F(FormatDateTest, EveryFormatNumberUnderTheDefaultLocale) {
  const FormatRow kTable[] = {
      {kMarch7, 0, u"03/07/15"}, {kMarch7, 256, u"03/07/2015"}, {kMarch7, 257, u"03/07/2015"},
      {kMarch7, 2, u"07/03/15"}, {kMarch7, 258, u"07/03/2015"}, {kMarch7, 3, u"15/03/07"},
      {kMarch7, 259, u"2015/03/07"}, {kMarch7, 4, u"2015-03-07"}, {kMarch7, 5, u"2015-W10-6"},
      {kMarch7, 6, u"2015-066"}, {kMarch7, 16, u"+12849"}, {kMarch7, 17, u"Saturday, March 7, 2015"},
      {kMarch7, 18, u"T+0"}, {kMarch7, 19, u"A+151276"}, {kMarch7, 20, u"20150307"}, {kMarch7, 21, u"U+16501"},
      {kMarch7, 145, u"Saturday, March 7, 2015"},
      // The year width and the edges of the counts.
      {{1601, 1, 1}, 3, u"01/01/01"}, {{1980, 1, 1}, 16, u"+0"}, {{1979, 12, 31}, 16, u"-1"},
      {{1970, 1, 1}, 21, u"U+0"}, {{2015, 3, 6}, 18, u"T-1"}, {{1601, 1, 1}, 19, u"A+1"},
      {{9999, 12, 31}, 19, u"A+3067671"}, {{2008, 12, 29}, 5, u"2009-W01-1"},
      // Higher bits are ignored.
      {kMarch7, 0x201, u"03/07/15"},
  };
  for (const FormatRow& row : kTable) {
    EXPECT_EQ(Format(row.date, row.format), row.expected) << row.date << " format " << row.format;
  }
}

TEST_F(FormatDateTest, NumbersWithoutAMeaningWriteLikeFormatFour) {
  for (DateFormat format = 0; format < 512; ++format) {
    const int number = FormatNumber(format);
    const bool ownMeaning = number <= 6 || (number >= 16 && number <= 21) || (number >= 32 && number <= 35) ||
                            number == 145;
    if (!ownMeaning) {
      EXPECT_EQ(Format(kMarch7, format), u"2015-03-07") << "format " << format;
    }
  }
}

TEST_F(FormatDateTest, LongYearsWidenOnlyTheLocalFormats) {
  for (const LongYearsMode mode : {LongYearsMode::kOn, LongYearsMode::kStrict}) {
    SetLongYearsMode(mode);
    const FormatRow kTable[] = {
        {kMarch7, 0, u"03/07/2015"}, {kMarch7, 1, u"03/07/2015"}, {kMarch7, 2, u"07/03/2015"},
        {kMarch7, 3, u"2015/03/07"}, {kMarch7, 4, u"2015-03-07"}, {kMarch7, 6, u"2015-066"},
        {kMarch7, 20, u"20150307"},  {kMarch7, 257, u"03/07/2015"},
    };
    for (const FormatRow& row : kTable) {
      EXPECT_EQ(Format(row.date, row.format), row.expected) << "format " << row.format << " mode " << ModeName(mode);
    }
  }
}

TEST_F(FormatDateTest, TheLocaleGivesOrderSeparatorAndNames) {
  UseLocaleOrder(2, u".");
  EXPECT_EQ(Format(kMarch7, 0), u"07.03.15");
  EXPECT_EQ(Format(kMarch7, 256), u"07.03.2015");
  EXPECT_EQ(Format(kMarch7, 1), u"03.07.15");
  UseLocaleOrder(3, u"-");
  EXPECT_EQ(Format(kMarch7, 0), u"15-03-07");
  EXPECT_EQ(Format(kMarch7, 256), u"2015-03-07");
  UseLocaleOrder(1, u",");  // not a date separator: the last one stays
  EXPECT_EQ(Format(kMarch7, 0), u"03-07-15");

  fake::SetLocaleInfo(LocaleItem::kLongDateOrder, u"1");
  fake::SetLocaleName(LocaleNameSet::kMonth, 3, u"März");
  fake::SetLocaleName(LocaleNameSet::kWeekday, 6, u"Samstag");
  RefreshLocale();
  EXPECT_EQ(Format(kMarch7, 17), u"Saturday, 7 March 2015");
  EXPECT_EQ(Format(kMarch7, 145), u"Samstag, 7 März 2015");
}

TEST_F(FormatDateTest, HolidayYearWritesEveryFormatAsIso) {
  SetHolidayYear(2015);
  SetLongYearsMode(LongYearsMode::kOn);
  for (DateFormat format = 0; format < 512; ++format) {
    EXPECT_EQ(Format(kMarch7, format), u"2015-03-07") << "format " << format;
  }
}

TEST_F(FormatDateTest, LocaleFormatsAskTheSystemWithTheDateAndItsWeekday) {
  // The fake describes the call: style flag, date, weekday (0 = Sunday), picture.
  const FormatRow kTable[] = {
      {kMarch7, 32, u"2:2015-3-7:6:"}, {kMarch7, 33, u"1:2015-3-7:6:"}, {kMarch7, 34, u"4:2015-3-7:6:"},
      {kMarch7, 35, u"0:2015-3-7:6:"},  // no dateform: the default date
      {{9999, 12, 31}, 33, u"1:9999-12-31:5:"}, {kMarch7, 256 + 33, u"1:2015-3-7:6:"},
  };
  for (const FormatRow& row : kTable) {
    EXPECT_EQ(Format(row.date, row.format), row.expected) << row.date << " format " << row.format;
  }
}

TEST_F(FormatDateTest, LocaleFormatsAreCutToTheirCapacityAndEmptyOnFailure) {
  fake::SetLocaleDateFormatter([](LocaleDateStyle, const platform::LocaleDate&, std::u16string_view) {
    return std::optional<std::u16string>(std::u16string(5000, u'x'));
  });
  EXPECT_EQ(Format(kMarch7, 32), std::u16string(kLocaleDateCapacity - 1, u'x'));
  fake::SetLocaleDateFormatter([](LocaleDateStyle, const platform::LocaleDate&, std::u16string_view) {
    return std::optional<std::u16string>();
  });
  for (DateFormat format = 32; format <= 35; ++format) EXPECT_EQ(Format(kMarch7, format), u"") << format;
}

}  // namespace
