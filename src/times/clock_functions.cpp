// @localdatetime and @utcdatetime, which move a date and time between the
// local clock and UTC through the platform's zone, and @agedate and
// @makeage, which write and make ages.
#include <array>
#include <cstdint>
#include <limits>
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
#include "platform/platform.h"
#include "times/age.h"
#include "times/time_format.h"
#include "times/time_functions.h"
#include "times/time_grammar.h"
#include "times/time_readers.h"

namespace kalendra {
namespace {

constexpr DateFormat kClockDateFormat = kFourDigitYearBit;  // the locale's order, four-digit years
constexpr TimeFormat kClockTimeFormat = 0;                  // hours and minutes
constexpr DateFormat kAgeDateFormat = 4;                    // yyyy-mm-dd
constexpr TimeFormat kAgeTimeFormat = kZeroPaddedHour | kWithMilliseconds | kWithSeconds;
constexpr DateFormat kMakeAgeDateFormat = 0;                // the locale's default order
constexpr std::int32_t kAgeTSeparatorBit = 1;
constexpr std::int32_t kAgeAtSeparatorBit = 2;

// The date of the moment in the date format, the separator, and its time in
// the time format.
int WriteMoment(KChar* buffer, const Moment& moment, DateFormat dateFormat, KChar separator, TimeFormat timeFormat) {
  TimeText timeText;
  FormatTime(moment.time, timeFormat, timeText);
  WriteDateAndTimeText(buffer, FromDayNumber(moment.day), dateFormat, separator, timeText.View());
  return 0;
}

// One direction of the clocks: where it starts, how it converts, and what
// it says when the conversion fails.
struct ClockConversion {
  platform::SystemDateTime (*now)();
  std::optional<platform::SystemDateTime> (*convert)(const platform::SystemDateTime&);
  std::u16string_view failure;
};

// The current time of the starting clock with the date and the time of the
// arguments put in place, converted. A result outside 1601..9999 counts as
// a refused conversion, so no such date is ever written.
int ConvertBetweenClocks(KChar* buffer, const ClockConversion& conversion) {
  ArgumentReader read(buffer, Separators::kCommasOnly);
  const DateFormat dateFormat = read.Format(3, kClockDateFormat);
  const TimeFormat timeFormat = ReadTimeFormat(read, 4, kClockTimeFormat);
  const CalendarDate date = HasArgument(1) ? read.Date(1, dateFormat, kInvalidDateMessage) : CalendarDate{};
  const TimeOfDay time = HasArgument(2) ? ReadTime(read, 2) : TimeOfDay{};
  if (read.Failed()) return kErrorResult;
  // The clock is read only when the arguments leave the date or the time to it.
  platform::SystemDateTime fields = HasArgument(1) && HasArgument(2) ? platform::SystemDateTime{} : conversion.now();
  if (HasArgument(1)) {
    fields.year = date.year;
    fields.month = date.month;
    fields.day = date.day;
  }
  if (HasArgument(2)) {
    fields.hour = static_cast<int>(time.hour);
    fields.minute = static_cast<int>(time.minute);
    fields.second = static_cast<int>(time.second);
    fields.millisecond = static_cast<int>(time.millisecond);
  }
  const std::optional<platform::SystemDateTime> converted = conversion.convert(fields);
  const std::optional<Moment> moment = converted ? MomentOfFields(*converted) : std::nullopt;
  if (!moment) return ReportError(conversion.failure);
  return WriteMoment(buffer, *moment, dateFormat, u',', timeFormat);
}

// The whole text as the runtime's wide text-to-64-bit conversion reads it:
// white space, a sign, decimal digits (saturating at the limits of a signed
// 64-bit number), and nothing after them.
std::optional<std::int64_t> ParseAgeNumber(std::u16string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  const bool negative = pos < text.size() && text[pos] == u'-';
  if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'+')) ++pos;
  const std::size_t digitsStart = pos;
  constexpr std::uint64_t kMagnitudeLimit = std::uint64_t{std::numeric_limits<std::int64_t>::max()} + 1;
  std::uint64_t magnitude = 0;
  for (; pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9'; ++pos) {
    const std::uint64_t digit = text[pos] - u'0';
    magnitude = magnitude > (kMagnitudeLimit - digit) / 10 ? kMagnitudeLimit : magnitude * 10 + digit;
  }
  if (pos == digitsStart || pos != text.size()) return std::nullopt;
  if (negative) return magnitude >= kMagnitudeLimit ? std::numeric_limits<std::int64_t>::min()
                                                     : -static_cast<std::int64_t>(magnitude);
  return magnitude >= kMagnitudeLimit ? std::numeric_limits<std::int64_t>::max()
                                      : static_cast<std::int64_t>(magnitude);
}

// The separator between the date and the time of @agedate.
KChar AgeSeparator(std::int32_t options) {
  if ((options & kAgeTSeparatorBit) != 0) return u'T';
  return (options & kAgeAtSeparatorBit) != 0 ? u'@' : u',';
}

}  // namespace

int LocalDateTimeFunction(KChar* buffer) {
  return ConvertBetweenClocks(buffer, {platform::UtcNow, platform::UtcToLocal, u"Error converting UTC to local"});
}

int UtcDateTimeFunction(KChar* buffer) {
  return ConvertBetweenClocks(buffer, {platform::LocalNow, platform::LocalToUtc, u"Error converting local to UTC"});
}

int AgeDateFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  read.Require(1, u"No age");
  const std::optional<std::int64_t> number = ParseAgeNumber(Argument(1));
  read.Check(number.has_value(), 1, u"Invalid age \"%s\"");
  const auto age = static_cast<AgeValue>(number.value_or(0));  // a negative number is far beyond the limit
  read.Check(age < kAgeLimit, 1, u"Age out of range \"%s\"");
  const DateFormat dateFormat = read.Format(2, kAgeDateFormat);
  const TimeFormat timeFormat = ReadTimeFormat(read, 3, kAgeTimeFormat);
  const int options = read.Number(4, 0, kBadOptionMessage);
  if (read.Failed()) return kErrorResult;
  return WriteMoment(buffer, MomentOfAge(age), dateFormat, AgeSeparator(options), timeFormat);
}

int MakeAgeFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  read.Require(1, kNoDateMessage);
  const DateFormat dateFormat = read.Format(3, kMakeAgeDateFormat);
  const CalendarDate date = read.Date(1, dateFormat, kInvalidDateMessage);
  const TimeOfDay time = HasArgument(2) ? ReadTime(read, 2) : TimeOfDay{};  // midnight by default
  if (read.Failed()) return kErrorResult;
  return AnswerNumber(buffer, static_cast<std::int64_t>(AgeOfMoment({ToDayNumber(date), time})));  // as "%q" writes it
}

}  // namespace kalendra
