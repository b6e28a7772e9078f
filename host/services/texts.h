// Small text helpers that the shell's subsystems share: trimming, quoting a
// name in a message, and the directory part of a path.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "contract/text.h"
#include "platform/host_platform.h"

namespace torvane {

// True when one of eight units is unit: a block the compiler turns into one
// vector comparison.
inline bool BlockHolds(const KChar* units, KChar unit) {
  unsigned found = 0;
  for (std::size_t k = 0; k < 8; ++k) found |= units[k] == unit ? 1u : 0u;
  return found != 0;
}

// The position of the first unit equal to unit at or after from, or npos.
// Every line is searched for "%": eight units at a time, the last block
// overlapping the one before it, so that a short line needs no single steps
// but in the block that holds the unit.
inline std::size_t FindUnit(std::u16string_view text, KChar unit, std::size_t from = 0) {
  const KChar* units = text.data();
  const std::size_t size = text.size();
  const auto scan = [&](std::size_t i) {
    for (; i < size; ++i) {
      if (units[i] == unit) return i;
    }
    return std::u16string_view::npos;
  };
  if (from >= size || size - from < 8) return scan(from);
  for (std::size_t i = from;; i += 8) {
    const std::size_t block = std::min(i, size - 8);  // units before i are known not to be unit
    if (BlockHolds(units + block, unit)) return scan(i);
    if (block + 8 == size) return std::u16string_view::npos;
  }
}

inline std::u16string_view TrimSpace(std::u16string_view text) {
  while (!text.empty() && contract::IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && contract::IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

// The text in double quotes, as messages name what they refuse.
inline std::u16string Quoted(std::u16string_view text) { return u"\"" + std::u16string(text) + u"\""; }

// A count in decimal digits.
inline std::u16string Decimal(long long value) { return contract::Widen(std::to_string(value)); }

// "8191 characters": the most a plug-in's buffer holds before its terminator.
inline std::u16string TextLimit() { return Decimal(kHostBufferLength - 1) + u" characters"; }

// The directory part of a path with its trailing separator; empty when the
// path has no separator.
inline std::u16string DirectoryPart(std::u16string_view path) {
  std::size_t end = path.size();
  while (end > 0 && !platform::IsPathSeparator(path[end - 1])) --end;
  return std::u16string(path.substr(0, end));
}

}  // namespace torvane
