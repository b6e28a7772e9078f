// RefreshLocale: the initial US English values, how each locale item is
// taken or refused, the Sunday-first placement of weekday names, title case,
// long names, and that a failed query keeps what the field held.
#include "support/kit.h"

#include <optional>

#include "calendar/english_names.h"

namespace {

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

}  // namespace
