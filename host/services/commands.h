// Running one command line: expansion, then the plug-in command or built-in
// command it names.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"

namespace torvane {

// Views into the line that was cut.
struct CommandLine {
  std::u16string_view name;  // empty for a blank line
  std::u16string_view tail;  // the rest, without the white space after the name
};

// Cuts an expanded line into the command name (up to white space) and its
// tail; leading white space is skipped.
TORVANE_API CommandLine SplitCommand(std::u16string_view line);

// The names of the built-in commands.
std::vector<std::u16string> BuiltinNames();

// Expands and runs one line; true when it succeeded. Records a failure in
// the session, and an "exit" there too.
bool RunLine(std::u16string_view line);

}  // namespace torvane
