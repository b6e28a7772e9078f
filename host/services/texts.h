// Small text helpers that the shell's subsystems share: the search for "%"
// and brackets, trimming, quoting a name in a message, and the directory
// part of a path.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <string>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "contract/text.h"
#include "platform/host_platform.h"

namespace torvane {

#if defined(__SSE2__)
// The units of a block of eight that are one of the wanted ones, as a mask
// of two bits a unit (in the order of the units).
template <std::size_t N>
unsigned MatchingUnits(const KChar* block, const std::array<KChar, N>& wanted) {
  const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
  __m128i found = _mm_setzero_si128();
  for (const KChar unit : wanted) {
    found = _mm_or_si128(found, _mm_cmpeq_epi16(units, _mm_set1_epi16(static_cast<short>(unit))));
  }
  return static_cast<unsigned>(_mm_movemask_epi8(found));
}
#endif

// The first position at or after from that holds one of the wanted units,
// or npos. Every line and every function's arguments are searched: eight
// units a step by the CPU's vector comparisons where it has them, the last
// step over the last eight units, overlapping what was searched before.
template <std::size_t N>
std::size_t FindAnyOf(std::u16string_view text, std::size_t from, const std::array<KChar, N>& wanted) {
  const KChar* units = text.data();
  const std::size_t size = text.size();
#if defined(__SSE2__)
  if (size >= 8) {
    for (; from < size; from += 8) {
      const std::size_t block = std::min(from, size - 8);
      // Units before from are known to be none of them.
      const unsigned found = MatchingUnits(units + block, wanted) >> (2 * (from - block));
      if (found != 0) return from + static_cast<std::size_t>(std::countr_zero(found)) / 2;
    }
    return std::u16string_view::npos;
  }
#endif
  for (; from < size; ++from) {
    if (std::find(wanted.begin(), wanted.end(), units[from]) != wanted.end()) return from;
  }
  return std::u16string_view::npos;
}

inline std::size_t FindUnit(std::u16string_view text, KChar unit, std::size_t from = 0) {
  return FindAnyOf(text, from, std::array<KChar, 1>{unit});
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
