// The six internal variables: today's ISO week values, dates and the time.
#include "calendar/variables.h"

#include "calendar/argument_reader.h"
#include "calendar/date_format.h"
#include "calendar/today.h"
#include "platform/platform.h"

namespace kalendra {
namespace {

IsoWeekDate TodaysIsoWeekDate() {
  return ToIsoWeekDate(Today());
}

}  // namespace

int IsoWeekYearVariable(KChar* buffer) { return AnswerNumber(buffer, TodaysIsoWeekDate().year); }

int IsoWeekVariable(KChar* buffer) { return AnswerNumber(buffer, TodaysIsoWeekDate().week); }

int IsoWeekdayVariable(KChar* buffer) { return AnswerNumber(buffer, TodaysIsoWeekDate().weekday); }

// "hhmm": the hour and the minute, each in two digits.
int TimeT4Variable(KChar* buffer) {
  const platform::SystemDateTime now = platform::LocalNow();
  return AnswerNumber(buffer, now.hour * 100 + now.minute, 4);
}

int IsoOrdinalDateVariable(KChar* buffer) {
  return FormatDate(buffer, Today(), kIsoOrdinalDate);
}

int IsoWeekDateVariable(KChar* buffer) {
  return FormatDate(buffer, Today(), kIsoWeekDate);
}

}  // namespace kalendra
