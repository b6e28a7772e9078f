// @timeplus, @timediff, @timetodec and @dectotime: offsets, distances and
// decimal days, computed on day numbers and times of day.
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>

#include "calendar/date_format.h"
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

int WriteText(KChar* buffer, const std::u16string& text) {
  CopyText(buffer, kHostBufferLength, text);
  return 0;
}

// The date of the start moved by the day carry, the start's separator and
// the time, or "Resulting date out of range" when the date would leave
// 1601-01-01..9999-12-31.
int WriteDateAndTime(KChar* buffer, const DateTime& start, std::int32_t dayCarry, DateFormat dateFormat,
                     std::u16string_view timeText) {
  const std::int64_t day = std::int64_t{ToDayNumber(start.date)} + dayCarry;
  if (day < kFirstDay || day > kLastDay) return ReportError(u"Resulting date out of range");
  WriteDateAndTimeText(buffer, FromDayNumber(static_cast<DayNumber>(day)), dateFormat, start.separator, timeText);
  return 0;
}

// How @timeplus and @timediff begin: split the arguments, refresh the
// locale, read the date format (argument 3) and the time format (argument
// 4). Returns 0, or kErrorResult after a message.
int StartWithFormats(KChar* buffer, DateFormat& dateFormat, TimeFormat& timeFormat) {
  SplitArguments(buffer, false);
  RefreshLocale();
  if (ReadDateFormatArgument(3, kDefaultDateFormat, dateFormat) != 0) return kErrorResult;
  return ReadTimeFormatArgument(4, kDefaultTimeFormat, timeFormat);
}

// The flags of @timediff: 0 when absent. Returns 0, or kErrorResult after
// "Bad flags".
int ReadFlagsArgument(int n, std::int32_t& flags) { return ReadNumberArgument(n, 0, u"Bad flags \"%s\"", flags); }

// The second operand of @timediff: argument 2, or now. A missing date is
// taken from the first operand, or from today when the first has one and
// the second is now. Returns 0, or kErrorResult after a message.
int ReadSecondDateTime(const DateTime& first, DateFormat dateFormat, DateTime& second) {
  if (!HasArgument(2)) {
    const DateTime now = CurrentDateTime();
    second = {now.date, now.time, first.hasDate, 0};
    return 0;
  }
  if (ParseDateTime(Argument(2), second, dateFormat) != 0) return kErrorResult;
  if (second.hasDate && !first.hasDate) return ReportError(u"No date \"%s\"", Argument(1).data());
  if (!second.hasDate) second.date = first.date;
  second.hasDate = first.hasDate;
  return 0;
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
  DateFormat dateFormat = 0;
  TimeFormat timeFormat = 0;
  if (StartWithFormats(buffer, dateFormat, timeFormat) != 0) return kErrorResult;
  DateTime start;
  if (!HasArgument(1)) {
    start = CurrentDateTime();
  } else if (ParseDateTime(Argument(1), start, dateFormat) != 0) {
    return kErrorResult;
  }
  TimeOffset offset;
  if (HasArgument(2) && ParseOffset(Argument(2), offset) != 0) {
    return ReportError(u"Bad offset \"%s\"", Argument(2).data());
  }
  std::int32_t dayCarry = 0;
  TimeOfDay time;
  if (AddTime(start.time, offset, dayCarry, time) != 0) return ReportError(u"Bad offset \"%s\"", Argument(2).data());
  TimeText timeText;
  FormatTime(time, timeFormat, timeText);  // empty when a field is out of range
  if (start.hasDate) return WriteDateAndTime(buffer, start, dayCarry, dateFormat, timeText.View());
  return WriteText(buffer, DaysBeforeTime(dayCarry, true, TimeStyle(timeFormat) == kDecimalDayStyle) +
                               std::u16string(timeText.View()));
}

int TimeDiffFunction(KChar* buffer) {
  DateFormat dateFormat = 0;
  TimeFormat timeFormat = 0;
  if (StartWithFormats(buffer, dateFormat, timeFormat) != 0) return kErrorResult;
  const bool decimalTime = TimeStyle(timeFormat) == kDecimalDayStyle;
  if (!decimalTime) timeFormat &= ~kStyleMask;  // a distance is written on the 24-hour clock
  if (!HasArgument(1)) return ReportError(u"No time1");
  DateTime first;
  DateTime second;
  if (ParseDateTime(Argument(1), first, dateFormat) != 0) return kErrorResult;
  if (ReadSecondDateTime(first, dateFormat, second) != 0) return kErrorResult;
  std::int32_t flags = 0;
  if (ReadFlagsArgument(5, flags) != 0) return kErrorResult;

  const TimeDistance distance = TimeDifference(MomentOf(first), MomentOf(second));
  std::u16string text = (flags & kSignedDifferenceFlag) != 0 && distance.swapped ? u"-" : u"";
  text += DaysBeforeTime(distance.days, false, decimalTime);
  if (decimalTime && distance.days != 0) timeFormat = kDecimalDayStyle;  // the fraction follows the days without "0"
  return WriteText(buffer, text + WrittenTime(distance.time, timeFormat));
}

int TimeToDecFunction(KChar* buffer) {
  SplitArguments(buffer, false);
  if (!HasArgument(1)) return ReportError(u"No time");
  const std::u16string_view argument = Argument(1);
  std::size_t pos = 0;
  std::int32_t days = 0;
  if (ReadLeadingDayCount(argument, pos, days) != 0) return ReportError(u"Bad days count");
  const std::u16string timePart(argument.substr(pos));
  TimeOfDay time;
  TimeParts parts = 0;
  if (ParseTime(timePart, time, &parts) != 0 || (parts & kMinutesPart) == 0) {
    return ReportError(u"Bad time \"%s\"", timePart.c_str());
  }
  return WriteText(buffer, FixedPoint(ToDecimalDays(days, time), kDecimalDaysDigits));
}

int DecToTimeFunction(KChar* buffer) {
  SplitArguments(buffer, false);
  if (!HasArgument(1)) return ReportError(u"No decimal time");
  TimeFormat timeFormat = 0;
  if (ReadTimeFormatArgument(2, kDefaultTimeFormat, timeFormat) != 0) return kErrorResult;
  double value = 0.0;
  std::int32_t days = 0;
  TimeOfDay time;
  if (ReadDecimalNumber(Argument(1), value) != 0 || FromDecimalDays(value, days, time) != 0) {
    return ReportError(u"Bad decimal time \"%s\"", Argument(1).data());
  }
  return WriteText(buffer, DaysBeforeTime(days, true, false) + WrittenTime(time, timeFormat));
}

}  // namespace kalendra
