// What Tab offers at the prompt: commands at the start of a line, the
// loaded plug-ins' functions after "%@" and variables after "%_".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"

namespace torvane {

// The words that a partly typed word may become, sorted: a function as
// "%@name[", a variable as "%_name", a command as its name. The case of
// what was typed is ignored.
TORVANE_API std::vector<std::u16string> CompletionsFor(std::u16string_view word, bool atLineStart);

}  // namespace torvane
