// @easter and @holiday: read the arguments in order, compute the date rule
// for the chosen year (or the next occurrence after today), write the date.
#include "holidays/floating_functions.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "calendar/date_format.h"
#include "calendar/holiday_year.h"
#include "calendar/names.h"
#include "calendar/today.h"
#include "calendar/argument_reader.h"
#include "frame/errors.h"
#include "frame/text.h"
#include "holidays/date_rules.h"

namespace kalendra {
namespace {

using namespace std::string_view_literals;

inline constexpr DateFormat kDefaultRuleFormat = kFourDigitYearBit;  // the locale's order, four-digit years
inline constexpr int kMaxEasterOffset = 366;
inline constexpr int kMaxHolidayOffset = 31;

// The year a rule is computed for; "*" asks for the next occurrence after
// today, searched from that year.
struct RuleYear {
  int year = 0;
  bool nextAfterToday = false;
};

// Argument n as the year: "*" for the next occurrence, a year or a year
// relative to today's; empty gives HolidayYear, or today's year when unset.
RuleYear ReadRuleYear(ArgumentReader& read, int n, Message message) {
  // The clock is read only when the year is left to it.
  const auto defaultYear = [] { return HolidayYear() != 0 ? HolidayYear() : Today().year; };
  if (Argument(n) == u"*") return {defaultYear(), true};
  if (!HasArgument(n)) return {read.Failed() ? 0 : defaultYear(), false};
  return {read.Parsed(n, ParseYear, 0, message), false};
}

// Argument n as a format word, digits only (kDefaultRuleFormat when empty).
DateFormat ReadRuleFormat(ArgumentReader& read, int n) {
  return static_cast<DateFormat>(read.Number(n, static_cast<int>(kDefaultRuleFormat), kBadFormatMessage));
}

// Argument n as an offset within -limit..limit (0 when empty): a signed
// number, either the whole text or, with leadingOnly, its start.
int ReadOffset(ArgumentReader& read, int n, int limit, bool leadingOnly) {
  if (read.Failed() || !HasArgument(n)) return 0;
  std::size_t pos = 0;
  const std::optional<std::int64_t> value =
      leadingOnly ? ReadSignedNumber(Argument(n), pos) : ParseSignedNumber(Argument(n));
  read.Check(value && *value >= -limit && *value <= limit, n, kBadOffsetMessage);
  return read.Failed() ? 0 : static_cast<int>(*value);
}

// The index of @holiday: 1 to 5, where "L", "F", "last" and "final" (any
// case) stand for 5, the last; -1 for anything else.
int ParseWeekdayIndex(std::u16string_view text) {
  for (const std::u16string_view word : {u"L"sv, u"F"sv, u"last"sv, u"final"sv}) {
    if (EqualsIgnoringAsciiCase(text, word)) return kLastWeekdayIndex;
  }
  const int index = ParseNumber(text);
  return index >= 1 && index <= kLastWeekdayIndex ? index : -1;
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
  if (!date) return ReportError(kOutOfRangeMessage);
  return FormatDate(buffer, *date, format);
}

}  // namespace

int EasterFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  const RuleYear year = ReadRuleYear(read, 1, kInvalidYearMessage);
  const int church = read.Number(2, kWesternChurch, u"Invalid church \"%s\"", kWesternChurch, kOrthodoxChurch);
  const DateFormat format = ReadRuleFormat(read, 3);
  const int offset = ReadOffset(read, 4, kMaxEasterOffset, false);
  if (read.Failed()) return kErrorResult;
  return WriteRuleResult(buffer, year, format, [&](int y) { return EasterDate(y, church, offset); });
}

int HolidayFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  read.Require(1, u"No index");
  const int index = read.Parsed(1, ParseWeekdayIndex, 0, kBadIndexMessage);
  read.Require(2, u"No day-of-the-week");
  const int weekday = read.Parsed(2, ParseWeekday, 0, kBadWeekdayMessage);
  read.Require(3, kNoMonthMessage);
  const int month = read.Parsed(3, ParseMonth, 0, kBadMonthMessage);
  const RuleYear year = ReadRuleYear(read, 4, u"Bad year \"%s\"");
  const DateFormat format = ReadRuleFormat(read, 5);
  const int offset = ReadOffset(read, 6, kMaxHolidayOffset, true);
  if (read.Failed()) return kErrorResult;
  return WriteRuleResult(buffer, year, format, [&](int y) { return NthWeekday(index, weekday, month, y, offset); });
}

}  // namespace kalendra
