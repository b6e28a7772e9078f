// English ordinals with thousands grouping: the @ord function.
#pragma once

#include <cstdint>
#include <string_view>

#include "contract/host_interface.h"

namespace kalendra {

// The result of @ord when the shell cannot evaluate its expression; the
// shell has written its own message.
inline constexpr int kEvaluateFailedResult = -2;

// "st", "nd", "rd" or "th" for a value that is not negative: 1, 21 and 101
// take "st", while 11, 12, 13 and 111 take "th".
std::u16string_view OrdinalSuffix(std::int64_t value);

// @ord: evaluates its whole text as an expression through the shell and
// writes the value grouped by the shell's @comma, with its suffix.
int OrdFunction(KChar* buffer);

}  // namespace kalendra
