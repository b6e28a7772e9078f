// Reading decimal numbers from argument texts. Every reader saturates
// instead of wrapping, so an overlong number is still refused by the range
// check of its caller.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
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

// A signed number saturates at this magnitude, far beyond every range a
// caller accepts, so that sums and range checks on it never wrap.
inline constexpr std::int64_t kMaxSignedNumber = 999'999'999'999'999'999;

// Reads a signed number at pos: an optional "+" or "-" directly followed by
// decimal digits; moves pos past it. std::nullopt, pos unchanged, when no
// digit follows the sign. Whatever comes after the digits is left to the
// caller.
std::optional<std::int64_t> ReadSignedNumber(std::u16string_view text, std::size_t& pos);

// A whole text that is a signed number, with nothing before or after it; its
// value, or std::nullopt.
std::optional<std::int64_t> ParseSignedNumber(std::u16string_view text);

}  // namespace kalendra
