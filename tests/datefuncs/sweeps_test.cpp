// Whole-range checks through the functions' buffers: @doy and @usweek for
// every day from 1601 to 2400 against computations written differently (the
// ISO weeks are walked whole in the calendar core's tests).
#include <gtest/gtest.h>

#include <string>

#include "calendar/day_number.h"
#include "datefuncs/queries.h"
#include "support/function_call.h"

namespace kalendra {
namespace {

using test::CallFunction;
using test::IsoText;


std::u16string Number(int value) { return Widen(std::to_string(value)); }

// The US week by counting week starts from January 1 back to the first day
// of its week; without the flag, a week that reaches into the next year is
// week 1.
int ByCountingWeeks(DayNumber day, int firstWeekday, int flags) {
  const CalendarDate date = FromDayNumber(day);
  const DayNumber january1 = ToDayNumber(date.year, 1, 1);
  const DayNumber firstWeekStart = january1 - (WeekdayOf(january1) - firstWeekday + 7) % 7;
  const DayNumber weekEnd = day + (firstWeekday + 6 - WeekdayOf(day)) % 7;
  if ((flags & 1) == 0 && weekEnd > ToDayNumber(date.year, 12, 31)) return 1;
  return (day - firstWeekStart) / 7 + 1;
}

// Every call re-reads the locale, which the sanitizer build does some thirty
// times slower; there the walk takes every 17th day, which still meets every
// weekday, every week of the year and every year length.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kDayStride = 17;
#else
constexpr int kDayStride = 1;
#endif

class DateFunctionSweeps : public test::PluginTest {};

TEST_F(DateFunctionSweeps, DayOfYearAndUsWeekFrom1601To2400) {
  for (DayNumber day = ToDayNumber(1601, 1, 1); day <= ToDayNumber(2400, 12, 31); day += kDayStride) {
    const std::u16string text = IsoText(FromDayNumber(day));
    ASSERT_EQ(CallFunction(DoyFunction, text).result, Number(day - ToDayNumber(FromDayNumber(day).year, 1, 1) + 1))
        << test::Narrow(text);
    // Each day takes one of the fourteen first-day and flag settings in turn.
    const int firstWeekday = (day / 3) % 7;
    const int flags = (day / 21) % 2;
    const std::u16string usText = text + u",4," + Number(firstWeekday) + u"," + Number(flags);
    ASSERT_EQ(CallFunction(UsWeekFunction, usText).result, Number(ByCountingWeeks(day, firstWeekday, flags)))
        << test::Narrow(usText);
  }
}

}  // namespace
}  // namespace kalendra
