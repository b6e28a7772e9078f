// The output layer: routes text to the platform's console writer or to the
// capture of a test, and answers the console queries.
#include "services/output.h"

namespace torvane::output {
namespace {

constexpr int kRowsWithoutConsole = 25;

struct OutputState {
  std::optional<Captured> capture;
  std::optional<ConsoleState> console;
};

OutputState& State() {
  static OutputState state;
  return state;
}

}  // namespace

void Write(Stream stream, std::u16string_view text) {
  if (std::optional<Captured>& capture = State().capture) {
    (stream == Stream::Error ? capture->err : capture->out).append(text);
    return;
  }
  platform::WriteText(stream, text);
}

void WriteInColour(int attribute, std::u16string_view text) {
  if (State().capture || !IsConsole(Stream::Output)) {
    Write(Stream::Output, text);
    return;
  }
  platform::SetTextAttribute(Stream::Output, attribute);
  platform::WriteText(Stream::Output, text);
  platform::ResetTextAttribute(Stream::Output);
}

void ReportError(std::u16string_view message) {
  std::u16string line = u"torvane: ";
  line.append(message).append(u"\r\n");
  Write(Stream::Error, line);
}

void Flush() {
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
