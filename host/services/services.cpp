// The 21 host services of the interface header, with C linkage: each one
// is a thin front to the subsystem that does the work.
#include <algorithm>
#include <array>
#include <cstdarg>
#include <string>

#include "contract/host_interface.h"
#include "contract/text.h"
#include "platform/host_platform.h"
#include "services/evaluate.h"
#include "services/expansion.h"
#include "services/files.h"
#include "services/format.h"
#include "services/output.h"
#include "services/plugins.h"

namespace {

using torvane::output::Stream;

// The text of a buffer the interface says holds kHostBufferLength
// characters, read no further than that even when unterminated.
std::u16string_view BufferText(const KChar* buffer) {
  std::size_t length = 0;
  while (length < kHostBufferLength - 1 && buffer[length] != 0) ++length;
  return std::u16string_view(buffer, length);
}

int Length(const std::u16string& text) { return static_cast<int>(text.size()); }

bool StreamOfHandle(int handle, Stream& stream) {
  if (handle == kHostStdout) stream = Stream::Output;
  if (handle == kHostStderr) stream = Stream::Error;
  return handle == kHostStdout || handle == kHostStderr;
}

// A pause of 0 milliseconds still gives a waiting loop a real pause.
constexpr int kShortestYield = 10;

}  // namespace

// va_start has to run in the variadic service itself, so each formatting
// service opens its arguments with this.
#define FORMAT_INTO(text, format)                                \
  std::va_list args;                                             \
  va_start(args, format);                                        \
  const std::u16string text = torvane::FormatText(format, args); \
  va_end(args)

TORVANE_SERVICE int ExpandVariables(KChar* buffer, int /*recursive: values are never expanded again*/) {
  if (buffer == nullptr) return 1;
  const std::optional<std::u16string> expanded = torvane::ExpandText(std::u16string(BufferText(buffer)));
  if (!expanded) return 1;
  contract::CopyText(buffer, kHostBufferLength, *expanded);
  return 0;
}

TORVANE_SERVICE int Evaluate(KChar* buffer) {
  if (buffer == nullptr) return 1;
  const std::optional<std::int64_t> value = torvane::EvaluateOrReport(BufferText(buffer));
  if (!value) return 1;
  contract::CopyText(buffer, kHostBufferLength, contract::Widen(std::to_string(*value)));
  return 0;
}

TORVANE_SERVICE int Sprintf(KChar* buffer, const KChar* format, ...) {
  if (buffer == nullptr) return -1;
  // Formatted aside first: an argument or the format may lie in the buffer.
  std::array<KChar, kHostBufferLength> text;  // NOLINT: written before it is read
  std::va_list args;
  va_start(args, format);
  const std::size_t length = torvane::FormatText(text.data(), text.size(), format, args);
  va_end(args);
  std::copy_n(text.data(), length + 1, buffer);
  return static_cast<int>(length);
}

TORVANE_SERVICE int Printf(const KChar* format, ...) {
  FORMAT_INTO(text, format);
  torvane::output::Write(Stream::Output, text);
  return Length(text);
}

TORVANE_SERVICE int Qprintf(int handle, const KChar* format, ...) {
  FORMAT_INTO(text, format);
  Stream stream = Stream::Output;
  if (!StreamOfHandle(handle, stream)) return -1;
  torvane::output::Write(stream, text);
  return Length(text);
}

TORVANE_SERVICE int ColorPrintf(int attribute, const KChar* format, ...) {
  FORMAT_INTO(text, format);
  torvane::output::WriteInColour(attribute, text);
  return Length(text);
}

TORVANE_SERVICE void QPuts(const KChar* text) {
  if (text != nullptr) torvane::output::Write(Stream::Output, text);
}

TORVANE_SERVICE void CrLf() { torvane::output::Write(Stream::Output, u"\r\n"); }

TORVANE_SERVICE void GetAttribute(int* normal, int* inverse) {
  if (normal != nullptr) *normal = torvane::platform::CurrentTextAttribute();
  if (inverse != nullptr) *inverse = 0x70;
}

TORVANE_SERVICE int QueryIsConsole(int handle) {
  Stream stream = Stream::Output;
  if (handle == 0) return torvane::output::IsConsole(Stream::Input) ? 1 : 0;
  return StreamOfHandle(handle, stream) && torvane::output::IsConsole(stream) ? 1 : 0;
}

TORVANE_SERVICE int GetScrRows() { return torvane::output::ConsoleRows(); }

TORVANE_SERVICE int QueryKeyWaiting() {
  torvane::output::Flush();  // what asks for the key is shown first
  return torvane::platform::KeyWaiting() ? 1 : 0;
}

TORVANE_SERVICE void tty_yield(int milliseconds) {
  torvane::platform::SleepMilliseconds(std::max(milliseconds, kShortestYield));
}

TORVANE_SERVICE void EatKeystrokes() { torvane::platform::DiscardKeystrokes(); }

TORVANE_SERVICE void HoldSignals() {}  // no signal handling to hold back

TORVANE_SERVICE int QueryTrueName(const KChar* name, KChar* out) {
  if (name == nullptr || out == nullptr) return 1;
  const std::optional<std::u16string> path = torvane::platform::FullPath(BufferText(name));
  if (!path || path->size() >= kHostBufferLength) return 1;
  contract::CopyText(out, kHostBufferLength, *path);
  return 0;
}

TORVANE_SERVICE int QueryIsFile(const KChar* name) {
  return name != nullptr && torvane::platform::IsExistingFile(BufferText(name)) ? 1 : 0;
}

TORVANE_SERVICE int QueryIsFileUnicode(HostFile file) { return torvane::IsUnicodeFile(file) ? 1 : 0; }

TORVANE_SERVICE int GetLine(HostFile file, KChar* buffer, int maxChars, int flags, int /*reserved*/) {
  return torvane::ReadLine(file, buffer, maxChars, (flags & kGetLineUnicode) != 0);
}

TORVANE_SERVICE int ASCIIToUnicode(const char* text, KChar* out, int capacity) {
  if (text == nullptr || out == nullptr || capacity <= 0) return 0;
  const std::u16string wide = torvane::WidenEightBit(text);
  contract::CopyText(out, static_cast<std::size_t>(capacity), wide);
  return std::min(Length(wide), capacity - 1);
}

TORVANE_SERVICE int UnloadOnePlugin(const KChar* name) {
  return name != nullptr && torvane::plugins::Unload(BufferText(name)) ? 0 : 1;
}
