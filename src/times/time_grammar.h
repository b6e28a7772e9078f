// Reading times of day and time offsets from text. Readers return 0 or -1
// and never print; the function that called them words the failure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "contract/host_interface.h"
#include "times/time_of_day.h"

namespace kalendra {

// Reads the whole text as a time of day: an hour, optional minutes, seconds
// and fraction ("H[:M[:S[.fff]]]", "." also separates the fields, "," also
// starts the fraction), and an AM/PM marker before or after it. Returns 0
// and fills time (and parts, when given); returns -1 and leaves time as it
// was on any failure, with parts 0.
int ParseTime(std::u16string_view text, TimeOfDay& time, TimeParts* parts = nullptr);

// An amount of time to add: five signed counts, none limited to the range
// of its field (0:90 is ninety minutes).
struct TimeOffset {
  std::int32_t days = 0;
  std::int32_t hours = 0;
  std::int32_t minutes = 0;
  std::int32_t seconds = 0;
  std::int32_t milliseconds = 0;
  friend constexpr bool operator==(const TimeOffset&, const TimeOffset&) = default;
};

// Reads the whole text as an offset: an optional sign, an optional day count
// ended by "@" or by a space (then an optional word "day" or "days"), and
// hours with optional minutes, seconds and fraction as in a time. A count
// too large for a signed 32-bit number is refused. Returns 0 and fills the
// offset, or -1 leaving it as it was.
int ParseOffset(std::u16string_view text, TimeOffset& offset);

// Steps pos over spaces, then an optional word "day" or "days" in any case,
// then spaces again: the words between a day count and a time.
void SkipDayWord(std::u16string_view text, std::size_t& pos);

}  // namespace kalendra
