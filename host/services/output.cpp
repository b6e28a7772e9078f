// The output layer: routes text to the platform's console writer or to the
// capture of a test, and answers the console queries.
#include "services/output.h"

#include <algorithm>
#include <array>

#include "services/session.h"

namespace torvane::output {
namespace {

constexpr int kRowsWithoutConsole = 25;

// Standard output that is no terminal gathers here and is written in
// pieces of this size: a fixed array, so that gathering a line is one copy.
class PendingOutput {
 public:
  static constexpr std::size_t kLength = 32768;

  // Appends a text and its end (a line end, or nothing), or nothing of
  // them when they do not fit; the caller writes out first then.
  bool Append(std::u16string_view text, std::u16string_view end) {
    if (text.size() + end.size() > kLength - used_) return false;
    std::copy(text.begin(), text.end(), units_.begin() + static_cast<std::ptrdiff_t>(used_));
    used_ += text.size();
    for (const KChar c : end) units_[used_++] = c;  // a unit or two: no call to copy them
    return true;
  }
  std::u16string_view Text() const { return {units_.data(), used_}; }
  void Clear() { used_ = 0; }

 private:
  std::array<KChar, kLength> units_;
  std::size_t used_ = 0;
};

struct OutputState {
  std::optional<Captured> capture;
  std::optional<ConsoleState> console;
  std::optional<bool> buffered;  // standard output is no terminal: asked once
  PendingOutput pending;         // standard output not yet written
};

// The output layer's state: at namespace scope, so that the writes of every
// line reach it without a guard.
OutputState theOutputState;

OutputState& State() { return theOutputState; }

void WritePending() {
  PendingOutput& pending = State().pending;
  if (pending.Text().empty()) return;
  platform::WriteText(Stream::Output, pending.Text());
  pending.Clear();
}

// Gathers a text and its end in the pending output, writing out what is
// pending first when they do not fit, and themselves when they are larger
// than the whole buffer.
void Gather(std::u16string_view text, std::u16string_view end) {
  PendingOutput& pending = State().pending;
  if (pending.Append(text, end)) return;
  WritePending();
  if (pending.Append(text, end)) return;
  platform::WriteText(Stream::Output, text);
  platform::WriteText(Stream::Output, end);
}

bool OutputIsBuffered() {
  std::optional<bool>& buffered = State().buffered;
  if (!buffered) buffered = !platform::IsTerminal(Stream::Output);
  return *buffered;
}

// How a write ends: as its text does, or with a line end.
enum class Ending { kAsWritten, kLineEnd };

// Standard output to a file or a pipe gathers in a buffer, its lines ended
// as the console writes them; everything written before text on standard
// error, and before the shell reads from the user, is written out first, so
// the streams keep their order. The text and its line end go as one, which
// is what a batch file writes line after line.
void WriteEnded(Stream stream, std::u16string_view text, Ending ending) {
  const std::u16string_view end = ending == Ending::kLineEnd ? kLineEnd : std::u16string_view();
  OutputState& state = State();
  if (std::optional<Captured>& capture = state.capture) {
    (stream == Stream::Error ? capture->err : capture->out).append(text).append(end);
    return;
  }
  if (stream == Stream::Output && OutputIsBuffered()) {
    // A CR just before the line end is text: the shell's CR LF keeps it
    // through the console's translation.
    const bool endsInText = !text.empty() && text.back() != u'\r';
    Gather(text, ending == Ending::kLineEnd && endsInText ? platform::LineEnd() : end);
    return;
  }
  WritePending();
  platform::WriteText(stream, text);
  if (!end.empty()) platform::WriteText(stream, end);
}

}  // namespace

void Write(Stream stream, std::u16string_view text) { WriteEnded(stream, text, Ending::kAsWritten); }

void WriteLine(Stream stream, std::u16string_view text) { WriteEnded(stream, text, Ending::kLineEnd); }

void WriteInColour(int attribute, std::u16string_view text) {
  if (State().capture || !IsConsole(Stream::Output)) {
    Write(Stream::Output, text);
    return;
  }
  WritePending();
  platform::SetTextAttribute(Stream::Output, attribute);
  platform::WriteText(Stream::Output, text);
  platform::ResetTextAttribute(Stream::Output);
}

void ReportError(std::u16string_view message) {
  ++CurrentSession().errorsReported;  // fails the line it happens in, whoever called
  std::u16string line = u"torvane: ";
  line.append(message).append(kLineEnd);  // one write, so that a message is never split
  Write(Stream::Error, line);
}

void Flush() {
  WritePending();
  platform::FlushText(Stream::Output);
  platform::FlushText(Stream::Error);
}

bool IsConsole(Stream stream) {
  if (const std::optional<ConsoleState>& console = State().console) return console->isConsole;
  return platform::IsTerminal(stream);
}

int ConsoleRows() {
  if (const std::optional<ConsoleState>& console = State().console) return console->rows;
  const int rows = platform::IsTerminal(Stream::Output) ? platform::TerminalRows() : 0;
  return rows > 0 ? rows : kRowsWithoutConsole;
}

void BeginCapture() { State().capture = Captured{}; }

Captured EndCapture() {
  Captured captured = State().capture.value_or(Captured{});
  State().capture.reset();
  return captured;
}

void OverrideConsole(std::optional<ConsoleState> state) { State().console = state; }

}  // namespace torvane::output
