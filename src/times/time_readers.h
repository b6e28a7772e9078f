// The readers through which the time functions take their arguments: time
// formats and date-times. Each writes its own message and returns
// kErrorResult, so a function only passes the failure on.
#pragma once

#include <string_view>

#include "calendar/date_format_word.h"
#include "calendar/day_number.h"
#include "contract/host_interface.h"
#include "times/time_of_day.h"

namespace kalendra {

// Argument n as a TimeFormat: fallback when the argument is empty, else its
// value by ParseNumber. Returns 0, or kErrorResult after writing "Invalid
// time format" with the argument.
int ReadTimeFormatArgument(int n, TimeFormat fallback, TimeFormat& format);

// A time of day that may carry a date, and the separator that stood between
// them ("@" or "T"; 0 without a date).
struct DateTime {
  CalendarDate date;
  TimeOfDay time;
  bool hasDate = false;
  KChar separator = 0;
};

// Reads "time" or "date@time" ("T" or "t" also separate; the date is read
// in the order of the format word). Returns 0, or kErrorResult after writing
// "Invalid date" with the date part, "No time" or "Invalid time" with the
// whole text.
int ParseDateTime(std::u16string_view text, DateTime& dateTime, DateFormat format);

// The local date and time now, written with "@" between them.
DateTime CurrentDateTime();

}  // namespace kalendra
