// The calendar arithmetic is constexpr and lives in the header; these checks
// pin its fixed points at compile time.
#include "calendar/day_number.h"

namespace kalendra {

static_assert(ToDayNumber(1601, 1, 1) == kFirstDay);
static_assert(ToDayNumber(9999, 12, 31) == kLastDay);
static_assert(ToDayNumber(1970, 1, 1) == kDay19700101);
static_assert(ToDayNumber(1980, 1, 1) == kDay19800101);
static_assert(FromDayNumber(kLastDay) == CalendarDate{9999, 12, 31});
static_assert(WeekdayOf(kFirstDay) == kMonday);

}  // namespace kalendra
