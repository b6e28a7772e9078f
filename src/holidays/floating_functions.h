// The variable functions of floating holidays: @easter and @holiday.
#pragma once

#include "contract/host_interface.h"

namespace kalendra {

// @easter[year or "*", church, format, offset]: Easter Sunday, shifted.
int EasterFunction(KChar* buffer);

// @holiday[index, weekday, month, year or "*", format, offset]: the n-th (or
// last) weekday of a month, shifted.
int HolidayFunction(KChar* buffer);

}  // namespace kalendra
