// Hooks for tests that link the shell in-process: capture of what the shell
// writes, the batch and session state that expansion reports, the console
// the services describe, plug-ins linked into the test itself, and files.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "contract/host_interface.h"
#include "platform/export.h"

namespace torvane::testing {

// Text exactly as written to each stream (CR LF kept, no colour codes).
struct CapturedOutput {
  std::u16string out;
  std::u16string err;
};

// Between these two, nothing reaches the real streams.
TORVANE_API void BeginCapture();
TORVANE_API CapturedOutput EndCapture();

template <typename Action>
CapturedOutput CaptureOutput(Action&& action) {
  BeginCapture();
  std::forward<Action>(action)();
  return EndCapture();
}

// _batch reports depth, _batchname name and _batchline line; depth 0 leaves
// every batch file.
TORVANE_API void SetBatchContext(int depth, std::u16string_view name, int line);
// _transient and _pipe.
TORVANE_API void SetSessionFlags(bool transient, bool pipe);
// QueryIsConsole and GetScrRows answer as given.
TORVANE_API void SetConsole(bool isConsole, int rows);
// Back to a shell outside any batch file, not transient, with _pipe and the
// console asked of the system again; in-process plug-ins stay.
TORVANE_API void ResetSession();

// Registers a plug-in linked into the test: getInfo gives its record and
// lookup its exports by name ("f_date", "_isoweek", "qcal"), null for a
// missing one. No InitializePlugin is called. False (with the shell's
// message) when the record is null or the name is taken.
using ExportLookup = FeatureEntry (*)(std::u16string_view exportName);
TORVANE_API bool RegisterPlugin(GetPluginInfoEntry getInfo, ExportLookup lookup);
// Forgets a plug-in by name, as UnloadOnePlugin does; false when none.
TORVANE_API bool RemovePlugin(std::u16string_view name);

// Sets an environment variable of the process, or removes it when value is
// empty, as "set NAME=VALUE" does.
TORVANE_API void SetEnvironment(std::u16string_view name, std::u16string_view value);

// Opens a file as the system knows it, for GetLine and QueryIsFileUnicode;
// a negative value when it cannot be opened.
TORVANE_API HostFile OpenFile(std::u16string_view path);
TORVANE_API void CloseFile(HostFile file);

}  // namespace torvane::testing
