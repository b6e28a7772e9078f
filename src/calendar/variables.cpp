#include "calendar/variables.h"

#include "calendar/date_format.h"
#include "calendar/today.h"
#include "platform/platform.h"

namespace kalendra {
namespace {

IsoWeekDate TodaysIsoWeekDate() {
  return ToIsoWeekDate(Today());
}

}  // namespace

int IsoWeekYearVariable(KChar* buffer) {
  Sprintf(buffer, u"%u", TodaysIsoWeekDate().year);
  return 0;
}

int IsoWeekVariable(KChar* buffer) {
  Sprintf(buffer, u"%u", TodaysIsoWeekDate().week);
  return 0;
}

int IsoWeekdayVariable(KChar* buffer) {
  Sprintf(buffer, u"%u", TodaysIsoWeekDate().weekday);
  return 0;
}

int TimeT4Variable(KChar* buffer) {
  const platform::SystemDateTime now = platform::LocalNow();
  Sprintf(buffer, u"%02u%02u", now.hour, now.minute);
  return 0;
}

int IsoOrdinalDateVariable(KChar* buffer) {
  return FormatDate(buffer, Today(), kIsoOrdinalDate);
}

int IsoWeekDateVariable(KChar* buffer) {
  return FormatDate(buffer, Today(), kIsoWeekDate);
}

}  // namespace kalendra
