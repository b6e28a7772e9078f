// A fixture for calendar tests: every test starts from the load state (US
// English locale, LONGYEARS OFF, no holiday year, the fake clock's Saturday
// 2015-03-07) and can switch the fake locale's date order and separator.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "calendar/day_number.h"
#include "calendar/holiday_year.h"
#include "calendar/locale_snapshot.h"
#include "calendar/long_years.h"
#include "platform/fake/fake_platform.h"

namespace kalendra {

// The step of the walks over the whole range: 1 natively; in the sanitizer
// build, many times slower, a prime (so that weekdays, month ends and leap
// years all come round).
inline constexpr int kExhaustiveStride = KALENDRA_EXHAUSTIVE_STRIDE;

inline std::ostream& operator<<(std::ostream& os, const CalendarDate& date) {
  return os << date.year << "-" << date.month << "-" << date.day;
}

inline const char* ModeName(LongYearsMode mode) {
  return mode == LongYearsMode::kOff ? "OFF" : mode == LongYearsMode::kOn ? "ON" : "STRICT";
}

class CalendarTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetCalendarState(); }
  void TearDown() override { ResetCalendarState(); }

  static void ResetCalendarState() {
    fake::Reset();
    Locale() = LocaleSnapshot{};
    SetLongYearsMode(LongYearsMode::kOff);
    SetHolidayYear(0);
  }

  // The locale's default date order (1, 2 or 3) and date separator, read
  // into the snapshot.
  static void UseLocaleOrder(int order, std::u16string separator = u"/") {
    fake::SetLocaleInfo(platform::LocaleItem::kShortDateOrder,
                        std::u16string(1, static_cast<char16_t>(u'0' + order - 1)));
    fake::SetLocaleInfo(platform::LocaleItem::kDateSeparator, separator);
    RefreshLocale();
  }
};

}  // namespace kalendra
