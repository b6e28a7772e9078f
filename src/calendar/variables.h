// Internal variables that report today's ISO week values and the time.
#pragma once

#include "frame/host_interface.h"

namespace kalendra {

int IsoWeekYearVariable(KChar* buffer);  // _isowyear
int IsoWeekVariable(KChar* buffer);      // _isoweek
int IsoWeekdayVariable(KChar* buffer);   // _isodowi
int TimeT4Variable(KChar* buffer);       // _t4, hours and minutes "hhmm"

}  // namespace kalendra
