// How the stand-in shell holds a plug-in to the host table, no kinder than a
// real shell may be: a buffer the shell fills is used up to the size the
// table gives it (the units after the text are poisoned, so a plug-in that
// reads past the terminator reads garbage), every pointer the table names
// is used, and a call that breaks the table is refused.
#pragma once

#include <cstddef>

#include "contract/host_interface.h"

namespace torvane::contract_checks {

// What fills the units after a text: a noncharacter, which no text holds by
// chance.
inline constexpr KChar kPoison = u'\uFDD0';

// Fills the units of buffer after its text's terminator, up to size units.
void PoisonAfterText(KChar* buffer, std::size_t size);

// A plug-in broke the host table in a call of the service: says so on
// standard error, naming the service, and stops the program. At the
// interactive prompt, where a person is typing, the call goes on with its
// result cut instead.
void Refuse(const char* service, const char* what);

}  // namespace torvane::contract_checks
