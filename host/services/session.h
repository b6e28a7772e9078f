// The state of the running shell that expansion and commands read: how it
// was started, the batch files it is inside, the exit status so far, and
// the shell's own variables built on them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"

namespace torvane {

// One batch file being run; files run from inside others stack up.
struct BatchFrame {
  std::u16string path;                  // full path
  int line = 0;                         // the line being run, from 1
  std::vector<std::u16string> arguments;  // %0 (the name as given), %1 ...
};

struct Session {
  bool transient = false;            // running -c lines
  bool interactive = false;          // reading lines a person types at the prompt
  std::optional<bool> pipeOverride;  // set by tests; otherwise asked of the system
  std::vector<BatchFrame> batches;
  bool exitRequested = false;
  int exitStatus = 0;  // the status "exit" gave
  bool lastLineFailed = false;  // the exit status follows the last line run
  int errorsReported = 0;       // the shell's own messages so far
};

// The one session of the process: a plain object (constant-initialised, so
// no order of start-up matters), reached inline, since every line asks.
TORVANE_API extern Session theSession;
inline Session& CurrentSession() { return theSession; }

// The value of one of the shell's own variables (_batch, _batchname,
// _batchline, _transient, _pipe, _cmdspec), nullopt for any other name.
std::optional<std::u16string> ShellVariable(std::u16string_view name);

// The names of the shell's own variables, with their "_".
std::vector<std::u16string> ShellVariableNames();

// Batch parameter %n (0 to 9) of the innermost batch file; empty outside one.
std::u16string BatchParameter(int n);

}  // namespace torvane
