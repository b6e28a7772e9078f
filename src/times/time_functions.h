// The variable functions of times of day and time arithmetic, one per
// export. Each takes the shell's buffer (never null) and returns 0, or
// kErrorResult after a message.
#pragma once

#include "contract/host_interface.h"

namespace kalendra {

int IsTimeFunction(KChar* buffer);       // @istime
int TimePartsFunction(KChar* buffer);    // @timeparts
int TimeFmtFunction(KChar* buffer);      // @timefmt
int TimePlusFunction(KChar* buffer);     // @timeplus
int TimeDiffFunction(KChar* buffer);     // @timediff
int TimeToDecFunction(KChar* buffer);    // @timetodec
int DecToTimeFunction(KChar* buffer);    // @dectotime

int LocalDateTimeFunction(KChar* buffer);  // @localdatetime
int UtcDateTimeFunction(KChar* buffer);    // @utcdatetime
int AgeDateFunction(KChar* buffer);        // @agedate
int MakeAgeFunction(KChar* buffer);        // @makeage
int FileStampFunction(KChar* buffer);      // @filestamp

}  // namespace kalendra
