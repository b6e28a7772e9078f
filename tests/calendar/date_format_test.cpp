// FormatDate: every format number, the year width under bit 8 and
// LONGYEARS, the locale's separator, order and names, the holiday year, the
// hand-over to the system for formats 32 to 35, and the two ISO variables.
#include "support/kit.h"

#include "calendar/english_names.h"

namespace {

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
