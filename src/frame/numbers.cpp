// Decimal number readers over argument texts.
#include "frame/numbers.h"

#include "frame/text.h"

namespace kalendra {
namespace {

}  // namespace

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
