// Reading decimal numbers from argument texts. Every reader saturates
// instead of wrapping, so an overlong number is still refused by the range
// check of its caller.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "contract/host_interface.h"
#include "frame/text.h"

namespace kalendra {

inline constexpr std::int32_t kMaxNumber = 2147483647;

// The two digits at pos and pos + 1 (both inside the text) as a number, or
// 100 or more when either is not a digit: the fixed-width fields of the
// commonest dates and times.
inline unsigned TwoDigitsAt(std::u16string_view text, std::size_t pos) {
  const unsigned tens = static_cast<unsigned>(text[pos]) - u'0';
  const unsigned ones = static_cast<unsigned>(text[pos + 1]) - u'0';
  return tens > 9 || ones > 9 ? 100 : tens * 10 + ones;
}

// A number in decimal, zero-filled to minimumDigits (at most 20) when it
// is not negative; gathered from the end of an array, since every number a
// call answers with passes through here.
class NumberText {
 public:
  explicit NumberText(std::int64_t value, int minimumDigits = 1) {
    std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
      Prepend(static_cast<KChar>(u'0' + magnitude % 10));
      magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) Prepend(u'-');
    while (value >= 0 && length_ < static_cast<std::size_t>(minimumDigits)) Prepend(u'0');
  }
  std::u16string_view View() const { return {digits_.data() + digits_.size() - length_, length_}; }

 private:
  void Prepend(KChar c) { digits_[digits_.size() - ++length_] = c; }

  std::array<KChar, 21> digits_;  // NOLINT: written before it is read
  std::size_t length_ = 0;
};

// A signed number saturates at this magnitude, far beyond every range a
// caller accepts, so that sums and range checks on it never wrap.
inline constexpr std::int64_t kMaxSignedNumber = 999'999'999'999'999'999;

// Reads the run of digits at pos, saturating at limit (at most
// kMaxSignedNumber). Once saturated the value stays at the limit, and
// limit * 10 + 9 still fits 64 unsigned bits, so no step can wrap. Inline:
// every date and time text is read through here.
inline std::int64_t ReadDigitsUpTo(std::u16string_view text, std::size_t& pos, std::int64_t limit) {
  const auto cap = static_cast<std::uint64_t>(limit);
  std::uint64_t value = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    value = value * 10 + static_cast<std::uint64_t>(text[pos] - u'0');
    if (value > cap) value = cap;
  }
  return static_cast<std::int64_t>(value);
}

// Reads the run of decimal digits that starts at pos and moves pos past it.
// A value above kMaxNumber reads as kMaxNumber; no digit reads as 0.
inline std::int32_t ReadDigits(std::u16string_view text, std::size_t& pos) {
  return static_cast<std::int32_t>(ReadDigitsUpTo(text, pos, kMaxNumber));
}

// A whole text of decimal digits: its value 0 to kMaxNumber, or -1 when the
// text is empty, starts with anything but a digit or has anything after the
// digits.
inline std::int32_t ParseNumber(std::u16string_view text) {
  if (text.empty() || !IsDigit(text[0])) return -1;
  std::size_t pos = 0;
  const std::int32_t value = ReadDigits(text, pos);
  return pos == text.size() ? value : -1;
}

// Reads a signed number at pos: an optional "+" or "-" directly followed by
// decimal digits; moves pos past it. std::nullopt, pos unchanged, when no
// digit follows the sign. Whatever comes after the digits is left to the
// caller.
std::optional<std::int64_t> ReadSignedNumber(std::u16string_view text, std::size_t& pos);

// A whole text that is a signed number, with nothing before or after it; its
// value, or std::nullopt.
std::optional<std::int64_t> ParseSignedNumber(std::u16string_view text);

}  // namespace kalendra
