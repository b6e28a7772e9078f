// Today: the local date, read afresh by every operation that needs it.
#pragma once

#include "calendar/day_number.h"

namespace kalendra {

// The local date now. The system clock is read again only when the date
// read last may have ended: at the next local midnight, or when the zone
// changes. A call that never asks for today never reads the clock.
const CalendarDate& Today();

// True when the date is later than Today (year, then month, then day).
bool IsAfterToday(const CalendarDate& date);

}  // namespace kalendra
