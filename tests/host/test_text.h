// Failure-message helper of the shell's tests: UTF-16 shown as ASCII, with
// every other unit as \uXXXX.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace torvane::test {

inline std::string Narrow(std::u16string_view text) {
  std::string out;
  for (const char16_t c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
      out += escape;
    }
  }
  return out;
}

}  // namespace torvane::test
