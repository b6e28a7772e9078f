// The date grammar: ParseDate reads every date a user writes, and the
// readers through which functions take a date or a date format argument.
#pragma once

#include <string_view>

#include "calendar/date_format_word.h"
#include "calendar/day_number.h"
#include "contract/host_interface.h"

namespace kalendra {

// The order in which a word reads local dates: 4 while HolidayYear is set,
// else bits 0-7 of the word when they are 1 to 4, else the locale's default.
int ReadingOrder(DateFormat format);

// Reads an ISO 8601 calendar, week or ordinal date, a local date in the
// word's order (with or without a year), a day count ("D", "A", "U" or a bare
// number) or an offset from today ("T+n"). White space is not skipped.
// Returns 0 and sets date, or -1 and leaves date untouched.
int ParseDate(std::u16string_view text, CalendarDate& date, DateFormat format);

}  // namespace kalendra
