// Weekday searches over a day mask: @dowis and @nextdow.
#include "datefuncs/weekday_search.h"

#include <bit>
#include <cstdlib>

namespace kalendra {
namespace {
constexpr unsigned kEveryDay = 0x7F;

int ListedDaysPerWeek(int mask) { return std::popcount(static_cast<unsigned>(mask) & kEveryDay); }

}  // namespace

bool IsListedDay(DayNumber day, int mask) {
  // A floored remainder: a search may step to day 0 and below before the
  // range check refuses its result.
  const int weekday = (day % kDaysPerWeek + kDaysPerWeek) % kDaysPerWeek;
  return ((mask >> weekday) & 1) != 0;
}

DayNumber StepToListedDay(DayNumber day, int index, int mask) {
  const int perWeek = ListedDaysPerWeek(mask);
  if (perWeek == 0) return kInvalidDay;
  // Every whole week holds perWeek listed days.
  for (; index > perWeek; index -= perWeek) day += kDaysPerWeek;
  for (; index < -perWeek; index += perWeek) day -= kDaysPerWeek;
  if (index == 0) {
    while (!IsListedDay(day, mask)) ++day;
    return day;
  }
  const int step = index > 0 ? 1 : -1;
  for (int left = std::abs(index); left > 0;) {
    day += step;
    if (IsListedDay(day, mask)) --left;
  }
  return day;
}

}  // namespace kalendra
