// The date arithmetic functions: adding days, counting them, converting
// between day numbers and formats, ranges and the next date of a month and
// day.
#pragma once

#include "contract/host_interface.h"

namespace kalendra {

int DatePlusFunction(KChar* buffer);
int DaysFunction(KChar* buffer);
int MakeDateFunction(KChar* buffer);
int DateConvFunction(KChar* buffer);
int InRangeFunction(KChar* buffer);
int NextDateFunction(KChar* buffer);

}  // namespace kalendra
