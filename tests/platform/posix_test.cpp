// What only the POSIX back-end decides: the settings file (values
// round-trip, other lines are kept, a malformed value reads as none, a file
// that cannot be read is never replaced), the generations of the zone and
// the locale, which follow TZ, LC_ALL, LC_TIME and LANG as the shell's
// "set" changes them, the picture language and the month name a picture
// writes, which goes with the day when the picture has one, and the
// locale's short and alternative dates read back by the calendar core.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unicode/dtfmtsym.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "calendar/date_format.h"
#include "calendar/date_grammar.h"
#include "calendar/day_number.h"
#include "calendar/locale_snapshot.h"
#include "platform/platform.h"

namespace kalendra {
namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("kalendra-settings-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
  }
  void TearDown() override {
    std::filesystem::remove_all(folder_);
    ::unsetenv("XDG_CONFIG_HOME");
  }
  std::filesystem::path File() const { return folder_ / "kalendra" / "settings"; }
  std::string Contents() const {
    std::ifstream in(File());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void Write(const std::string& text) const {
    std::filesystem::create_directories(File().parent_path());
    std::ofstream(File()) << text;
  }

  std::filesystem::path folder_;
};

TEST_F(SettingsFileTest, ValuesRoundTripAndOtherLinesStay) {
  EXPECT_EQ(platform::ReadSetting(u"Qcal default colors 0", 10), std::nullopt);
  Write("# kept\nother=41\nQcal default colors 0=zz\n");
  EXPECT_EQ(platform::ReadSetting(u"Qcal default colors 0", 10), std::nullopt);  // malformed: no value
  ASSERT_TRUE(platform::WriteSetting(u"Qcal default colors 0", std::string("\x70\xC0\0\0", 4)));
  EXPECT_EQ(platform::ReadSetting(u"Qcal default colors 0", 10), std::string("\x70\xC0\0\0", 4));
  EXPECT_EQ(platform::ReadSetting(u"Qcal default colors 0", 3), std::nullopt);  // longer than asked
  EXPECT_EQ(platform::ReadSetting(u"other", 10), std::string("A"));
  EXPECT_EQ(Contents(), "# kept\nother=41\nQcal default colors 0=70C00000\n");
  ASSERT_TRUE(platform::WriteSetting(u"Qcal default colors F", "\x1E"));
  EXPECT_EQ(Contents(), "# kept\nother=41\nQcal default colors 0=70C00000\nQcal default colors F=1E\n");
  for (const auto& entry : std::filesystem::directory_iterator(File().parent_path())) {
    EXPECT_EQ(entry.path().filename(), "settings");  // no temporary file is left behind
  }
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadIsLeftAlone) {
  if (::geteuid() == 0) {
    // Root reads every file; a folder in its place cannot be read as one.
    std::filesystem::create_directories(File());
  } else {
    Write("other=41\n");
    ::chmod(File().c_str(), 0);
  }
  EXPECT_FALSE(platform::WriteSetting(u"Qcal default colors 0", "\x70"));
  EXPECT_EQ(platform::ReadSetting(u"Qcal default colors 0", 10), std::nullopt);
}

// Sets an environment variable for the test's duration.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : name_(name) {
    const char* old = std::getenv(name);
    if (old != nullptr) old_ = old;
    ::setenv(name, value, 1);
  }
  ~ScopedVariable() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(ZoneGeneration, MovesWithTzAndTheZoneFollows) {
  const platform::SystemDateTime summer{2015, 7, 1, 12, 0, 0, 0};
  std::uint64_t generation = 0;
  {
    ScopedVariable zone("TZ", "Europe/Berlin");
    generation = platform::ZoneGeneration();
    EXPECT_EQ(platform::ZoneGeneration(), generation);  // no change, no new generation
    EXPECT_EQ(platform::UtcToLocal(summer)->hour, 14);
    ::setenv("TZ", "America/New_York", 1);
    EXPECT_NE(platform::ZoneGeneration(), generation);
    EXPECT_EQ(platform::UtcToLocal(summer)->hour, 8);
    EXPECT_EQ(platform::LocalToUtc(summer)->hour, 16);
    ::setenv("TZ", "Europe/Berlin", 1);  // the C library may hand back the entry it made before
    EXPECT_EQ(platform::UtcToLocal(summer)->hour, 14);
  }
  EXPECT_NE(platform::ZoneGeneration(), generation);
}

// The clock counts calendar dates itself and leaves the rest to the C
// library: every 97th day of the calendar, at a time that moves with it,
// reads as itself through the zone of UTC (localtime_r is the oracle), the
// dates outside the calendar or its months still convert, and every
// conversion follows a change of TZ.
TEST(ClockConversions, CountCalendarDatesAsTheCLibraryDoesAndFollowTz) {
  ScopedVariable zone("TZ", "UTC0");
  for (DayNumber day = kFirstDay; day <= kLastDay; day += 97) {
    const CalendarDate date = FromDayNumber(day);
    const platform::SystemDateTime fields{date.year, date.month, date.day, day % 24, day % 60, day % 59, 7};
    ASSERT_EQ(platform::UtcToLocal(fields), fields) << date.year << "-" << date.month << "-" << date.day;
    ASSERT_EQ(platform::LocalToUtc(fields), fields) << date.year << "-" << date.month << "-" << date.day;
  }
  EXPECT_EQ(platform::UtcToLocal({2015, 2, 30, 12, 0, 0, 0}), (platform::SystemDateTime{2015, 3, 2, 12, 0, 0, 0}));
  // Each conversion sees a change of TZ made just before it.
  ::setenv("TZ", "XST-1", 1);  // one hour east of UTC, all year
  EXPECT_EQ((platform::LocalNow().hour - platform::UtcNow().hour + 24) % 24, 1);
  ::setenv("TZ", "UTC0", 1);
  constexpr platform::FileTime kTicks = 130943178050429999;
  EXPECT_EQ(platform::ToLocalFileTimeByCurrentBias(kTicks), kTicks);
  ::setenv("TZ", "XST-1", 1);
  EXPECT_EQ(platform::LocalToUtc({1601, 1, 1, 0, 30, 0, 0}), (platform::SystemDateTime{1600, 12, 31, 23, 30, 0, 0}));
  EXPECT_EQ(platform::UtcToLocal({9999, 12, 31, 23, 30, 0, 0}), (platform::SystemDateTime{10000, 1, 1, 0, 30, 0, 0}));
}

// A user selects the locale by LC_ALL, then LC_TIME, then LANG (an empty
// one counts as unset); each change makes a new generation.
TEST(LocaleGeneration, MovesWithTheSelectedLocale) {
  const struct { const char *lcAll, *lcTime, *lang; std::u16string march; } kTable[] = {
      {nullptr, nullptr, "de_DE.UTF-8", u"M\u00E4rz"}, {nullptr, "de_DE.UTF-8", "en_US.UTF-8", u"M\u00E4rz"},
      {"en_GB.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8", u"March"}, {"", "de_DE.UTF-8", "en_US.UTF-8", u"M\u00E4rz"},
      {nullptr, nullptr, nullptr, u"March"}, {nullptr, nullptr, "de_DE", u"M\u00E4rz"},
      {nullptr, nullptr, "de_DE.UTF-8@euro", u"M\u00E4rz"}, {nullptr, nullptr, "POSIX", u"March"},
      {nullptr, nullptr, "de_DE.UTF-8", u"M\u00E4rz"},  // back again: the same entry as at first
  };
  ScopedVariable all("LC_ALL", ""), time("LC_TIME", ""), lang("LANG", "");
  std::uint64_t generation = platform::ReloadLocaleIfChanged();
  std::u16string march = platform::LocaleName(platform::LocaleNameSet::kMonth, 3).value();
  for (const auto& row : kTable) {
    const std::string label = std::string(row.lcAll ? row.lcAll : "-") + " " + (row.lcTime ? row.lcTime : "-") +
                              " " + (row.lang ? row.lang : "-");
    for (const auto& [name, value] : {std::pair{"LC_ALL", row.lcAll}, {"LC_TIME", row.lcTime}, {"LANG", row.lang}}) {
      value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    const std::uint64_t next = platform::ReloadLocaleIfChanged();
    if (row.march != march) {
      EXPECT_NE(next, generation) << label;
    }
    EXPECT_EQ(platform::ReloadLocaleIfChanged(), next) << label;  // no change, no new generation
    EXPECT_EQ(platform::LocaleName(platform::LocaleNameSet::kMonth, 3), row.march) << label;
    generation = next;
    march = row.march;
  }
}

// Quoted words of a pattern are text, not fields: Ngiemboon's long date
// "EEEE , 'ly\u025B'\u030C\u02BC d 'na' MMMM, y" gives day, month, year;
// Mongolian's, quoted words between and after its fields, year, month, day.
TEST(LocaleInfo, QuotedWordsOfALongDateAreNoFields) {
  for (const auto& [name, order] : {std::pair{"nnh_CM.UTF-8", u"1"}, {"mn_MN.UTF-8", u"2"}, {"es_ES.UTF-8", u"1"}}) {
    ScopedVariable all("LC_ALL", name);
    platform::ReloadLocaleIfChanged();
    EXPECT_EQ(platform::LocaleInfo(platform::LocaleItem::kLongDateOrder), std::u16string(order)) << name;
  }
}

// The picture language of the locale's dates, as this back-end writes it.
TEST(LocalePicture, WritesYearsQuotesAndLiterals) {
  ScopedVariable all("LC_ALL", "de_DE.UTF-8");
  platform::ReloadLocaleIfChanged();
  const std::u16string march = platform::LocaleName(platform::LocaleNameSet::kMonth, 3).value();
  const struct {
    std::u16string picture, expected;
  } kTable[] = {{u"d/M/y", u"7/3/15"}, {u"'day' d 'of' MMMM", u"day 7 of " + march}, {u"'d''M' yyyy''", u"d'M 2015'"},
                {u"x-y-z", u"x-15-z"}};
  for (const auto& row : kTable) {
    EXPECT_EQ(platform::FormatLocaleDate(platform::LocaleDateStyle::kPicture, {2015, 3, 7, 6}, row.picture),
              row.expected);
  }
}

// The system's short date is in the locale's order and reads back as it;
// with no other calendar in use the alternative is the short date, and the
// era calendar of Japanese counts years otherwise.
TEST(LocaleDates, TheShortDateReadsBackAndTheAlternativeIsTheOtherCalendar) {
  constexpr CalendarDate kMarch7{2015, 3, 7};
  const auto format = [&](DateFormat style) {
    std::array<KChar, kHostBufferLength> buffer{};
    FormatDate(buffer.data(), kMarch7, style);
    return std::u16string(buffer.data());
  };
  for (const char* name : {"de_DE.UTF-8", "en_GB.UTF-8", "en_US.UTF-8", "C", "ja_JP.UTF-8"}) {
    ScopedVariable all("LC_ALL", name);
    RefreshLocale();
    const std::u16string shortDate = format(kLocaleShortDate);
    CalendarDate read{};
    EXPECT_EQ(ParseDate(shortDate, read, kLocalOrder), 0) << name;
    EXPECT_EQ(read, kMarch7) << name;
    const std::u16string alternative = format(kLocaleAlternativeCalendar);
    if (std::string_view(name) == "ja_JP.UTF-8") {
      EXPECT_EQ(alternative.find(u"2015"), std::u16string::npos) << name;
      EXPECT_NE(alternative, u"");
    } else {
      EXPECT_EQ(alternative, shortDate) << name;
    }
  }
}

// Russian declines a month that follows a day number: "7 марта", but
// "март" alone. The names come from ICU, never from the test.
TEST(LocalePicture, AMonthWithADayTakesTheFormThatGoesWithIt) {
  ScopedVariable all("LC_ALL", "ru_RU.UTF-8");
  platform::ReloadLocaleIfChanged();
  UErrorCode status = U_ZERO_ERROR;
  const icu::DateFormatSymbols symbols(icu::Locale("ru_RU"), status);
  ASSERT_TRUE(U_SUCCESS(status));
  int32_t count = 0;
  const icu::UnicodeString& withDay =
      symbols.getMonths(count, icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::WIDE)[2];
  const std::u16string genitive(withDay.getBuffer(), static_cast<std::size_t>(withDay.length()));
  const std::optional<std::u16string> alone = platform::LocaleName(platform::LocaleNameSet::kMonth, 3);
  ASSERT_TRUE(alone.has_value());
  ASSERT_NE(*alone, genitive);
  const platform::LocaleDate march7{2015, 3, 7, 6};
  using platform::LocaleDateStyle;
  EXPECT_EQ(platform::FormatLocaleDate(LocaleDateStyle::kPicture, march7, u"MMMM yyyy"), *alone + u" 2015");
  EXPECT_EQ(platform::FormatLocaleDate(LocaleDateStyle::kPicture, march7, u"d MMMM"), u"7 " + genitive);
}

}  // namespace
}  // namespace kalendra
