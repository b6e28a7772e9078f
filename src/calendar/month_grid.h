// The model of one month block of a calendar: six rows of seven day cells
// and the ISO week of each row, computed before anything is printed.
#pragma once

#include <array>

#include "calendar/holiday_marks.h"

namespace kalendra {

inline constexpr int kGridRows = 6;
inline constexpr int kGridColumns = 7;

struct DayCell {
  int day = 0;      // 1..31, or 0 for a blank cell
  int weekday = 0;  // the column's weekday, 0 = Sunday
  bool highlighted = false;
  bool holiday = false;
};

struct MonthBlock {
  int year = 0;
  int month = 0;
  std::array<DayCell, kGridRows * kGridColumns> cells{};
  std::array<int, kGridRows> weekNumbers{};  // 0 for a row past the month's end
};

// The month with firstWeekday in the left column, the holidays of its
// year's marks, and highlightDay (0 for none) set apart.
MonthBlock BuildMonthBlock(int year, int month, int firstWeekday, const HolidayMarks& marks, int highlightDay);

}  // namespace kalendra
