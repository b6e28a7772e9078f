// Reading decimal numbers from argument texts. Every reader saturates
// instead of wrapping, so an overlong number is still refused by the range
// check of its caller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "frame/host_interface.h"

namespace kalendra {

inline constexpr std::int32_t kMaxNumber = 2147483647;

// Reads the run of decimal digits that starts at pos and moves pos past it.
// A value above kMaxNumber reads as kMaxNumber; no digit reads as 0.
std::int32_t ReadDigits(std::u16string_view text, std::size_t& pos);

// A whole text of decimal digits: its value 0 to kMaxNumber, or -1 when the
// text is empty, starts with anything but a digit or has anything after the
// digits.
std::int32_t ParseNumber(std::u16string_view text);

}  // namespace kalendra
