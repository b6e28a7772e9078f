// HolidayYear: one process-wide year, set while holidays are being marked.
#include "calendar/holiday_year.h"

namespace kalendra {
namespace {

int& HolidayYearState() {
  static int year = 0;
  return year;
}

}  // namespace

int HolidayYear() { return HolidayYearState(); }

void SetHolidayYear(int year) { HolidayYearState() = year; }

}  // namespace kalendra
