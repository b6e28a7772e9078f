// FormatDate: every date the plug-in writes, in the numbered output formats.
#pragma once

#include <array>

#include "calendar/date_format_word.h"
#include "calendar/day_number.h"
#include "contract/host_interface.h"

namespace kalendra {

// What formats 32 to 35 may write into the shell's buffer, terminator
// included: the longest text FormatDate writes.
inline constexpr int kLocaleDateCapacity = 1024;

// Room for any date FormatDate writes. Left uninitialised: FormatDate
// always writes a terminated text, and clearing it would cost more than the
// call.
using DateText = std::array<KChar, kLocaleDateCapacity>;

// Writes a valid date into the shell's buffer in the word's format (any
// format without a meaning of its own writes like format 4). While
// HolidayYear is set every format writes like format 4. When the system
// cannot write a locale format (32 to 35) the buffer receives an empty
// text. Returns 0.
int FormatDate(KChar* buffer, CalendarDate date, DateFormat format);

}  // namespace kalendra
