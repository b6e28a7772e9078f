// Internal variables that report today's ISO week values, today in two ISO
// forms, and the time.
#pragma once

#include "contract/host_interface.h"

namespace kalendra {

int IsoWeekYearVariable(KChar* buffer);  // _isowyear
int IsoWeekVariable(KChar* buffer);      // _isoweek
int IsoWeekdayVariable(KChar* buffer);   // _isodowi
int TimeT4Variable(KChar* buffer);       // _t4, hours and minutes "hhmm"
int IsoOrdinalDateVariable(KChar* buffer);  // _isordate, "2015-066"
int IsoWeekDateVariable(KChar* buffer);     // _isowdate, "2015-W10-6"

}  // namespace kalendra
