// Week numbers in the United States manner: week 1 holds January 1, and
// weeks begin on a weekday of the caller's choosing.
#pragma once

#include "calendar/day_number.h"

namespace kalendra {

// Flag bit: the last days of December keep their own week number (up to 53,
// or 54) instead of counting as week 1 of the next year.
inline constexpr int kUsWeekKeepsLastDays = 1;

// The week number of a valid date for weeks that begin on firstWeekday
// (0 = Sunday ... 6 = Saturday). Unless flags hold kUsWeekKeepsLastDays,
// the days after the year's last full week belong to week 1, the week of the
// next January 1.
int UsWeekNumber(const CalendarDate& date, int firstWeekday, int flags);

}  // namespace kalendra
