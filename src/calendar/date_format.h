// FormatDate: every date the plug-in writes, in the numbered output formats.
#pragma once

#include "calendar/date_format_word.h"
#include "calendar/day_number.h"
#include "frame/host_interface.h"

namespace kalendra {

// What formats 32 to 35 may write into the shell's buffer, terminator
// included.
inline constexpr int kLocaleDateCapacity = 1024;

// Writes a valid date into the shell's buffer in the word's format (any
// format without a meaning of its own writes like format 4). While
// HolidayYear is set every format writes like format 4. When the system
// cannot write a locale format (32 to 35) the buffer receives an empty
// text. Returns 0.
int FormatDate(KChar* buffer, CalendarDate date, DateFormat format);

}  // namespace kalendra
