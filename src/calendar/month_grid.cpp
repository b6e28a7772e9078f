// Month blocks: day positions from day numbers, week numbers from ISO weeks.
#include "calendar/month_grid.h"

#include "calendar/day_number.h"

namespace kalendra {

MonthBlock BuildMonthBlock(int year, int month, int firstWeekday, const HolidayMarks& marks, int highlightDay) {
  MonthBlock block;
  block.year = year;
  block.month = month;
  const int length = MonthLength(month, IsLeapYear(year));
  const int offset = (WeekdayOf(ToDayNumber(year, month, 1)) + kDaysPerWeek - firstWeekday) % kDaysPerWeek;
  for (int row = 0; row < kGridRows; ++row) {
    // The week of the row's first day of the month: its left-most day, or
    // day 1 in the first row.
    const int firstDayOfRow = kGridColumns * row - offset + 1;
    if (firstDayOfRow <= length) {
      block.weekNumbers[row] = ToIsoWeekDate({year, month, firstDayOfRow < 1 ? 1 : firstDayOfRow}).week;
    }
    for (int column = 0; column < kGridColumns; ++column) {
      const int day = firstDayOfRow + column;
      if (day < 1 || day > length) continue;
      block.cells[row * kGridColumns + column] = {day, (firstWeekday + column) % kDaysPerWeek, day == highlightDay,
                                                  marks.At(month, day) != 0};
    }
  }
  return block;
}

}  // namespace kalendra
