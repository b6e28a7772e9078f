// Small text helpers that the shell's subsystems share: trimming, quoting a
// name in a message, and the directory part of a path.
#pragma once

#include <string>
#include <string_view>

#include "contract/text.h"
#include "platform/host_platform.h"

namespace torvane {

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
