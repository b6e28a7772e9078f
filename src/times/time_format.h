// Writing a time of day in the sixteen styles of a TimeFormat word, and the
// fixed-point numbers that decimal days are written with.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/date_format.h"
#include "contract/host_interface.h"
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

// Characters read of a locale's AM or PM designator.
inline constexpr std::size_t kDesignatorCapacity = 1023;

// A written time, held in place: a string's bookkeeping would cost more than
// writing the commonest times. Room for the clock fields, their separators, a
// space and a designator; what would not fit is dropped.
class TimeText {
 public:
  void Clear() { size_ = 0; }
  void Append(KChar c) {
    if (size_ < text_.size()) text_[size_++] = c;
  }
  void Append(std::u16string_view part) {
    for (const KChar c : part) Append(c);
  }
  std::size_t Size() const { return size_; }
  KChar& operator[](std::size_t i) { return text_[i]; }
  std::u16string_view View() const { return {text_.data(), size_}; }

 private:
  std::array<KChar, kDesignatorCapacity + 32> text_;  // NOLINT: written before it is read
  std::size_t size_ = 0;
};

// Writes the time in the format with the given locale texts. Returns 0 and
// the text, or -1 with text untouched when a field of the time is out of
// range.
int FormatTime(const TimeOfDay& time, TimeFormat format, const TimeLocale& locale, TimeText& text);

// The locale texts a time in this format is written with: the separators
// of LocaleSnapshot as last read and, for styles 13 and 14, the user
// locale's designators read now (one that cannot be read is empty).
TimeLocale CurrentTimeLocale(TimeFormat format);

// FormatTime with CurrentTimeLocale(format).
int FormatTime(const TimeOfDay& time, TimeFormat format, TimeText& text);

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
