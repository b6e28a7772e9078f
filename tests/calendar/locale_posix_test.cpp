// The locale formats with the POSIX back-end, under the locales the
// environment selects. Expected texts come from the locale data at run time
// (the snapshot's names, the system's own formatting), never from a copy.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "calendar/date_format.h"
#include "calendar/date_grammar.h"
#include "calendar/locale_snapshot.h"
#include "calendar/long_years.h"
#include "frame/text.h"
#include "platform/platform.h"

namespace kalendra {
namespace {

constexpr CalendarDate kMarch7{2015, 3, 7};  // a Saturday

// Selects a locale the way a user does: LC_ALL, LC_TIME and LANG.
void SelectLocale(const char* lcAll, const char* lcTime, const char* lang) {
  const auto set = [](const char* name, const char* value) {
    if (value == nullptr) {
      unsetenv(name);
    } else {
      setenv(name, value, 1);
    }
  };
  set("LC_ALL", lcAll);
  set("LC_TIME", lcTime);
  set("LANG", lang);
  RefreshLocale();
}

std::u16string Format(const CalendarDate& date, DateFormat format) {
  std::array<KChar, kHostBufferLength> buffer{};
  FormatDate(buffer.data(), date, format);
  return buffer.data();
}

bool Contains(const std::u16string& text, std::u16string_view part) { return text.find(part) != std::u16string::npos; }

class NativeLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Locale() = LocaleSnapshot{};
    SetLongYearsMode(LongYearsMode::kOff);
  }
  void TearDown() override {
    SelectLocale(nullptr, nullptr, nullptr);
    unsetenv("dateform");
  }
};

TEST_F(NativeLocaleTest, LcAllThenLcTimeThenLangSelect) {
  const struct {
    const char *lcAll, *lcTime, *lang;
    std::u16string march;
  } kTable[] = {
      {nullptr, nullptr, "de_DE.UTF-8", u"März"},
      {nullptr, "de_DE.UTF-8", "en_US.UTF-8", u"März"},
      {"en_GB.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8", u"March"},
      {"", "de_DE.UTF-8", "en_US.UTF-8", u"März"},  // empty counts as unset
      {nullptr, nullptr, nullptr, u"March"},
      {nullptr, nullptr, "de_DE", u"März"},
      {nullptr, nullptr, "de_DE.UTF-8@euro", u"März"},
      {nullptr, nullptr, "POSIX", u"March"},
  };
  for (const auto& row : kTable) {
    SelectLocale(row.lcAll, row.lcTime, row.lang);
    EXPECT_EQ(Locale().monthNames[3].View(), row.march)
        << (row.lcAll ? row.lcAll : "-") << " " << (row.lcTime ? row.lcTime : "-") << " "
        << (row.lang ? row.lang : "-");
  }
}

// The system's short date is in the locale's order and reads back as it;
// with no other calendar in use the alternative is the short date. (That
// formats 32 and 33 are the system's own dates is shown end to end.)
TEST_F(NativeLocaleTest, TheShortDateReadsBackInTheLocalesOrder) {
  for (const char* name : {"de_DE.UTF-8", "en_GB.UTF-8", "en_US.UTF-8", "C"}) {
    SelectLocale(nullptr, nullptr, name);
    const std::u16string shortDate = Format(kMarch7, kLocaleShortDate);
    CalendarDate read{};
    EXPECT_EQ(ParseDate(shortDate, read, kLocalOrder), 0) << ToUtf8(shortDate);
    EXPECT_EQ(read, kMarch7) << ToUtf8(shortDate);
    EXPECT_EQ(Format(kMarch7, kLocaleAlternativeCalendar), shortDate) << name;
  }
}

TEST_F(NativeLocaleTest, TheAlternativeCalendarIsTheLocalesOther) {
  SelectLocale(nullptr, nullptr, "ja_JP.UTF-8");
  const std::u16string gregorian = Format(kMarch7, kLocaleShortDate);
  const std::u16string alternative = Format(kMarch7, kLocaleAlternativeCalendar);
  EXPECT_NE(alternative, u"");
  EXPECT_NE(alternative, gregorian);  // the era calendar counts years differently
  EXPECT_FALSE(Contains(alternative, u"2015")) << ToUtf8(alternative);
}

TEST_F(NativeLocaleTest, PicturesUseTheLocalesNames) {
  SelectLocale(nullptr, nullptr, "de_DE.UTF-8");
  const LocaleSnapshot& names = Locale();
  const std::u16string saturday(names.weekdayNames[kSaturday].View());
  const std::u16string sat(names.abbreviatedWeekdayNames[kSaturday].View());
  const std::u16string march(names.monthNames[3].View());
  const std::u16string mar(names.abbreviatedMonthNames[3].View());
  const struct {
    const char* picture;
    std::u16string expected;
  } kTable[] = {
      {"dddd, d. MMMM yyyy", saturday + u", 7. " + march + u" 2015"},
      {"ddd dd MMM yy", sat + u" 07 " + mar + u" 15"},
      {"d/M/y", u"7/3/15"},
      {"dd.MM.yyyy", u"07.03.2015"},
      {"'day' d 'of' MMMM", u"day 7 of " + march},
      {"'d''M' yyyy''", u"d'M 2015'"},
      {"x-y-z", u"x-15-z"},
      {"", Format(kMarch7, kLocaleShortDate)},  // empty: the default date
  };
  for (const auto& row : kTable) {
    if (*row.picture == '\0') {
      unsetenv("dateform");
    } else {
      setenv("dateform", row.picture, 1);
    }
    EXPECT_EQ(Format(kMarch7, kLocalePicture), row.expected) << row.picture;
  }
}

}  // namespace
}  // namespace kalendra
