// The qcal command: month calendars on the console.
#pragma once

#include <string_view>

#include "contract/host_interface.h"

namespace kalendra {

inline constexpr std::u16string_view kQcalTitle = u"Display a quick-and-dirty calendar.";
inline constexpr std::u16string_view kQcalUsage =
    u"QCAL [date | [month] [year]] [/3 /D /E /H[:date[,date...]] /I /P /W:n /Y]\r\n\n"
    u"\t/3  three months\t/I    ISO week numbers\n"
    u"\t/D  disable color\t/P    pause\n"
    u"\t/E  English names\t/W:n  day on left (1 = Monday)\n"
    u"\t/H  show holidays\t/Y    full year\n\n"
    u"The date may be entered in any format supported by this plugin, including\n"
    u"ISO week-day and ordinal formats, day numbers, and T format.  To specify  \n"
    u"a date using its day number, prefix a + or - sign; otherwise it may be\n"
    u"misinterpreted as a month or year.\n";

// Takes the command tail; returns 0, or kErrorResult after a message.
int QcalCommand(KChar* tail);

}  // namespace kalendra
