// Error reporting: the prefix every message starts with, and the one way a
// function writes a message and gives up.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "contract/host_interface.h"

namespace kalendra {

// The usual result of a function after it has written a message.
inline constexpr int kErrorResult = -87;
// The result of a call that receives no buffer.
inline constexpr int kNoBufferResult = 1;
// The result of the time functions when they receive no buffer.
inline constexpr int kNoBufferTimeResult = -1;

// The text of a message, passed on every call and read only when the
// message is written. Given a literal, its length is counted when the
// program is compiled rather than on each call.
class Message {
 public:
  template <std::size_t N>
  constexpr Message(const KChar (&literal)[N]) : text_(literal, N - 1) {}  // NOLINT: a literal is a message
  constexpr Message(std::u16string_view text) : text_(text) {}                // NOLINT: so is a named text
  constexpr operator std::u16string_view() const { return text_; }            // NOLINT

 private:
  std::u16string_view text_;
};

// Writes "KALENDRA plugin: " to standard error and, inside a batch file, the
// batch file's name and line ("NAME [LINE]  ").
void ErrorPrefix();

// Writes the prefix and one message line (format and values as for the
// shell's Qprintf, CR LF added) to standard error. Returns kErrorResult so a
// function can `return ReportError(...)`.
template <typename... Values>
int ReportError(std::u16string_view format, Values... values) {
  ErrorPrefix();
  std::u16string line(format);
  line += u"\r\n";
  Qprintf(kHostStderr, line.c_str(), values...);
  return kErrorResult;
}

// ReportError for a message that quotes argument n of the argument table,
// such as "Invalid date \"%s\"".
int ReportArgumentError(Message format, int n);

}  // namespace kalendra
