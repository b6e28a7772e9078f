// @easter and @holiday: read the arguments in order, compute the date rule
// for the chosen year (or the next occurrence after today), write the date.
#include "holidays/floating_functions.h"

#include <optional>
#include <string_view>

#include "calendar/date_format.h"
#include "calendar/holiday_year.h"
#include "calendar/locale_snapshot.h"
#include "calendar/names.h"
#include "calendar/today.h"
#include "frame/arguments.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "frame/text.h"
#include "holidays/date_rules.h"

namespace kalendra {
namespace {

inline constexpr DateFormat kDefaultRuleFormat = kFourDigitYearBit;  // the locale's order, four-digit years
inline constexpr int kMaxEasterOffset = 366;
inline constexpr int kMaxHolidayOffset = 31;

// The year a rule is computed for; "*" asks for the next occurrence after
// today, searched from that year.
struct RuleYear {
  int year = 0;
  bool nextAfterToday = false;
};

// An offset text: a digit, or "+" or "-" and a digit, first. With
// wholeText, nothing may follow the number; otherwise the rest is ignored.
std::optional<int> ParseOffset(std::u16string_view text, bool wholeText) {
  std::size_t pos = 0;
  const bool negative = !text.empty() && text[0] == u'-';
  if (!text.empty() && (text[0] == u'+' || text[0] == u'-')) ++pos;
  if (pos >= text.size() || !IsDigit(text[pos])) return std::nullopt;
  const int value = ReadDigits(text, pos);
  if (wholeText && pos != text.size()) return std::nullopt;
  return negative ? -value : value;
}

// Argument n as an offset within -limit..limit (0 when empty).
int ReadOffsetArgument(int n, int limit, bool wholeText, int& offset) {
  if (!HasArgument(n)) return 0;
  const std::optional<int> value = ParseOffset(Argument(n), wholeText);
  if (!value || *value < -limit || *value > limit) return ReportError(u"Bad offset \"%s\"", Argument(n).data());
  offset = *value;
  return 0;
}

// Argument n as a format word (kDefaultRuleFormat when empty).
int ReadFormatArgument(int n, DateFormat& format) {
  if (!HasArgument(n)) return 0;
  const int value = ParseNumber(Argument(n));
  if (value < 0) return ReportError(u"Bad format \"%s\"", Argument(n).data());
  format = static_cast<DateFormat>(value);
  return 0;
}

// Argument n as the year: "*" for the next occurrence, a year or a year
// relative to today's; empty gives HolidayYear, or today's year when unset.
int ReadRuleYearArgument(int n, std::u16string_view message, RuleYear& year) {
  year.year = HolidayYear() != 0 ? HolidayYear() : Today().year;
  const std::u16string_view text = Argument(n);
  if (text == u"*") {
    year.nextAfterToday = true;
  } else if (!text.empty()) {
    year.year = ParseYear(text);
    if (year.year < 0) return ReportError(message, text.data());
  }
  return 0;
}

// The rule's earliest result after today, trying later years and then
// earlier ones (a large offset, or a default year past this one, may put an
// earlier year's result after today).
template <typename Rule>
std::optional<CalendarDate> NextAfterToday(int year, const Rule& rule) {
  std::optional<CalendarDate> result = rule(year);
  while (result && !IsAfterToday(*result)) result = rule(++year);
  if (!result) return std::nullopt;
  for (std::optional<CalendarDate> earlier = rule(year - 1); earlier && IsAfterToday(*earlier);
       earlier = rule(year - 1)) {
    result = earlier;
    --year;
  }
  return result;
}

// Computes the rule for the chosen year and writes the date.
template <typename Rule>
int WriteRuleResult(KChar* buffer, const RuleYear& year, DateFormat format, const Rule& rule) {
  const std::optional<CalendarDate> date = year.nextAfterToday ? NextAfterToday(year.year, rule) : rule(year.year);
  if (!date) return ReportError(u"Resulting date out of range");
  return FormatDate(buffer, *date, format);
}

int ReadChurchArgument(int n, int& church) {
  if (!HasArgument(n)) return 0;
  church = ParseNumber(Argument(n));
  if (church != kWesternChurch && church != kOrthodoxChurch) {
    return ReportError(u"Invalid church \"%s\"", Argument(n).data());
  }
  return 0;
}

// "L", "F", "last" and "final" stand for the last weekday of the month.
bool IsLastWord(std::u16string_view text) {
  for (const std::u16string_view word : {u"L", u"F", u"last", u"final"}) {
    if (EqualsIgnoringAsciiCase(text, word)) return true;
  }
  return false;
}

int ReadIndexArgument(int n, int& index) {
  const std::u16string_view text = Argument(n);
  if (text.empty()) return ReportError(u"No index");
  index = ParseNumber(text);
  if (index < 0 && IsLastWord(text)) index = kLastWeekdayIndex;
  if (index < 1 || index > kLastWeekdayIndex) return ReportError(u"Bad index \"%s\"", text.data());
  return 0;
}

int ReadWeekdayArgument(int n, int& weekday) {
  const std::u16string_view text = Argument(n);
  if (text.empty()) return ReportError(u"No day-of-the-week");
  weekday = ParseWeekday(text);
  if (weekday < 0) return ReportError(u"Bad day-of-the-week \"%s\"", text.data());
  return 0;
}

int ReadMonthArgument(int n, int& month) {
  const std::u16string_view text = Argument(n);
  if (text.empty()) return ReportError(u"No month");
  month = ParseMonth(text);
  if (month < 1 || month > 12) return ReportError(u"Bad month \"%s\"", text.data());
  return 0;
}

}  // namespace

int EasterFunction(KChar* buffer) {
  SplitArguments(buffer, true);
  RefreshToday();
  RuleYear year;
  int church = kWesternChurch;
  DateFormat format = kDefaultRuleFormat;
  int offset = 0;
  if (const int error = ReadRuleYearArgument(1, u"Invalid year \"%s\"", year)) return error;
  if (const int error = ReadChurchArgument(2, church)) return error;
  if (const int error = ReadFormatArgument(3, format)) return error;
  if (const int error = ReadOffsetArgument(4, kMaxEasterOffset, true, offset)) return error;
  return WriteRuleResult(buffer, year, format, [&](int y) { return EasterDate(y, church, offset); });
}

int HolidayFunction(KChar* buffer) {
  SplitArguments(buffer, true);
  RefreshLocale();
  RefreshToday();
  int index = 0;
  int weekday = 0;
  int month = 0;
  RuleYear year;
  DateFormat format = kDefaultRuleFormat;
  int offset = 0;
  if (const int error = ReadIndexArgument(1, index)) return error;
  if (const int error = ReadWeekdayArgument(2, weekday)) return error;
  if (const int error = ReadMonthArgument(3, month)) return error;
  if (const int error = ReadRuleYearArgument(4, u"Bad year \"%s\"", year)) return error;
  if (const int error = ReadFormatArgument(5, format)) return error;
  if (const int error = ReadOffsetArgument(6, kMaxHolidayOffset, false, offset)) return error;
  return WriteRuleResult(buffer, year, format, [&](int y) { return NthWeekday(index, weekday, month, y, offset); });
}

}  // namespace kalendra
