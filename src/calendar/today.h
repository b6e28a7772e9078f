// Today: the local date, read afresh by every operation that needs it.
#pragma once

#include "calendar/day_number.h"

namespace kalendra {

// The local date as RefreshToday last read it.
const CalendarDate& Today();

// Reads the local date from the system clock into Today. Returns 0.
int RefreshToday();

// True when the date is later than Today (year, then month, then day).
bool IsAfterToday(const CalendarDate& date);

}  // namespace kalendra
