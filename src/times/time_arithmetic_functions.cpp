// @timeplus, @timediff, @timetodec and @dectotime: offsets, distances and
// decimal days, computed on day numbers and times of day.
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>

#include "calendar/date_format.h"
#include "calendar/argument_reader.h"
#include "calendar/date_grammar.h"
#include "calendar/locale_snapshot.h"
#include "frame/arguments.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "frame/text.h"
#include "times/time_arithmetic.h"
#include "times/time_format.h"
#include "times/time_functions.h"
#include "times/time_grammar.h"
#include "times/time_readers.h"

namespace kalendra {
namespace {

// The widest day count before a time in @timetodec: the days from
// 1601-01-01 to 9999-12-31.
constexpr std::int32_t kMaxDayCount = kLastDay - kFirstDay + 1;
constexpr int kDecimalDaysDigits = 9;
constexpr DateFormat kDefaultDateFormat = kFourDigitYearBit;  // the locale's order, four-digit years
constexpr TimeFormat kDefaultTimeFormat = kWithSeconds;        // 24-hour clock with seconds
constexpr std::int32_t kSignedDifferenceFlag = 1;

Moment MomentOf(const DateTime& dateTime) {
  return {dateTime.hasDate ? ToDayNumber(dateTime.date) : 0, dateTime.time};
}

std::u16string WrittenTime(const TimeOfDay& time, TimeFormat format) {
  TimeText text;
  FormatTime(time, format, text);  // empty when a field is out of range
  return std::u16string(text.View());
}

// The date of the start moved by the day carry, the start's separator and
// the time, or "Resulting date out of range" when the date would leave
// 1601-01-01..9999-12-31.
int WriteDateAndTime(KChar* buffer, const DateTime& start, std::int32_t dayCarry, DateFormat dateFormat,
                     std::u16string_view timeText) {
  const std::int64_t day = std::int64_t{ToDayNumber(start.date)} + dayCarry;
  if (day < kFirstDay || day > kLastDay) return ReportError(kOutOfRangeMessage);
  WriteDateAndTimeText(buffer, FromDayNumber(static_cast<DayNumber>(day)), dateFormat, start.separator, timeText);
  return 0;
}

// The second operand of @timediff: argument 2, or now. A missing date is
// taken from the first operand, or from today when the first has one and
// the second is now.
DateTime ReadSecondDateTime(ArgumentReader& read, const DateTime& first, DateFormat dateFormat) {
  if (!HasArgument(2)) {
    if (read.Failed()) return {};
    const DateTime now = CurrentDateTime();
    return {now.date, now.time, first.hasDate, 0};
  }
  DateTime second = ReadDateTime(read, 2, dateFormat);
  read.Check(!second.hasDate || first.hasDate, 1, u"No date \"%s\"");
  if (!second.hasDate) second.date = first.date;
  second.hasDate = first.hasDate;
  return second;
}

// A leading day count of @timetodec: a signed number followed by a space,
// then the optional word "day" or "days". Returns 0 and moves pos behind
// the words (pos unmoved and days 0 when the text starts otherwise), or -1
// when the count lies beyond kMaxDayCount.
int ReadLeadingDayCount(std::u16string_view text, std::size_t& pos, std::int32_t& days) {
  days = 0;
  std::size_t end = 0;
  const std::optional<std::int64_t> count = ReadSignedNumber(text, end);
  if (!count || end >= text.size() || text[end] != u' ') return 0;
  if (*count < -kMaxDayCount || *count > kMaxDayCount) return -1;
  days = static_cast<std::int32_t>(*count);
  SkipDayWord(text, end);
  pos = end;
  return 0;
}

// The number at the start of the text as the runtime's text-to-double
// conversion reads it: white space skipped, then the longest prefix that
// forms a decimal or hexadecimal number, infinity or NaN; 0 when none does.
// Returns 0, or -1 for a value beyond the range of a double (overflow or
// underflow).
int ReadDecimalNumber(std::u16string_view text, double& value) {
  std::string ascii;  // no number continues past a non-ASCII character
  for (KChar c : text) {
    if (c > 0x7F) break;
    ascii += static_cast<char>(c);
  }
  std::size_t pos = 0;
  while (pos < ascii.size() && IsSpace(static_cast<KChar>(ascii[pos]))) ++pos;
  const bool negative = pos < ascii.size() && ascii[pos] == '-';
  if (pos < ascii.size() && (ascii[pos] == '-' || ascii[pos] == '+')) ++pos;
  if (pos < ascii.size() && (ascii[pos] == '-' || ascii[pos] == '+')) {  // a second sign: no number
    value = 0.0;
    return 0;
  }
  auto format = std::chars_format::general;
  if (ascii.compare(pos, 2, "0x") == 0 || ascii.compare(pos, 2, "0X") == 0) {
    const bool hexDigitFollows = pos + 2 < ascii.size() && std::isxdigit(static_cast<unsigned char>(ascii[pos + 2]));
    if (hexDigitFollows) {
      pos += 2;
      format = std::chars_format::hex;
    }
  }
  double magnitude = 0.0;
  const auto result = std::from_chars(ascii.data() + pos, ascii.data() + ascii.size(), magnitude, format);
  if (result.ec == std::errc::result_out_of_range) return -1;
  value = negative ? -magnitude : magnitude;
  return 0;
}

}  // namespace

int TimePlusFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kCommasOnly);
  const DateFormat dateFormat = read.Format(3, kDefaultDateFormat);
  const TimeFormat timeFormat = ReadTimeFormat(read, 4, kDefaultTimeFormat);
  const DateTime start = HasArgument(1) ? ReadDateTime(read, 1, dateFormat) : CurrentDateTime();
  TimeOffset offset;
  if (HasArgument(2)) {
    read.ReadWith(2, kBadOffsetMessage, [&](std::u16string_view text) { return ParseOffset(text, offset) == 0; });
  }
  std::int32_t dayCarry = 0;
  TimeOfDay time;
  read.ReadWith(2, kBadOffsetMessage, [&](std::u16string_view) { return AddTime(start.time, offset, dayCarry, time) == 0; });
  if (read.Failed()) return kErrorResult;
  TimeText timeText;
  FormatTime(time, timeFormat, timeText);  // empty when a field is out of range
  if (start.hasDate) return WriteDateAndTime(buffer, start, dayCarry, dateFormat, timeText.View());
  return AnswerText(buffer, DaysBeforeTime(dayCarry, true, TimeStyle(timeFormat) == kDecimalDayStyle) +
                                std::u16string(timeText.View()));
}

int TimeDiffFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kCommasOnly);
  const DateFormat dateFormat = read.Format(3, kDefaultDateFormat);
  TimeFormat timeFormat = ReadTimeFormat(read, 4, kDefaultTimeFormat);
  read.Require(1, u"No time1");
  const DateTime first = ReadDateTime(read, 1, dateFormat);
  const DateTime second = ReadSecondDateTime(read, first, dateFormat);
  const int flags = read.Number(5, 0, kBadFlagsMessage);
  if (read.Failed()) return kErrorResult;

  const bool decimalTime = TimeStyle(timeFormat) == kDecimalDayStyle;
  if (!decimalTime) timeFormat &= ~kStyleMask;  // a distance is written on the 24-hour clock
  const TimeDistance distance = TimeDifference(MomentOf(first), MomentOf(second));
  std::u16string text = (flags & kSignedDifferenceFlag) != 0 && distance.swapped ? u"-" : u"";
  text += DaysBeforeTime(distance.days, false, decimalTime);
  if (decimalTime && distance.days != 0) timeFormat = kDecimalDayStyle;  // the fraction follows the days without "0"
  return AnswerText(buffer, text + WrittenTime(distance.time, timeFormat));
}

int TimeToDecFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kCommasOnly);
  read.Require(1, u"No time");
  const std::u16string_view argument = Argument(1);
  std::size_t pos = 0;
  std::int32_t days = 0;
  read.ReadWith(1, u"Bad days count", [&](std::u16string_view) { return ReadLeadingDayCount(argument, pos, days) == 0; });
  const std::u16string_view timePart = argument.substr(pos);
  TimeOfDay time;
  TimeParts parts = 0;
  if (!read.Failed()) {
    read.CheckQuoting(ParseTime(timePart, time, &parts) == 0 && (parts & kMinutesPart) != 0, u"Bad time \"%s\"",
                      timePart);
  }
  if (read.Failed()) return kErrorResult;
  return AnswerText(buffer, FixedPoint(ToDecimalDays(days, time), kDecimalDaysDigits));
}

int DecToTimeFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kCommasOnly);
  read.Require(1, u"No decimal time");
  const TimeFormat timeFormat = ReadTimeFormat(read, 2, kDefaultTimeFormat);
  std::int32_t days = 0;
  TimeOfDay time;
  read.ReadWith(1, u"Bad decimal time \"%s\"", [&](std::u16string_view text) {
    double value = 0.0;
    return ReadDecimalNumber(text, value) == 0 && FromDecimalDays(value, days, time) == 0;
  });
  if (read.Failed()) return kErrorResult;
  return AnswerText(buffer, DaysBeforeTime(days, true, false) + WrittenTime(time, timeFormat));
}

}  // namespace kalendra
