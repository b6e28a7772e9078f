// The readers through which the time functions take their arguments, on the
// shared ArgumentReader: time formats, times of day and date-times. Like its
// own readers, each does nothing once the reader has failed and writes the
// message of the first failure.
#pragma once

#include <string_view>

#include "calendar/argument_reader.h"
#include "calendar/date_format_word.h"
#include "calendar/day_number.h"
#include "contract/host_interface.h"
#include "times/time_of_day.h"

namespace kalendra {

inline constexpr Message kInvalidTimeMessage = u"Invalid time \"%s\"";

// A time of day that may carry a date, and the separator that stood between
// them ("@" or "T"; 0 without a date).
struct DateTime {
  CalendarDate date;
  TimeOfDay time;
  bool hasDate = false;
  KChar separator = 0;
};

// Argument n as a TimeFormat: fallback when empty, else digits only;
// "Invalid time format" with the argument.
TimeFormat ReadTimeFormat(ArgumentReader& read, int n, TimeFormat fallback);

// Argument n as a time of day, and the parts it was written with;
// "Invalid time" with the argument.
TimeOfDay ReadTime(ArgumentReader& read, int n, TimeParts* parts = nullptr);

// Argument n as "time" or "date@time" ("T" or "t" also separate; the date
// is read in the order of the format word): "Invalid date" with the date
// part, "No time" or "Invalid time" with the whole argument.
DateTime ReadDateTime(ArgumentReader& read, int n, DateFormat format);

// The local date and time now, written with "@" between them.
DateTime CurrentDateTime();

}  // namespace kalendra
