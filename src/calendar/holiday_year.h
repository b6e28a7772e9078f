// HolidayYear: the year whose holidays are being marked, 0 at all other
// times. While it is set, dates are read and written in ISO order in that
// year, so that a holiday rule's result can be read back.
#pragma once

namespace kalendra {

// The year being marked, or 0.
int HolidayYear();

// Set by the holiday marker around its rule evaluation, and back to 0 after.
void SetHolidayYear(int year);

}  // namespace kalendra
