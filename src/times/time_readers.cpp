// Reading time-format arguments and date-times, with their messages.
#include "times/time_readers.h"

#include <string>

#include "calendar/argument_reader.h"
#include "calendar/date_grammar.h"
#include "frame/arguments.h"
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

TimeFormat ReadTimeFormat(ArgumentReader& read, int n, TimeFormat fallback) {
  return static_cast<TimeFormat>(read.Number(n, static_cast<int>(fallback), u"Invalid time format \"%s\""));
}

TimeOfDay ReadTime(ArgumentReader& read, int n, TimeParts* parts) {
  TimeOfDay time;
  read.ReadWith(n, kInvalidTimeMessage, [&](std::u16string_view text) { return ParseTime(text, time, parts) == 0; });
  return time;
}

DateTime ReadDateTime(ArgumentReader& read, int n, DateFormat format) {
  DateTime result;
  if (read.Failed()) return result;
  const std::u16string_view text = Argument(n);
  std::u16string_view timeText = text;
  const std::size_t separator = FindDateTimeSeparator(text);
  if (separator != std::u16string_view::npos) {
    const std::u16string_view datePart = text.substr(0, separator);
    read.CheckQuoting(ParseDate(datePart, result.date, format) == 0, kInvalidDateMessage, datePart);
    result.hasDate = true;
    result.separator = text[separator] == u'@' ? u'@' : u'T';
    timeText = text.substr(separator + 1);
    read.Check(!timeText.empty(), n, u"No time \"%s\"");
  }
  read.ReadWith(n, kInvalidTimeMessage, [&](std::u16string_view) { return ParseTime(timeText, result.time) == 0; });
  return result;
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
