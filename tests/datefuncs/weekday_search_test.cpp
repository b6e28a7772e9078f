// Stepping over a day mask, against a naive day-by-day search.
#include "datefuncs/weekday_search.h"

#include <gtest/gtest.h>

namespace kalendra {
namespace {

// Weekday of any day number, also of day 0 and below: shifted by whole
// weeks into positive numbers first.
constexpr int kWholeWeeksShift = 7 * 100'000;
bool NaiveIsListed(DayNumber day, int mask) { return (mask & (1 << ((day + kWholeWeeksShift) % 7))) != 0; }

// Walks one day at a time and counts the listed days it meets.
DayNumber NaiveSearch(DayNumber day, int index, int mask) {
  if (index == 0) {
    while (!NaiveIsListed(day, mask)) ++day;
    return day;
  }
  const int step = index > 0 ? 1 : -1;
  int found = 0;
  while (found != index) {
    day += step;
    if (NaiveIsListed(day, mask)) found += step;
  }
  return day;
}

TEST(StepToListedDay, EveryIndexOverEveryMaskAgreesWithANaiveSearch) {
  // A week of start days in the middle of the range, and both ends.
  const DayNumber kStarts[] = {151569, 151570, 151571, 151572, 151573, 151574, 151575, kFirstDay, kLastDay};
  for (int mask = 1; mask <= 127; ++mask) {
    for (const DayNumber start : kStarts) {
      for (int index = -kMaxSearchIndex; index <= kMaxSearchIndex; ++index) {
        ASSERT_EQ(StepToListedDay(start, index, mask), NaiveSearch(start, index, mask))
            << "mask " << mask << " start " << start << " index " << index;
      }
    }
  }
}

TEST(StepToListedDay, AnEmptyMaskFindsNothingInsteadOfSearchingForever) {
  EXPECT_EQ(StepToListedDay(151569, 0, 0), kInvalidDay);
  EXPECT_EQ(StepToListedDay(151569, 5, 128), kInvalidDay);
}

TEST(IsListedDay, DaysBeforeTheFirstKeepTheirWeekday) {
  // Day 1 was a Monday, so day 0 was a Sunday and day -6 a Monday.
  EXPECT_TRUE(IsListedDay(0, 1 << kSunday));
  EXPECT_TRUE(IsListedDay(-6, 1 << kMonday));
  EXPECT_TRUE(IsListedDay(-7, 1 << kSunday));
  EXPECT_FALSE(IsListedDay(-7, 1 << kMonday));
}

}  // namespace
}  // namespace kalendra
