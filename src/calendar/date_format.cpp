// The output formats, one writer per family: numeric local orders, ISO
// forms, day counts, named long dates and the system's locale formats.
#include "calendar/date_format.h"

#include <array>
#include <string>

#include "calendar/english_names.h"
#include "calendar/holiday_year.h"
#include "calendar/locale_snapshot.h"
#include "calendar/long_years.h"
#include "calendar/today.h"
#include "frame/text.h"
#include "platform/platform.h"

namespace kalendra {
namespace {

// Formats 1 to 3: two-digit fields, the year in two or four digits.
void WriteNumericDate(KChar* buffer, const CalendarDate& date, int order, bool longYears) {
  const int year = longYears ? date.year : date.year % 100;
  const KChar separator = Locale().dateSeparator;
  const KChar* yearLast = longYears ? u"%02u%c%02u%c%04u" : u"%02u%c%02u%c%02u";
  const KChar* yearFirst = longYears ? u"%04u%c%02u%c%02u" : u"%02u%c%02u%c%02u";
  switch (order) {
    case kDayMonthYear: Sprintf(buffer, yearLast, date.day, separator, date.month, separator, year); break;
    case kYearMonthDay: Sprintf(buffer, yearFirst, year, separator, date.month, separator, date.day); break;
    default: Sprintf(buffer, yearLast, date.month, separator, date.day, separator, year); break;
  }
}

// "Saturday, March 7, 2015", or "Saturday, 7 March 2015" when the locale
// writes the day before the month in long dates.
void WriteNamedDate(KChar* buffer, const CalendarDate& date, const KChar* weekdayName, const KChar* monthName) {
  if (Locale().longDateOrder == kDayMonthYear) {
    Sprintf(buffer, u"%s, %u %s %u", weekdayName, date.day, monthName, date.year);
  } else {
    Sprintf(buffer, u"%s, %s %u, %u", weekdayName, monthName, date.day, date.year);
  }
}

// A signed count after a prefix: "+5" or "-5" after "T", "U" or nothing.
void WriteSignedCount(KChar* buffer, const KChar* prefix, DayNumber count) {
  Sprintf(buffer, count >= 0 ? u"%s+%d" : u"%s%d", prefix, count);
}

// The picture held by the shell variable dateform; empty when unset.
std::u16string DateformPicture() {
  std::array<KChar, kHostBufferLength> buffer{};
  CopyText(buffer.data(), buffer.size(), u"%[dateform]");
  ExpandVariables(buffer.data(), 1);
  return std::u16string(std::u16string_view(buffer.data()).substr(0, kLocaleDateCapacity - 1));
}

void WriteLocaleDate(KChar* buffer, const CalendarDate& date, platform::LocaleDateStyle style) {
  const std::u16string picture = style == platform::LocaleDateStyle::kPicture ? DateformPicture() : u"";
  const platform::LocaleDate fields{date.year, date.month, date.day, WeekdayOf(ToDayNumber(date))};
  const auto text = platform::FormatLocaleDate(style, fields, picture);
  CopyText(buffer, kLocaleDateCapacity, text ? std::u16string_view(*text) : std::u16string_view());
}

}  // namespace

int FormatDate(KChar* buffer, CalendarDate date, DateFormat format) {
  int number = HolidayYear() != 0 ? kIsoDate : FormatNumber(format);
  if (number == kLocalOrder) number = Locale().dateOrder;
  const bool longYears = (format & kFourDigitYearBit) != 0 || WritesFourDigitYears();
  const DayNumber day = ToDayNumber(date);
  const LocaleSnapshot& locale = Locale();
  switch (number) {
    case kMonthDayYearDate:
    case kDayMonthYearDate:
    case kYearMonthDayDate: WriteNumericDate(buffer, date, number, longYears); break;
    case kIsoWeekDate: {
      const IsoWeekDate week = ToIsoWeekDate(date);
      Sprintf(buffer, u"%04d-W%02d-%d", week.year, week.week, week.weekday);
      break;
    }
    case kIsoOrdinalDate: Sprintf(buffer, u"%04u-%03d", date.year, DayOfYear(date)); break;
    case kDaysSince1980: WriteSignedCount(buffer, u"", day - kDay19800101); break;
    case kEnglishLongDate:
      WriteNamedDate(buffer, date, kEnglishWeekdayNames[WeekdayOf(day)].data(), kEnglishMonthNames[date.month].data());
      break;
    case kDaysFromToday: {
      RefreshToday();
      const DayNumber distance = day - ToDayNumber(Today());
      Sprintf(buffer, distance >= 0 ? u"T+%d" : u"T-%d", distance >= 0 ? distance : -distance);
      break;
    }
    case kDayNumberFormat: Sprintf(buffer, u"A+%d", day); break;
    case kIsoBasicDate: Sprintf(buffer, u"%04d%02d%02d", date.year, date.month, date.day); break;
    case kDaysSince1970: WriteSignedCount(buffer, u"U", day - kDay19700101); break;
    case kLocaleLongDate: WriteLocaleDate(buffer, date, platform::LocaleDateStyle::kLongDate); break;
    case kLocaleShortDate: WriteLocaleDate(buffer, date, platform::LocaleDateStyle::kShortDate); break;
    case kLocaleAlternativeCalendar:
      WriteLocaleDate(buffer, date, platform::LocaleDateStyle::kAlternativeCalendar);
      break;
    case kLocalePicture: WriteLocaleDate(buffer, date, platform::LocaleDateStyle::kPicture); break;
    case kLocaleNamesLongDate:
      WriteNamedDate(buffer, date, locale.weekdayNames[WeekdayOf(day)].c_str(), locale.monthNames[date.month].c_str());
      break;
    default: Sprintf(buffer, u"%04u-%02u-%02u", date.year, date.month, date.day); break;
  }
  return 0;
}

}  // namespace kalendra
