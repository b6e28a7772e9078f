// Exact arithmetic on times of day and day numbers (adding offsets, the
// distance between two moments) and the conversion between a time and a
// decimal number of days.
#pragma once

#include <cstdint>

#include "calendar/day_number.h"
#include "times/time_grammar.h"
#include "times/time_of_day.h"

namespace kalendra {

// Adds the offset to the time, carrying from milliseconds up to hours with
// floor division, so a negative field borrows from the next. Returns 0 with
// the new time and the day carry (the days of the offset plus the midnights
// crossed, negative going back), or -1 when the day carry does not fit a
// signed 32-bit count.
int AddTime(const TimeOfDay& time, const TimeOffset& offset, std::int32_t& dayCarry, TimeOfDay& result);

// A point in time: a day number, or 0 when no date takes part, and a valid
// time of that day.
struct Moment {
  DayNumber day = 0;
  TimeOfDay time;
};

// The distance between two moments, never negative; swapped tells that the
// first moment was the later one.
struct TimeDistance {
  std::int32_t days = 0;
  TimeOfDay time;
  bool swapped = false;
};

TimeDistance TimeDifference(const Moment& first, const Moment& second);

// The days and the time as one number of days: -1 day and 12:00 is -0.5.
double ToDecimalDays(std::int32_t days, const TimeOfDay& time);

// Splits a number of days into whole days (the floor) and a time of day,
// truncated to the millisecond after a nudge of 1e-8 day that keeps 0.5 or
// 1/3 from falling just short. Returns 0, or -1 when the whole days do not
// fit a signed 32-bit count (an infinite or not-a-number value included).
int FromDecimalDays(double value, std::int32_t& days, TimeOfDay& time);

}  // namespace kalendra
