// The platform back-end linked into this program, tested against the system:
// the clock against the standard clock and a zone the test fixes, the module
// path against the program's own file name, the environment against values
// that the test's environment holds (see CMakeLists.txt), the locale's date
// pictures against its own names. Locale texts are never written into a
// test: each system has its own locale data.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "frame/text.h"

namespace kalendra {
namespace {

using namespace std::chrono;
// Failure messages show texts as UTF-8.
std::string Narrow(std::u16string_view text) { return ToUtf8(text); }

// The zone the test runs in (its environment sets TZ): no daylight saving
// time, and an offset that is not a whole number of hours.
constexpr std::string_view kZone = "Asia/Kolkata";
constexpr minutes kZoneOffset{5 * 60 + 30};

// The local time as if it were UTC: local minus UTC is the zone's offset.
sys_time<milliseconds> AsSysTime(const platform::SystemDateTime& t) {
  const year_month_day date{year{t.year}, month{static_cast<unsigned>(t.month)}, day{static_cast<unsigned>(t.day)}};
  EXPECT_TRUE(date.ok()) << t.year << "-" << t.month << "-" << t.day;
  return sys_days{date} + hours{t.hour} + minutes{t.minute} + seconds{t.second} + milliseconds{t.millisecond};
}

TEST(LocalNow, IsTheSystemClockInTheLocalZone) {
  const char* zone = std::getenv("TZ");
  ASSERT_NE(zone, nullptr);
  ASSERT_EQ(std::string_view(zone), kZone);

  const auto before = time_point_cast<milliseconds>(system_clock::now());
  const platform::SystemDateTime now = platform::LocalNow();
  const auto after = time_point_cast<milliseconds>(system_clock::now());

  EXPECT_GE(now.hour, 0);
  EXPECT_LE(now.hour, 23);
  EXPECT_GE(now.millisecond, 0);
  EXPECT_LE(now.millisecond, 999);
  const milliseconds offset = AsSysTime(now) - before;
  // The two clocks may tick at different moments; allow one tick each way.
  constexpr milliseconds kTick{20};
  EXPECT_GE(offset, kZoneOffset - kTick);
  EXPECT_LE(offset, kZoneOffset + (after - before) + kTick);
}

TEST(UtcNow, IsTheSystemClock) {
  const auto before = time_point_cast<milliseconds>(system_clock::now());
  const platform::SystemDateTime now = platform::UtcNow();
  const auto after = time_point_cast<milliseconds>(system_clock::now());
  constexpr milliseconds kTick{20};
  EXPECT_GE(AsSysTime(now), before - kTick);
  EXPECT_LE(AsSysTime(now), after + kTick);
}

TEST(ModulePath, NamesTheFileThisCodeRunsFrom) {
  // Linked into a program, the back-end lives in the program's own file.
  const std::u16string path = platform::ModulePath();
  const std::size_t cut = path.find_last_of(u"/\\");
  ASSERT_NE(cut, std::u16string::npos) << Narrow(path);
  EXPECT_EQ(Narrow(path.substr(cut + 1)), KALENDRA_TEST_PROGRAM);
  // A full path: from the root, or from a drive letter.
  const bool fromRoot = path.starts_with(u"/");
  const bool fromDrive = path.size() > 3 && path[1] == u':' && path[2] == u'\\';
  EXPECT_TRUE(fromRoot || fromDrive) << Narrow(path);
}

TEST(EnvironmentValue, ReadsVariablesAsUtf16) {
  const struct { std::u16string name, expected; } kTable[] = {
      {u"KALENDRA_TEST_TEXT", u"Gr\u00FC\u00DFe \u20AC \U0001D11E"},  // two bytes, three, four
      {u"KALENDRA_TEST_EMPTY", u""}, {u"KALENDRA_TEST_UNSET_VARIABLE", u""},
  };
  for (const auto& row : kTable) {
    EXPECT_EQ(Narrow(platform::EnvironmentValue(row.name)), Narrow(row.expected)) << Narrow(row.name);
  }
}

TEST(EnvironmentValue, ReadsALongValueWhole) {
  // Longer than any fixed buffer a back-end might start with.
  const std::u16string value = platform::EnvironmentValue(u"KALENDRA_TEST_LONG");
  ASSERT_EQ(value.size(), 10000u);
  for (std::size_t i = 0; i < value.size(); ++i) ASSERT_EQ(value[i], u'0' + i % 10) << "at " << i;
}

// ---- Locale ------------------------------------------------------------------

using platform::LocaleDateStyle;
using platform::LocaleItem;
using platform::LocaleNameSet;

// 2015-03-07, a Saturday (weekday 6 counted from Sunday).
constexpr platform::LocaleDate kSaturday{2015, 3, 7, 6};

std::u16string NameOf(LocaleNameSet set, int index) { return platform::LocaleName(set, index).value_or(u"(none)"); }

std::u16string Formatted(std::u16string_view picture, const platform::LocaleDate& date = kSaturday) {
  return platform::FormatLocaleDate(LocaleDateStyle::kPicture, date, picture).value_or(u"(none)");
}

TEST(LocaleName, GivesEveryNameOfEachSetAndNoOther) {
  const struct { LocaleNameSet set; int count; } kSets[] = {
      {LocaleNameSet::kMonth, 12}, {LocaleNameSet::kAbbreviatedMonth, 12}, {LocaleNameSet::kWeekday, 7},
      {LocaleNameSet::kAbbreviatedWeekday, 7},
  };
  platform::ReloadLocaleIfChanged();
  for (const auto& row : kSets) {
    std::set<std::u16string> distinct;
    for (int index = 1; index <= row.count; ++index) {
      const std::optional<std::u16string> name = platform::LocaleName(row.set, index);
      ASSERT_TRUE(name.has_value()) << "set " << static_cast<int>(row.set) << " index " << index;
      EXPECT_FALSE(name->empty()) << "set " << static_cast<int>(row.set) << " index " << index;
      distinct.insert(*name);
    }
    EXPECT_EQ(distinct.size(), static_cast<std::size_t>(row.count)) << "set " << static_cast<int>(row.set);
    for (const int outside : {-1, 0, row.count + 1}) {
      EXPECT_FALSE(platform::LocaleName(row.set, outside).has_value())
          << "set " << static_cast<int>(row.set) << " index " << outside;
    }
  }
}

TEST(LocaleInfo, NumberedItemsHoldOneOfTheirValues) {
  const struct { LocaleItem item; std::set<std::u16string> values; } kTable[] = {
      {LocaleItem::kShortDateOrder, {u"0", u"1", u"2"}}, {LocaleItem::kLongDateOrder, {u"0", u"1", u"2"}},
      {LocaleItem::kFirstDayOfWeek, {u"0", u"1", u"2", u"3", u"4", u"5", u"6"}},
  };
  platform::ReloadLocaleIfChanged();
  for (const auto& row : kTable) {
    const std::optional<std::u16string> value = platform::LocaleInfo(row.item);
    ASSERT_TRUE(value.has_value()) << static_cast<int>(row.item);
    EXPECT_TRUE(row.values.contains(*value)) << static_cast<int>(row.item) << ": " << Narrow(*value);
  }
  for (const LocaleItem item : {LocaleItem::kDateSeparator, LocaleItem::kTimeSeparator, LocaleItem::kDecimalSeparator}) {
    const std::optional<std::u16string> value = platform::LocaleInfo(item);
    ASSERT_TRUE(value.has_value()) << static_cast<int>(item);
    EXPECT_FALSE(value->empty()) << static_cast<int>(item);
  }
}

// Only what every system agrees on: Wine writes "y" with a leading zero, "yyy"
// as the whole year and drops "''", unlike the picture language platform.h
// describes, so those are left to the tests of the back-end that emulates it.
TEST(FormatLocaleDate, WritesNumbersAndLiteralsOfAPicture) {
  const struct { std::u16string picture; platform::LocaleDate date; std::u16string expected; } kTable[] = {
      {u"d/M/yyyy", kSaturday, u"7/3/2015"}, {u"dd.MM.yy", kSaturday, u"07.03.15"},
      {u"yyyy-MM-dd", {1601, 1, 2, 3}, u"1601-01-02"}, {u"yy", {2005, 1, 2, 0}, u"05"}, {u"yy", {2000, 1, 2, 0}, u"00"},
      {u"'d' d 'of the' M", kSaturday, u"d 7 of the 3"},  // quoted text stands as it is
      {u"[d]", kSaturday, u"[7]"},
  };
  platform::ReloadLocaleIfChanged();
  for (const auto& row : kTable) {
    EXPECT_EQ(Narrow(Formatted(row.picture, row.date)), Narrow(row.expected)) << Narrow(row.picture);
  }
}

TEST(FormatLocaleDate, WritesTheLocalesOwnNames) {
  platform::ReloadLocaleIfChanged();
  // Weekday names count from Monday = 1, so Saturday is 6.
  EXPECT_EQ(Narrow(Formatted(u"dddd")), Narrow(NameOf(LocaleNameSet::kWeekday, 6)));
  EXPECT_EQ(Narrow(Formatted(u"ddd")), Narrow(NameOf(LocaleNameSet::kAbbreviatedWeekday, 6)));
  EXPECT_EQ(Narrow(Formatted(u"MMMM")), Narrow(NameOf(LocaleNameSet::kMonth, 3)));
  EXPECT_EQ(Narrow(Formatted(u"MMM")), Narrow(NameOf(LocaleNameSet::kAbbreviatedMonth, 3)));
  EXPECT_EQ(Narrow(Formatted(u"dddd|d", {2015, 3, 8, 0})),
            Narrow(NameOf(LocaleNameSet::kWeekday, 7) + u"|8"));  // Sunday
}

TEST(FormatLocaleDate, AnEmptyPictureIsTheShortDate) {
  platform::ReloadLocaleIfChanged();
  const std::optional<std::u16string> shortDate =
      platform::FormatLocaleDate(LocaleDateStyle::kShortDate, kSaturday, u"");
  ASSERT_TRUE(shortDate.has_value());
  EXPECT_EQ(Narrow(Formatted(u"")), Narrow(*shortDate));
  const std::optional<std::u16string> longDate = platform::FormatLocaleDate(LocaleDateStyle::kLongDate, kSaturday, u"");
  ASSERT_TRUE(longDate.has_value());
  EXPECT_NE(longDate->find(NameOf(LocaleNameSet::kMonth, 3)), std::u16string::npos) << Narrow(*longDate);
}

}  // namespace
}  // namespace kalendra
