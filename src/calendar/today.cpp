#include "calendar/today.h"

#include <tuple>

#include "platform/platform.h"

namespace kalendra {
namespace {

CalendarDate& TodayState() {
  static CalendarDate today;
  return today;
}

}  // namespace

const CalendarDate& Today() { return TodayState(); }

int RefreshToday() {
  const platform::SystemDateTime now = platform::LocalNow();
  TodayState() = CalendarDate{now.year, now.month, now.day};
  return 0;
}

bool IsAfterToday(const CalendarDate& date) {
  const CalendarDate& today = Today();
  return std::tie(date.year, date.month, date.day) > std::tie(today.year, today.month, today.day);
}

}  // namespace kalendra
