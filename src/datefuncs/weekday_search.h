// Weekday searches: stepping over the days of a day mask, and the @nextdow
// and @dowis functions built on it.
#pragma once

#include "calendar/day_number.h"
#include "contract/host_interface.h"

namespace kalendra {

// The largest distance, in listed days, that @nextdow steps.
inline constexpr int kMaxSearchIndex = 127;

// True when the weekday of day (which may lie outside the calendar's range)
// is in the mask (bit 0 = Sunday ... bit 6 = Saturday).
bool IsListedDay(DayNumber day, int mask);

// The index-th listed day after day (index > 0) or before it (index < 0);
// for index 0, day itself when it is listed, else the first listed day after
// it. The result may lie outside the calendar's range; kInvalidDay when the
// mask lists no day.
DayNumber StepToListedDay(DayNumber day, int index, int mask);

// @dowis: "1" when a date falls on one of the listed weekdays, else "0".
int DowIsFunction(KChar* buffer);

// @nextdow: the n-th listed weekday after (or before) a date.
int NextDowFunction(KChar* buffer);

}  // namespace kalendra
