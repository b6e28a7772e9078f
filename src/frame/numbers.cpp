#include "frame/numbers.h"

#include "frame/text.h"

namespace kalendra {

std::int32_t ReadDigits(std::u16string_view text, std::size_t& pos) {
  std::int64_t value = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
    value = value * 10 + (text[pos] - u'0');
    if (value > kMaxNumber) value = kMaxNumber;  // saturate; keep consuming digits
  }
  return static_cast<std::int32_t>(value);
}

std::int32_t ParseNumber(std::u16string_view text) {
  if (text.empty() || !IsDigit(text[0])) return -1;
  std::size_t pos = 0;
  const std::int32_t value = ReadDigits(text, pos);
  return pos == text.size() ? value : -1;
}

}  // namespace kalendra
