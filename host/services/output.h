// The shell's one output layer: everything written to standard output or
// standard error passes here, on its way to the console or to a test's
// capture.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/host_platform.h"

namespace torvane::output {

using platform::Stream;

// The line end the shell writes; the POSIX console writes it as LF.
inline constexpr std::u16string_view kLineEnd = u"\r\n";

void Write(Stream stream, std::u16string_view text);
// The text and a line end.
void WriteLine(Stream stream, std::u16string_view text);
// Standard output in a console colour attribute; plain text when standard
// output is no console.
void WriteInColour(int attribute, std::u16string_view text);
// The shell's own message, "torvane: " and the text, as a line on standard
// error.
void ReportError(std::u16string_view message);
// Writes out everything still held back: before the shell or a plug-in
// waits for the user, and at exit.
void Flush();

bool IsConsole(Stream stream);
// Rows of the console, 25 when standard output is no console.
int ConsoleRows();

// ---- Test hooks ----------------------------------------------------------

struct Captured {
  std::u16string out;
  std::u16string err;
};
// While capturing, text is collected exactly as written (CR LF kept, no
// colour) instead of reaching the console.
void BeginCapture();
Captured EndCapture();

struct ConsoleState {
  bool isConsole = false;
  int rows = 25;
};
// Makes the console queries answer as given; nullopt asks the system again.
void OverrideConsole(std::optional<ConsoleState> state);

}  // namespace torvane::output
