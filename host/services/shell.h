// The shell as a program: its command-line options and the run that loads
// the plug-in and executes -c lines, a batch file or the interactive prompt.
#pragma once

#include <string>
#include <vector>

#include "platform/export.h"

namespace torvane {

struct ShellOptions {
  bool loadPlugins = true;
  bool showUsage = false;
  bool showVersion = false;
  std::vector<std::u16string> commands;  // -c lines, in order
  std::vector<std::u16string> batch;     // the batch file and its parameters
  std::u16string error;                  // why the options are unusable
};

// Reads the options that follow the program name:
//   [--no-plugins] [-c LINE]... | [--no-plugins] FILE [ARGS...]
TORVANE_API ShellOptions ParseShellArguments(const std::vector<std::u16string>& arguments);

// Runs the shell; returns its exit status: "exit N" gives N, otherwise 0
// when the last line succeeded and 1 when it failed; 2 for bad options.
TORVANE_API int RunShell(const std::vector<std::u16string>& arguments);

// The program's entry: the arguments as the system passes them.
TORVANE_API int ShellMain(int argc, char** argv);

}  // namespace torvane
