// The date query functions: one fact about a date, a month or a year.
#pragma once

#include "contract/host_interface.h"

namespace kalendra {

int DateFunction(KChar* buffer);
int DayFunction(KChar* buffer);
int MonthFunction(KChar* buffer);
int YearFunction(KChar* buffer);
int DowFunction(KChar* buffer);
int DowfFunction(KChar* buffer);
int DowiFunction(KChar* buffer);
int IdowFunction(KChar* buffer);
int IdowfFunction(KChar* buffer);
int DoyFunction(KChar* buffer);
int IsoDowiFunction(KChar* buffer);
int IsoWeekFunction(KChar* buffer);
int IsoWeekYearFunction(KChar* buffer);
int UsWeekFunction(KChar* buffer);
int LeapFunction(KChar* buffer);
int MonthLenFunction(KChar* buffer);
int MonthNameFunction(KChar* buffer);
int IsDateFunction(KChar* buffer);

}  // namespace kalendra
