// ParseDate and the argument readers built on it. Day arithmetic runs in 64
// bits: a count may be as large as 2147483647 before the range check.
#include "calendar/date_grammar.h"

#include <cstdint>
#include <optional>

#include "calendar/holiday_year.h"
#include "calendar/locale_snapshot.h"
#include "calendar/long_years.h"
#include "calendar/today.h"
#include "frame/arguments.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "frame/text.h"

namespace kalendra {
namespace {

using namespace std::string_view_literals;

using Date = std::optional<CalendarDate>;

constexpr bool IsDateSeparator(KChar c) { return c == u'/' || c == u'-' || c == u'.'; }
constexpr bool IsSign(KChar c) { return c == u'+' || c == u'-'; }

bool DigitAt(std::u16string_view text, std::size_t pos) { return pos < text.size() && IsDigit(text[pos]); }
KChar CharAt(std::u16string_view text, std::size_t pos) { return pos < text.size() ? text[pos] : u'\0'; }

// The date of a checked triple, or none.
Date CheckedDate(std::int64_t year, std::int64_t month, std::int64_t day) {
  if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1) return std::nullopt;
  if (day > MonthLength(static_cast<int>(month), IsLeapYear(static_cast<int>(year)))) return std::nullopt;
  return CalendarDate{static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

// The date `count` days after the day number `origin`, or none outside the
// supported range.
Date DayCountDate(std::int64_t origin, std::int64_t count) {
  const std::int64_t day = origin + count;
  if (day < kFirstDay || day > kLastDay) return std::nullopt;
  return FromDayNumber(static_cast<DayNumber>(day));
}

Date TodayPlus(std::int64_t days) {
  return DayCountDate(ToDayNumber(Today()), days);
}

// ---- Forms that begin with a letter ----------------------------------------

// What follows a letter form's prefix: a number, signed as allowed, and
// nothing after it.
struct CountRule {
  bool signRequired;
  bool minusAllowed;
};

std::optional<std::int64_t> ReadCount(std::u16string_view rest, CountRule rule) {
  const KChar first = CharAt(rest, 0);
  if (rule.signRequired && !IsSign(first)) return std::nullopt;
  if (first == u'-' && !rule.minusAllowed) return std::nullopt;
  return ParseSignedNumber(rest);
}

bool StartsWithIgnoringAsciiCase(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

// "T+n", "today-n", "t", "today", "Dn", "An", "Un".
Date ParseLetterForm(std::u16string_view text) {
  if (EqualsIgnoringAsciiCase(text, u"t") || EqualsIgnoringAsciiCase(text, u"today")) return TodayPlus(0);
  for (const std::u16string_view today : {u"today"sv, u"t"sv}) {
    if (!StartsWithIgnoringAsciiCase(text, today)) continue;
    const auto offset = ReadCount(text.substr(today.size()), {.signRequired = true, .minusAllowed = true});
    if (offset) return TodayPlus(*offset);
  }
  const struct {
    KChar letter;
    std::int64_t origin;
    CountRule rule;
  } kDayCounts[] = {
      {u'd', kDay19800101, {.signRequired = false, .minusAllowed = true}},
      {u'a', 0, {.signRequired = false, .minusAllowed = false}},
      {u'u', kDay19700101, {.signRequired = false, .minusAllowed = true}},
  };
  for (const auto& form : kDayCounts) {
    if (FoldAscii(CharAt(text, 0)) == form.letter) {
      const auto count = ReadCount(text.substr(1), form.rule);
      return count ? DayCountDate(form.origin, *count) : std::nullopt;
    }
  }
  return std::nullopt;
}

// ---- Forms that begin with a number ----------------------------------------

// A number alone: a day count from 1980-01-01 when nothing follows it and it
// lands in the range, else a basic ISO date yyyymmdd (anything may follow,
// such as a time).
Date ParseSingleNumber(std::int64_t x, bool endsAfterX) {
  if (endsAfterX) {
    if (const Date date = DayCountDate(kDay19800101, x)) return date;
  }
  if (x < 16010101 || x > 99991231) return std::nullopt;
  return CheckedDate(x / 10000, (x / 100) % 100, x % 100);
}

// X P [W] Y [Q Z]: the parts of a date with separators. X is signed.
struct SeparatedParts {
  std::int64_t x = 0;
  KChar p = 0;
  bool weekDate = false;
  std::int64_t y = 0;
  bool endsAfterY = false;
  KChar q = 0;  // the character after Y
  std::optional<std::int64_t> z;
};

// Reads Y and Z after X and its separator, at pos. Fails when a separator
// is not followed by a digit or when anything follows Z.
std::optional<SeparatedParts> ReadSeparatedParts(std::u16string_view text, std::size_t pos, std::int64_t x) {
  SeparatedParts parts;
  parts.x = x;
  parts.p = text[pos++];
  if (FoldAscii(CharAt(text, pos)) == u'w') {
    parts.weekDate = true;
    ++pos;
  }
  if (!DigitAt(text, pos)) return std::nullopt;
  parts.y = ReadDigits(text, pos);
  parts.endsAfterY = pos == text.size();
  parts.q = CharAt(text, pos);
  if (!IsDateSeparator(parts.q)) return parts;
  if (!DigitAt(text, ++pos)) return std::nullopt;
  parts.z = ReadDigits(text, pos);
  if (pos != text.size()) return std::nullopt;
  return parts;
}

// yyyy-Www-d. Week 1 holds January 4, so its Monday may lie in the previous
// year and the last week's Sunday in the next.
Date ParseWeekDate(const SeparatedParts& parts) {
  const std::int64_t year = parts.x;
  if (year < kFirstYear || year > kLastYear || parts.p != u'-' || parts.q != u'-' || !parts.z) return std::nullopt;
  const int weekYear = static_cast<int>(year);
  if (parts.y < 1 || parts.y > IsoWeeksInYear(weekYear) || *parts.z < 1 || *parts.z > 7) return std::nullopt;
  const std::int64_t ordinal = 7 * parts.y + WeekOneStart(weekYear) + *parts.z - 7;  // [-2, 374]
  return DayCountDate(ToDayNumber(weekYear, 1, 1) - 1, ordinal);
}

// yyyy-ddd: the day of the year, any number of digits.
Date OrdinalDate(std::int64_t year, std::int64_t yearDay) {
  const int y = static_cast<int>(year);
  if (yearDay > 365 + IsLeapYear(y)) return std::nullopt;
  return DayCountDate(ToDayNumber(y, 1, 1) - 1, yearDay);
}

// A two-digit year is 1980..2079 unless years must be written in full.
std::int64_t ExpandTwoDigitYear(std::int64_t year) {
  if (RequiresFourDigitYears()) return year;
  if (year >= 0 && year <= 79) return year + 2000;
  if (year >= 80 && year <= 99) return year + 1900;
  return year;
}

// Month and day, or day and month under day-month-year, in the holiday year
// or this year.
Date DateWithoutYear(std::int64_t x, std::int64_t y, int order) {
  std::int64_t year = HolidayYear();
  if (year == 0) {
    if (RequiresFourDigitYears()) return std::nullopt;
    year = Today().year;
  }
  return order == kDayMonthYear ? CheckedDate(year, y, x) : CheckedDate(year, x, y);
}

Date LocalOrderDate(const SeparatedParts& parts, int order) {
  if (!parts.z) return std::nullopt;
  switch (order) {
    case kMonthDayYear: return CheckedDate(ExpandTwoDigitYear(*parts.z), parts.x, parts.y);
    case kDayMonthYear: return CheckedDate(ExpandTwoDigitYear(*parts.z), parts.y, parts.x);
    default: return CheckedDate(ExpandTwoDigitYear(parts.x), parts.y, *parts.z);
  }
}

Date ParseSeparatedForm(const SeparatedParts& parts, int order) {
  if (parts.weekDate) return ParseWeekDate(parts);
  if (parts.x >= kFirstYear && parts.x <= kLastYear) {
    // A leading year decides the reading whatever the order.
    if (parts.z) return CheckedDate(parts.x, parts.y, *parts.z);
    if (parts.p == u'-' && parts.endsAfterY && parts.y >= 1 && parts.y <= 366) return OrdinalDate(parts.x, parts.y);
  }
  if (parts.endsAfterY && parts.x >= 1 && parts.x <= 31 && parts.y >= 1 && parts.y <= 31) {
    return DateWithoutYear(parts.x, parts.y, order);
  }
  return LocalOrderDate(parts, order);
}

Date ParseNumberedForm(std::u16string_view text, int order) {
  std::size_t pos = 0;
  const std::int64_t x = ReadSignedNumber(text, pos).value_or(0);  // BeginsWithNumber has seen a digit
  if (!IsDateSeparator(CharAt(text, pos))) return ParseSingleNumber(x, pos == text.size());
  const auto parts = ReadSeparatedParts(text, pos, x);
  return parts ? ParseSeparatedForm(*parts, order) : std::nullopt;
}

// "yyyy-mm-dd" with a year in range, the form nearly every call brings,
// read without the general grammar: a leading year decides the reading
// whatever the order, so this is what the grammar gives. False when the text
// has another shape; the grammar then reads it.
bool ReadIsoCalendarDate(std::u16string_view text, Date& date) {
  if (text.size() != 10 || text[4] != u'-' || text[7] != u'-') return false;
  const unsigned century = TwoDigitsAt(text, 0);
  const unsigned yearOfCentury = TwoDigitsAt(text, 2);
  const unsigned month = TwoDigitsAt(text, 5);
  const unsigned day = TwoDigitsAt(text, 8);
  if (century > 99 || yearOfCentury > 99 || month > 99 || day > 99) return false;
  const unsigned year = century * 100 + yearOfCentury;
  if (year < kFirstYear) return false;
  date = CheckedDate(year, month, day);
  return true;
}

bool BeginsWithNumber(std::u16string_view text) {
  return DigitAt(text, 0) || (IsSign(CharAt(text, 0)) && DigitAt(text, 1));
}

}  // namespace

int ReadingOrder(DateFormat format) {
  if (HolidayYear() != 0) return kIsoOrder;
  const int asked = FormatNumber(format);
  return (asked >= kMonthDayYear && asked <= kIsoOrder) ? asked : Locale().dateOrder;
}

int ParseDate(std::u16string_view text, CalendarDate& date, DateFormat format) {
  Date parsed;
  if (!ReadIsoCalendarDate(text, parsed)) {
    parsed = BeginsWithNumber(text) ? ParseNumberedForm(text, ReadingOrder(format)) : ParseLetterForm(text);
  }
  if (!parsed) return -1;
  date = *parsed;
  return 0;
}

}  // namespace kalendra
