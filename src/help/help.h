// Help and usage: the kalendrahelp command, the shell's Help and Usage
// calls, the search for the help file and the window it leaves open.
#pragma once

#include <string>
#include <string_view>

#include "contract/host_interface.h"

namespace kalendra {

inline constexpr std::u16string_view kHelpTitle = u"Open this plugin's help file.";
inline constexpr std::u16string_view kHelpUsage =
    u"KALENDRAHELP [topic]\r\n"
    u"\n"
    u"If no topic is specified, the Overview page will be  \n"
    u"opened by default.\n";

// The page of a topic: lower case, with a leading "@" made "f_" and a
// leading "_" made "v_" (@dateplus has f_dateplus, _isoweek v_isoweek).
std::u16string HelpPageName(std::u16string_view topic);

// The compiler's build date ("Dec  8 2026") as "2026-12-08", or empty when
// it is not a date of 2014 to 2099.
std::u16string BuildDate(std::string_view compilerDate);

// Shows a page: the folder that KALENDRAHELP names first, then the other
// candidates in their order; the message of a missing help file when none
// holds it.
void ShowHelpPageFromCandidates(std::u16string_view page);

// The kalendrahelp command: no topic opens the overview, "/?" prints the
// usage, "/V" the version line, anything else opens that topic's page.
int KalendraHelpCommand(KChar* tail);

// The Help export: 1 when name is one of the plug-in's names (its page was
// shown, or the missing file reported), else 0.
int HelpForName(const KChar* name);

// The Usage export: 1 with the usage text of kalendrahelp, longyears or qcal
// copied into buffer (kUsageBufferLength characters), else 0.
inline constexpr std::size_t kUsageBufferLength = 1024;
int UsageForName(const KChar* name, KChar* buffer);

// ShutdownPlugin's step: closes the help window of the last page shown.
void CloseHelpWindowAtShutdown();

}  // namespace kalendra
