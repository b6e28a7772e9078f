// The time grammar: the clock fields shared by times and offsets, the AM/PM
// markers of a time, and the day count of an offset.
#include "times/time_grammar.h"

#include "frame/numbers.h"
#include "frame/text.h"

namespace kalendra {
namespace {

constexpr std::uint32_t kLastTwelveHour = 12;

// Hours, minutes, seconds and milliseconds as written, before any range check.
struct ClockFields {
  std::uint32_t hour = 0;
  std::uint32_t minute = 0;
  std::uint32_t second = 0;
  std::uint32_t millisecond = 0;
  TimeParts parts = 0;
  bool tooLarge = false;  // some field exceeded a signed 32-bit number
};

bool At(std::u16string_view text, std::size_t pos, KChar c) { return pos < text.size() && text[pos] == c; }

bool DigitAt(std::u16string_view text, std::size_t pos) { return pos < text.size() && IsDigit(text[pos]); }

// A run of digits at pos; a value beyond a signed 32-bit number marks the
// fields too large instead of being cut down to the limit.
std::uint32_t ReadField(std::u16string_view text, std::size_t& pos, ClockFields& fields) {
  const std::int64_t value = ReadDigitsUpTo(text, pos, kMaxSignedNumber);
  if (value > kMaxNumber) {
    fields.tooLarge = true;
    return 0;
  }
  return static_cast<std::uint32_t>(value);
}

// Steps over a field separator (":" or ".") that a digit follows. A
// separator without a digit behind it is an error: returns -1. Returns 1
// when a field follows, 0 when no separator stands at pos.
int StepOverFieldSeparator(std::u16string_view text, std::size_t& pos) {
  if (!At(text, pos, u':') && !At(text, pos, u'.')) return 0;
  if (!DigitAt(text, pos + 1)) return -1;
  ++pos;
  return 1;
}

// The fraction after the seconds: the first three digits count 100, 10 and
// 1 milliseconds; further digits are read and dropped, never rounded.
std::uint32_t ReadMilliseconds(std::u16string_view text, std::size_t& pos, TimeParts& parts) {
  std::uint32_t milliseconds = 0;
  std::uint32_t weight = 100;
  for (; DigitAt(text, pos); ++pos) {
    milliseconds += static_cast<std::uint32_t>(text[pos] - u'0') * weight;
    weight /= 10;
    parts |= kFractionPart;
  }
  return milliseconds;
}

// Reads "H[:M[:S[.fff]]]" from pos. Returns false when no digit stands at
// pos or a field separator has no digit behind it.
bool ReadClockFields(std::u16string_view text, std::size_t& pos, ClockFields& fields) {
  if (!DigitAt(text, pos)) return false;
  fields.hour = ReadField(text, pos, fields);
  fields.parts |= kHourPart;
  int step = StepOverFieldSeparator(text, pos);
  if (step <= 0) return step == 0;
  fields.minute = ReadField(text, pos, fields);
  fields.parts |= kMinutesPart;
  step = StepOverFieldSeparator(text, pos);
  if (step <= 0) return step == 0;
  fields.second = ReadField(text, pos, fields);
  fields.parts |= kSecondsPart;
  if (At(text, pos, u'.') || At(text, pos, u',')) {
    ++pos;
    fields.millisecond = ReadMilliseconds(text, pos, fields.parts);
  }
  return true;
}

enum class Marker { kNone, kAm, kPm };

// Reads "A" or "P" at pos and steps over it and every "M", "." and white
// space after it (AM, a.m., P.M. and a lone p all mark the half of the day).
Marker ReadMarker(std::u16string_view text, std::size_t& pos) {
  if (pos >= text.size()) return Marker::kNone;
  const KChar letter = FoldAscii(text[pos]);
  if (letter != u'a' && letter != u'p') return Marker::kNone;
  for (++pos; pos < text.size() && (FoldAscii(text[pos]) == u'm' || text[pos] == u'.' || IsSpace(text[pos])); ++pos) {
  }
  return letter == u'a' ? Marker::kAm : Marker::kPm;
}

// After the clock fields of a time without a leading marker: white space
// that ends the text, or white space and a marker that ends it. Returns
// false when anything else is left.
bool ReadTrailingMarker(std::u16string_view text, std::size_t& pos, Marker& marker) {
  while (pos < text.size() && IsSpace(text[pos])) ++pos;
  if (pos == text.size()) return true;
  marker = ReadMarker(text, pos);
  return marker != Marker::kNone && pos == text.size();
}

// The 24-hour hour of a 12-hour clock hour 1..12: 12 AM is 0, 12 PM is 12.
std::uint32_t TwentyFourHour(std::uint32_t hour, Marker marker) {
  const std::uint32_t morning = hour == kLastTwelveHour ? 0 : hour;
  return marker == Marker::kPm ? morning + kLastTwelveHour : morning;
}

bool TimeFieldsInRange(const ClockFields& fields, Marker marker) {
  if (fields.tooLarge || fields.minute >= kMinutesPerHour || fields.second >= kSecondsPerMinute) return false;
  if (marker == Marker::kNone) return fields.hour < kHoursPerDay && (fields.parts & kMinutesPart) != 0;
  return fields.hour >= 1 && fields.hour <= kLastTwelveHour;  // 3 PM needs no minutes
}

// "hh:mm" and "hh:mm:ss", the forms nearly every call brings, read without
// the general grammar, as it reads them; false for any other shape.
bool ReadPlainClockFields(std::u16string_view text, ClockFields& fields) {
  const bool withSeconds = text.size() == 8;
  if ((text.size() != 5 && !withSeconds) || text[2] != u':' || (withSeconds && text[5] != u':')) return false;
  const unsigned hour = TwoDigitsAt(text, 0);
  const unsigned minute = TwoDigitsAt(text, 3);
  const unsigned second = withSeconds ? TwoDigitsAt(text, 6) : 0;
  if (hour > 99 || minute > 99 || second > 99) return false;
  fields.hour = hour;
  fields.minute = minute;
  fields.second = second;
  fields.parts = kHourPart | kMinutesPart | (withSeconds ? kSecondsPart : 0);
  return true;
}

// The fields and marker of a time in any other shape; false when the text is
// not a time.
bool ReadClockFieldsAndMarker(std::u16string_view text, ClockFields& fields, Marker& marker) {
  std::size_t pos = 0;
  marker = ReadMarker(text, pos);
  const bool leadingMarker = marker != Marker::kNone;
  if (!ReadClockFields(text, pos, fields)) return false;
  if (leadingMarker) return pos == text.size();  // not even white space may follow
  return ReadTrailingMarker(text, pos, marker);
}

}  // namespace

int ParseTime(std::u16string_view text, TimeOfDay& time, TimeParts* parts) {
  if (parts != nullptr) *parts = 0;
  ClockFields fields;
  Marker marker = Marker::kNone;
  if (!ReadPlainClockFields(text, fields) && !ReadClockFieldsAndMarker(text, fields, marker)) return -1;
  if (!TimeFieldsInRange(fields, marker)) return -1;
  const std::uint32_t hour = marker == Marker::kNone ? fields.hour : TwentyFourHour(fields.hour, marker);
  time = {hour, fields.minute, fields.second, fields.millisecond};
  if (parts != nullptr) *parts = fields.parts | (marker == Marker::kNone ? 0 : kMarkerPart);
  return 0;
}

void SkipDayWord(std::u16string_view text, std::size_t& pos) {
  const auto skipSpaces = [&] {
    while (At(text, pos, u' ')) ++pos;
  };
  skipSpaces();
  if (EqualsIgnoringAsciiCase(text.substr(pos, 3), u"day")) {
    pos += 3;
    if (pos < text.size() && FoldAscii(text[pos]) == u's') ++pos;
  }
  skipSpaces();
}

int ParseOffset(std::u16string_view text, TimeOffset& offset) {
  std::size_t pos = 0;
  const bool negative = At(text, pos, u'-');
  if (negative || At(text, pos, u'+')) ++pos;
  if (!DigitAt(text, pos)) return -1;
  const std::size_t start = pos;
  ClockFields fields;  // the day count is read like a field, then moved
  const std::uint32_t count = ReadField(text, pos, fields);
  std::uint32_t days = 0;
  bool hoursFollow = true;
  if (At(text, pos, u'@')) {
    days = count;
    ++pos;
  } else if (At(text, pos, u' ')) {
    days = count;
    SkipDayWord(text, pos);
    hoursFollow = pos < text.size();  // "2 days" alone is a whole offset
  } else {
    fields = {};  // not a day count: the hours are read again from the start
    pos = start;
  }
  if (hoursFollow && !ReadClockFields(text, pos, fields)) return -1;
  if (pos != text.size() || fields.tooLarge) return -1;
  const auto signedCount = [negative](std::uint32_t value) {
    return negative ? -static_cast<std::int32_t>(value) : static_cast<std::int32_t>(value);
  };
  offset = {signedCount(days), signedCount(fields.hour), signedCount(fields.minute), signedCount(fields.second),
            signedCount(fields.millisecond)};
  return 0;
}

}  // namespace kalendra
