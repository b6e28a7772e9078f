// Decimal number readers over argument texts.
#include "frame/numbers.h"

#include "frame/text.h"

namespace kalendra {
namespace {

// Reads the run of digits at pos, saturating at limit; the test comes
// before the multiplication, so no step can overflow.
std::int64_t ReadDigitsUpTo(std::u16string_view text, std::size_t& pos, std::int64_t limit) {
  std::int64_t value = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    const int digit = text[pos] - u'0';
    value = value > (limit - digit) / 10 ? limit : value * 10 + digit;  // saturate; keep consuming digits
  }
  return value;
}

}  // namespace

std::int32_t ReadDigits(std::u16string_view text, std::size_t& pos) {
  return static_cast<std::int32_t>(ReadDigitsUpTo(text, pos, kMaxNumber));
}

std::int32_t ParseNumber(std::u16string_view text) {
  if (text.empty() || !IsDigit(text[0])) return -1;
  std::size_t pos = 0;
  const std::int32_t value = ReadDigits(text, pos);
  return pos == text.size() ? value : -1;
}

std::optional<std::int64_t> ReadSignedNumber(std::u16string_view text, std::size_t& pos) {
  std::size_t digits = pos;
  if (digits < text.size() && (text[digits] == u'+' || text[digits] == u'-')) ++digits;
  if (digits >= text.size() || !IsDigit(text[digits])) return std::nullopt;
  const bool negative = text[pos] == u'-';
  const std::int64_t magnitude = ReadDigitsUpTo(text, digits, kMaxSignedNumber);
  pos = digits;
  return negative ? -magnitude : magnitude;
}

std::optional<std::int64_t> ParseSignedNumber(std::u16string_view text) {
  std::size_t pos = 0;
  const std::optional<std::int64_t> value = ReadSignedNumber(text, pos);
  if (pos != text.size()) return std::nullopt;
  return value;
}

}  // namespace kalendra
