// The 21 host services of the interface header, with C linkage: each one
// is a thin front to the subsystem that does the work. They are no kinder
// than the table allows (contract_checks.h): every pointer the table names
// is used, a buffer the shell fills is poisoned after its text up to the
// size the table gives it, and a format that asks for more than the table
// allows is refused.
#include <algorithm>
#include <array>
#include <cstdarg>
#include <string>

#include "contract/host_interface.h"
#include "contract/text.h"
#include "platform/host_platform.h"
#include "services/contract_checks.h"
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

// A printer formats into a buffer of the interface's size, as a real shell
// may: a format that asks for more, or for a conversion the table does not
// name, is refused.
void CheckFormatted(const char* service, bool tooLong, const torvane::FormatFaults& faults) {
  if (faults.unknownConversion) torvane::contract_checks::Refuse(service, "a conversion the host table does not name");
  if (tooLong) torvane::contract_checks::Refuse(service, "a result longer than its 8192-unit buffer");
}

}  // namespace

// va_start has to run in the variadic service itself, so each formatting
// service opens its arguments with this.
#define FORMAT_INTO(service, text, format)                                                        \
  std::va_list args;                                                                              \
  va_start(args, format);                                                                         \
  torvane::FormatFaults faults;                                                                   \
  std::u16string text = torvane::FormatText(format, args, &faults);                               \
  va_end(args);                                                                                   \
  CheckFormatted(service, text.size() >= kHostBufferLength, faults);                              \
  if (text.size() >= kHostBufferLength) text.resize(kHostBufferLength - 1)

TORVANE_SERVICE int ExpandVariables(KChar* buffer, int /*recursive: values are never expanded again*/) {
  const std::optional<std::u16string> expanded = torvane::ExpandText(std::u16string(BufferText(buffer)));
  if (expanded) contract::CopyText(buffer, kHostBufferLength, *expanded);
  torvane::contract_checks::PoisonAfterText(buffer, kHostBufferLength);
  return expanded ? 0 : 1;
}

TORVANE_SERVICE int Evaluate(KChar* buffer) {
  const std::optional<std::int64_t> value = torvane::EvaluateOrReport(BufferText(buffer));
  if (!value) return 1;
  contract::CopyText(buffer, kHostBufferLength, contract::Widen(std::to_string(*value)));
  return 0;
}

TORVANE_SERVICE int Sprintf(KChar* buffer, const KChar* format, ...) {
  // Formatted aside first: an argument or the format may lie in the buffer.
  std::array<KChar, kHostBufferLength> text;  // NOLINT: written before it is read
  std::va_list args;
  va_start(args, format);
  torvane::FormatFaults faults;
  const std::size_t length = torvane::FormatText(text.data(), text.size(), format, args, &faults);
  va_end(args);
  CheckFormatted("Sprintf", faults.cut, faults);
  std::copy_n(text.data(), length + 1, buffer);
  torvane::contract_checks::PoisonAfterText(buffer, kHostBufferLength);
  return static_cast<int>(length);
}

TORVANE_SERVICE int Printf(const KChar* format, ...) {
  FORMAT_INTO("Printf", text, format);
  torvane::output::Write(Stream::Output, text);
  return Length(text);
}

TORVANE_SERVICE int Qprintf(int handle, const KChar* format, ...) {
  FORMAT_INTO("Qprintf", text, format);
  Stream stream = Stream::Output;
  if (!StreamOfHandle(handle, stream)) return -1;
  torvane::output::Write(stream, text);
  return Length(text);
}

TORVANE_SERVICE int ColorPrintf(int attribute, const KChar* format, ...) {
  FORMAT_INTO("ColorPrintf", text, format);
  torvane::output::WriteInColour(attribute, text);
  return Length(text);
}

TORVANE_SERVICE void QPuts(const KChar* text) { torvane::output::Write(Stream::Output, text); }

TORVANE_SERVICE void CrLf() { torvane::output::Write(Stream::Output, torvane::output::kLineEnd); }

// Both integers are filled, as a real shell may fill them.
TORVANE_SERVICE void GetAttribute(int* normal, int* inverse) {
  *normal = torvane::platform::CurrentTextAttribute();
  *inverse = 0x70;
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
  const std::optional<std::u16string> path = torvane::platform::FullPath(BufferText(name));
  const bool fits = path && path->size() < kHostBufferLength;
  // Without a path the buffer holds nothing the plug-in may read.
  contract::CopyText(out, kHostBufferLength, fits ? *path : std::u16string());
  torvane::contract_checks::PoisonAfterText(out, kHostBufferLength);
  if (!fits) out[0] = torvane::contract_checks::kPoison;
  return fits ? 0 : 1;
}

TORVANE_SERVICE int QueryIsFile(const KChar* name) {
  return torvane::platform::IsExistingFile(BufferText(name)) ? 1 : 0;
}

TORVANE_SERVICE int QueryIsFileUnicode(HostFile file) { return torvane::IsUnicodeFile(file) ? 1 : 0; }

// The buffer holds maxChars units and a terminator.
TORVANE_SERVICE int GetLine(HostFile file, KChar* buffer, int maxChars, int flags, int /*reserved*/) {
  if (maxChars <= 0) torvane::contract_checks::Refuse("GetLine", "no room for a line");
  const int consumed = torvane::ReadLine(file, buffer, std::max(maxChars, 1), (flags & kGetLineUnicode) != 0);
  torvane::contract_checks::PoisonAfterText(buffer, static_cast<std::size_t>(std::max(maxChars, 1)) + 1);
  return consumed;
}

TORVANE_SERVICE int ASCIIToUnicode(const char* text, KChar* out, int capacity) {
  if (capacity <= 0) torvane::contract_checks::Refuse("ASCIIToUnicode", "no room for the text");
  const std::u16string wide = torvane::WidenEightBit(text);
  const auto room = static_cast<std::size_t>(std::max(capacity, 1));
  contract::CopyText(out, room, wide);
  torvane::contract_checks::PoisonAfterText(out, room);
  return std::min(Length(wide), static_cast<int>(room) - 1);
}

TORVANE_SERVICE int UnloadOnePlugin(const KChar* name) { return torvane::plugins::Unload(BufferText(name)) ? 0 : 1; }
