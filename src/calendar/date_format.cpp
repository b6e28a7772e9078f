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
#include "frame/numbers.h"
#include "frame/text.h"
#include "platform/platform.h"

namespace kalendra {
namespace {

// The fixed-width numeric formats are written digit by digit: they are the
// commonest results, and the shell's Sprintf would parse the same five
// conversions on every call. The text is what "%02u", "%04u" and "%c"
// write.
class DigitWriter {
 public:
  explicit DigitWriter(KChar* buffer) : next_(buffer) {}
  ~DigitWriter() { *next_ = u'\0'; }
  DigitWriter(const DigitWriter&) = delete;
  DigitWriter& operator=(const DigitWriter&) = delete;

  // A value of 0 or more in at least width digits, with leading zeros.
  // Fields of two and four digits, nearly every number written, go by pairs
  // of digits; any other as NumberText writes it.
  DigitWriter& Number(int number, int width) {
    const auto value = static_cast<unsigned>(number);
    if (width == 2 && value < 100) return Pair(value);
    if (width == 4 && value < 10000) return Pair(value / 100).Pair(value % 100);
    const NumberText text(value, width);  // named: a view of a temporary would outlive it
    for (const KChar c : text.View()) *next_++ = c;
    return *this;
  }
  DigitWriter& Char(KChar c) {
    *next_++ = c;
    return *this;
  }

 private:
  // A number below 100 in two digits, by one lookup instead of a division.
  DigitWriter& Pair(unsigned value) {
    next_[0] = kDigitPairs[value][0];
    next_[1] = kDigitPairs[value][1];
    next_ += 2;
    return *this;
  }

  static constexpr std::array<std::array<KChar, 2>, 100> kDigitPairs = [] {
    std::array<std::array<KChar, 2>, 100> pairs{};
    for (unsigned value = 0; value < 100; ++value) {
      pairs[value] = {static_cast<KChar>(u'0' + value / 10), static_cast<KChar>(u'0' + value % 10)};
    }
    return pairs;
  }();

  KChar* next_;
};

// Formats 1 to 3: two-digit fields, the year in two or four digits.
void WriteNumericDate(KChar* buffer, const CalendarDate& date, int order, bool longYears) {
  struct Field {
    int value;
    int width;
  };
  const Field year{longYears ? date.year : date.year % 100, longYears ? 4 : 2};
  const Field month{date.month, 2};
  const Field day{date.day, 2};
  std::array<Field, 3> fields{month, day, year};
  if (order == kDayMonthYear) fields = {day, month, year};
  if (order == kYearMonthDay) fields = {year, month, day};
  const KChar separator = Locale().dateSeparator;
  DigitWriter(buffer)
      .Number(fields[0].value, fields[0].width)
      .Char(separator)
      .Number(fields[1].value, fields[1].width)
      .Char(separator)
      .Number(fields[2].value, fields[2].width);
}

// Format 4, and every number without a format of its own: 2015-03-07.
void WriteIsoDate(KChar* buffer, const CalendarDate& date) {
  DigitWriter(buffer).Number(date.year, 4).Char(u'-').Number(date.month, 2).Char(u'-').Number(date.day, 2);
}

// "Saturday, March 7, 2015", or "Saturday, 7 March 2015" when the locale
// writes the day before the month in long dates.
void WriteNamedDate(KChar* buffer, const CalendarDate& date, std::u16string_view weekdayName,
                    std::u16string_view monthName) {
  const std::u16string weekday(weekdayName);
  const std::u16string month(monthName);
  const std::u16string day(NumberText(date.day).View());
  const std::u16string year(NumberText(date.year).View());
  CopyText(buffer, kHostBufferLength,
           Locale().longDateOrder == kDayMonthYear ? weekday + u", " + day + u" " + month + u" " + year
                                                   : weekday + u", " + month + u" " + day + u", " + year);
}

// A signed count after a prefix: "+5" or "-5" after "T", "U", "A" or nothing.
void WriteSignedCount(KChar* buffer, std::u16string_view prefix, DayNumber count) {
  std::u16string text(prefix);
  if (count >= 0) text += u'+';
  text += NumberText(count).View();
  CopyText(buffer, kHostBufferLength, text);
}

// The picture held by the shell variable dateform; empty when unset.
std::u16string DateformPicture() {
  HostBuffer buffer;
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
  const LocaleSnapshot& locale = Locale();
  switch (number) {
    case kMonthDayYearDate:
    case kDayMonthYearDate:
    case kYearMonthDayDate: WriteNumericDate(buffer, date, number, longYears); break;
    case kIsoWeekDate: {
      const IsoWeekDate week = ToIsoWeekDate(date);
      DigitWriter(buffer)
          .Number(week.year, 4)
          .Char(u'-')
          .Char(u'W')
          .Number(week.week, 2)
          .Char(u'-')
          .Number(week.weekday, 1);
      break;
    }
    case kIsoOrdinalDate:
      DigitWriter(buffer).Number(date.year, 4).Char(u'-').Number(DayOfYear(date), 3);
      break;
    case kDaysSince1980: WriteSignedCount(buffer, u"", ToDayNumber(date) - kDay19800101); break;
    case kEnglishLongDate:
      WriteNamedDate(buffer, date, kEnglishWeekdayNames[WeekdayOf(ToDayNumber(date))], kEnglishMonthNames[date.month]);
      break;
    case kDaysFromToday: WriteSignedCount(buffer, u"T", ToDayNumber(date) - ToDayNumber(Today())); break;
    case kDayNumberFormat: WriteSignedCount(buffer, u"A", ToDayNumber(date)); break;
    case kIsoBasicDate: DigitWriter(buffer).Number(date.year, 4).Number(date.month, 2).Number(date.day, 2); break;
    case kDaysSince1970: WriteSignedCount(buffer, u"U", ToDayNumber(date) - kDay19700101); break;
    case kLocaleLongDate: WriteLocaleDate(buffer, date, platform::LocaleDateStyle::kLongDate); break;
    case kLocaleShortDate: WriteLocaleDate(buffer, date, platform::LocaleDateStyle::kShortDate); break;
    case kLocaleAlternativeCalendar:
      WriteLocaleDate(buffer, date, platform::LocaleDateStyle::kAlternativeCalendar);
      break;
    case kLocalePicture: WriteLocaleDate(buffer, date, platform::LocaleDateStyle::kPicture); break;
    case kLocaleNamesLongDate:
      WriteNamedDate(buffer, date, locale.weekdayNames[WeekdayOf(ToDayNumber(date))].View(),
                     locale.monthNames[date.month].View());
      break;
    default: WriteIsoDate(buffer, date); break;
  }
  return 0;
}

}  // namespace kalendra
