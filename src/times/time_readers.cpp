// Reading time-format arguments and date-times, with their messages.
#include "times/time_readers.h"

#include <string>

#include "calendar/date_grammar.h"
#include "frame/arguments.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "platform/platform.h"
#include "times/time_grammar.h"

namespace kalendra {
namespace {

// Where the date ends and the time begins: the first "@" from the second
// character on, else the first "T", else the first "t"; npos for none.
// One pass over the text, which every date-time argument takes.
std::size_t FindDateTimeSeparator(std::u16string_view text) {
  constexpr std::size_t kNone = std::u16string_view::npos;
  std::size_t upperT = kNone;
  std::size_t lowerT = kNone;
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (text[i] == u'@') return i;
    if (text[i] == u'T' && upperT == kNone) upperT = i;
    if (text[i] == u't' && lowerT == kNone) lowerT = i;
  }
  return upperT != kNone ? upperT : lowerT;
}

}  // namespace

int ReadTimeFormatArgument(int n, TimeFormat fallback, TimeFormat& format) {
  std::int32_t value = 0;
  if (ReadNumberArgument(n, static_cast<std::int32_t>(fallback), u"Invalid time format \"%s\"", value) != 0) {
    return kErrorResult;
  }
  format = static_cast<TimeFormat>(value);
  return 0;
}

int ParseDateTime(std::u16string_view text, DateTime& dateTime, DateFormat format) {
  // A message quotes a part of the text, made zero-terminated only then.
  const auto quoting = [](std::u16string_view message, std::u16string_view part) {
    return ReportError(message, std::u16string(part).c_str());
  };
  DateTime result;
  std::u16string_view timeText = text;
  const std::size_t separator = FindDateTimeSeparator(text);
  if (separator != std::u16string_view::npos) {
    const std::u16string_view datePart = text.substr(0, separator);
    if (ParseDate(datePart, result.date, format) != 0) return quoting(u"Invalid date \"%s\"", datePart);
    result.hasDate = true;
    result.separator = text[separator] == u'@' ? u'@' : u'T';
    timeText = text.substr(separator + 1);
    if (timeText.empty()) return quoting(u"No time \"%s\"", text);
  }
  if (ParseTime(timeText, result.time) != 0) return quoting(u"Invalid time \"%s\"", text);
  dateTime = result;
  return 0;
}

DateTime CurrentDateTime() {
  const platform::SystemDateTime now = platform::LocalNow();
  const auto field = [](int value) { return static_cast<std::uint32_t>(value); };
  return {{now.year, now.month, now.day},
          {field(now.hour), field(now.minute), field(now.second), field(now.millisecond)},
          true,
          u'@'};
}

}  // namespace kalendra
