// The POSIX console's text: UTF-16 as UTF-8 with LF line ends.
#pragma once

#include <string_view>

#include "platform/export.h"

namespace torvane::platform {

// UTF-16 to UTF-8, and CR LF becomes LF; a CR before anything else stays.
// A CR at the end is held (heldCr set) until the next text shows what
// follows it. out has room for a held CR and three bytes a unit; returns the
// end of what was written.
TORVANE_API char* ToPosixText(std::u16string_view text, bool& heldCr, char* out);

}  // namespace torvane::platform
