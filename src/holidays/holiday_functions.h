// The variable functions over the holiday list and observed days:
// @isholiday and @inlieu.
#pragma once

#include "contract/host_interface.h"

namespace kalendra {

// @isholiday[date, input format, country]: "1" when the rules of the
// country's section (or the built-in rules) mark the date, else "0".
int IsHolidayFunction(KChar* buffer);

// @inlieu[date, format, mode]: the working day on which a holiday on that
// date is observed, by the mode's table of weekday moves.
int InLieuFunction(KChar* buffer);

}  // namespace kalendra
