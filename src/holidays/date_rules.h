// The two date rules behind floating holidays: Easter Sunday of either church
// and the n-th (or last) weekday of a month, each optionally shifted by days.
// Pure arithmetic on day numbers; nothing here prints.
#pragma once

#include <optional>

#include "calendar/day_number.h"

namespace kalendra {

enum Church : int { kWesternChurch = 0, kOrthodoxChurch = 1 };

// Index 5 asks for the last such weekday of the month.
inline constexpr int kLastWeekdayIndex = 5;

// Easter Sunday of the year (1601..9999) moved by offset days. Nothing when
// the year or church is out of range or the shifted date leaves 1601..9999.
std::optional<CalendarDate> EasterDate(int year, int church, int offset);

// The n-th (1..5, 5 = last) weekday w (0 = Sunday .. 6, 7 = Sunday too) of
// the month, moved by offset days. Nothing when an argument is out of range
// or the shifted date leaves 1601..9999.
std::optional<CalendarDate> NthWeekday(int n, int weekday, int month, int year, int offset);

}  // namespace kalendra
