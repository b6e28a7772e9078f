// LongYearsMode, the setting for two- or four-digit years in the local date
// formats, and the longyears command that shows and changes it.
#pragma once

#include <string_view>

#include "contract/host_interface.h"

namespace kalendra {

// OFF at load; forgotten at unload.
enum class LongYearsMode { kOff, kOn, kStrict };

LongYearsMode CurrentLongYearsMode();
void SetLongYearsMode(LongYearsMode mode);

// ON and STRICT: formats 1 to 3 write four-digit years.
inline bool WritesFourDigitYears() { return CurrentLongYearsMode() != LongYearsMode::kOff; }
// STRICT: input dates need a four-digit year.
inline bool RequiresFourDigitYears() { return CurrentLongYearsMode() == LongYearsMode::kStrict; }

inline constexpr std::u16string_view kLongYearsTitle = u"Enable or disable two-digit years in local date formats.";
inline constexpr std::u16string_view kLongYearsUsage =
    u"LONGYEARS [OFF | ON | STRICT]\r\n"
    u"\r\n"
    u"\tOFF:\toutput two-digit years in formats 0-3 (default)\n"
    u"\tON:\toutput four-digit years in formats 0-3\n"
    u"\tSTRICT:\talso require four-digit years in all input dates  \n";

// The longyears command: no argument shows the mode, OFF, ON or STRICT sets
// it, "/?" prints the usage. Returns 0, or -1 after a message.
int LongYearsCommand(KChar* tail);

}  // namespace kalendra
