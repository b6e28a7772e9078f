// What every fuzz target shares: the input as UTF-16 text, and the outcome
// rule of the plug-in's functions and commands.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "frame/errors.h"
#include "contract/host_interface.h"
#include "frame/text.h"
#include "services/testing.h"

namespace fuzz {

// Pairs of bytes as UTF-16 units, little-endian.
inline std::u16string Utf16(const std::uint8_t* data, std::size_t size) {
  std::u16string text(size / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
  }
  return text;
}

// How many line feeds the text holds.
inline std::size_t LineFeeds(std::u16string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\n'));
}

// A call succeeds with a result that fits the buffer and no message, or
// fails with exactly one message line after the library's prefix. A message
// may quote the caller's text, so line feeds quoted from the input are
// allowed beside the message's own (line feeds, not CR LF pairs: taking out
// a quote can join a CR and an LF of the input). A function may also fail
// with otherFailure after a message of the shell's.
inline void CheckOutcome(int status, const KChar* buffer, const torvane::testing::CapturedOutput& output,
                         std::size_t quotedLineFeeds = 0, int otherFailure = kalendra::kErrorResult) {
  if (status == 0) {
    if (kalendra::TextLength(buffer) >= kHostBufferLength || !output.err.empty()) std::abort();
    return;
  }
  if (status != kalendra::kErrorResult && status != otherFailure) std::abort();
  const bool prefixed = output.err.starts_with(u"KALENDRA plugin: ");
  if (prefixed != (status == kalendra::kErrorResult) || !output.err.ends_with(u"\r\n") ||
      LineFeeds(output.err) > 1 + quotedLineFeeds) {
    std::abort();
  }
}

using Buffer = std::array<KChar, kHostBufferLength>;

// The text in a buffer of the shell's size, cut to fit as the shell cuts it.
inline Buffer BufferOf(std::u16string_view text) {
  Buffer buffer{};
  kalendra::CopyText(buffer.data(), buffer.size(), text.substr(0, buffer.size() - 1));
  return buffer;
}

// What one call with a text did: its result, its buffer and what it wrote.
struct Call {
  Buffer buffer{};
  int status = 0;
  torvane::testing::CapturedOutput output;
};

// Calls function(buffer) with the text in the buffer, as the shell would.
template <typename Function>
Call CallWith(std::u16string_view text, Function&& function) {
  Call call;
  call.buffer = BufferOf(text);
  call.output = torvane::testing::CaptureOutput([&] { call.status = function(call.buffer.data()); });
  return call;
}

// Calls the function and checks the outcome.
inline void CallAndCheck(int (*function)(KChar*), std::u16string_view text,
                         int otherFailure = kalendra::kErrorResult) {
  const Call call = CallWith(text, function);
  CheckOutcome(call.status, call.buffer.data(), call.output, LineFeeds(text), otherFailure);
}

}  // namespace fuzz
