// Writing a time of day in the sixteen styles of a TimeFormat word, and the
// fixed-point numbers that decimal days are written with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/date_format.h"
#include "frame/host_interface.h"
#include "times/time_of_day.h"

namespace kalendra {

// What a written time takes from the user's locale: the separators (used
// under kLocaleSeparators) and the AM/PM designators (styles 13 and 14).
struct TimeLocale {
  KChar timeSeparator = u':';
  KChar decimalSeparator = u'.';
  std::u16string amDesignator;
  std::u16string pmDesignator;
};

// Writes the time in the format with the given locale texts. Returns 0 and
// the text, or -1 with text untouched when a field of the time is out of
// range.
int FormatTime(const TimeOfDay& time, TimeFormat format, const TimeLocale& locale, std::u16string& text);

// The locale texts a time in this format is written with: the separators
// of LocaleSnapshot as last read and, for styles 13 and 14, the user
// locale's designators read now (one that cannot be read is empty).
TimeLocale CurrentTimeLocale(TimeFormat format);

// FormatTime with CurrentTimeLocale(format).
int FormatTime(const TimeOfDay& time, TimeFormat format, std::u16string& text);

// The days that stand before a time in a result: nothing for 0; before a
// decimal-day time the bare count ("+1.50000000"); before any other time
// "N day " for one day and "N days " for more. With a sign the count is
// written "%+d", without it "%d".
std::u16string DaysBeforeTime(std::int32_t days, bool withSign, bool decimalTime);

// Writes the date in the date format, the separator and the time text into
// a buffer of kHostBufferLength characters: how every result that holds a
// date and a time is written.
void WriteDateAndTimeText(KChar* buffer, CalendarDate date, DateFormat dateFormat, KChar separator,
                          std::u16string_view timeText);

// The value with exactly `digits` digits after the point, rounded to
// nearest, as "%.*f" writes it (0.500000000, -0.500000000).
std::u16string FixedPoint(double value, int digits);

}  // namespace kalendra
