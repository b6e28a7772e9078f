// Error reporting: the prefix every message starts with, and the one way a
// function writes a message and gives up.
#pragma once

#include <concepts>
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

// The longest part of a text that a message quotes: the shell formats a
// line into a buffer of kHostBufferLength units, which must hold the
// message around the quote too.
inline constexpr std::size_t kMaxQuotedLength = kHostBufferLength - 512;

// The values of a message as Qprintf receives them: a number as it is, a
// text cut to kMaxQuotedLength (the cut copy lives until the call ends).
template <typename T>
  requires(!std::convertible_to<T, const KChar*>)
T MessageValue(T value) {
  return value;
}
inline std::u16string MessageValue(const KChar* text) {
  return std::u16string(std::u16string_view(text).substr(0, kMaxQuotedLength));
}
template <typename T>
T PassedValue(T value) {
  return value;
}
inline const KChar* PassedValue(const std::u16string& text) { return text.c_str(); }

// Writes the prefix and one message line (format and values as for the
// shell's Qprintf, CR LF added) to standard error. Returns kErrorResult so a
// function can `return ReportError(...)`.
template <typename... Values>
int ReportError(std::u16string_view format, Values... values) {
  ErrorPrefix();
  std::u16string line(format);
  line += u"\r\n";
  Qprintf(kHostStderr, line.c_str(), PassedValue(MessageValue(values))...);
  return kErrorResult;
}

// ReportError for a message that quotes argument n of the argument table,
// such as "Invalid date \"%s\"".
int ReportArgumentError(Message format, int n);

}  // namespace kalendra
