// MarkHolidays: the holidays of one year, found by evaluating every rule of
// the holiday list for that year.
#pragma once

#include "calendar/holiday_marks.h"

namespace kalendra {

enum MarkResult : int {
  kMarksDone = 0,
  kMarkingRefused = -1,  // called from inside a rule: the grid is left clear
};

// Clears the grid and marks every date of the year that a rule yields. Each
// rule goes through the shell's expansion, which may call back into the
// plug-in; a MarkHolidays reached that way is refused rather than nested.
int MarkHolidays(int year, HolidayMarks& marks);

}  // namespace kalendra
