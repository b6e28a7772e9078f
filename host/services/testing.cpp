// The test hooks, each a thin front to the subsystem that holds the state.
#include "services/testing.h"

#include "platform/host_platform.h"
#include "services/output.h"
#include "services/plugins.h"
#include "services/session.h"

namespace torvane::testing {

void BeginCapture() { output::BeginCapture(); }

CapturedOutput EndCapture() {
  output::Captured captured = output::EndCapture();
  return CapturedOutput{std::move(captured.out), std::move(captured.err)};
}

void SetBatchContext(int depth, std::u16string_view name, int line) {
  Session& session = CurrentSession();
  session.batches.clear();
  for (int i = 0; i < depth; ++i) session.batches.push_back(BatchFrame{std::u16string(name), line, {std::u16string(name)}});
}

void SetSessionFlags(bool transient, bool pipe) {
  CurrentSession().transient = transient;
  CurrentSession().pipeOverride = pipe;
}

void SetConsole(bool isConsole, int rows) { output::OverrideConsole(output::ConsoleState{isConsole, rows}); }

void ResetSession() {
  CurrentSession() = Session{};
  output::OverrideConsole(std::nullopt);
}

bool RegisterPlugin(GetPluginInfoEntry getInfo, ExportLookup lookup) { return plugins::Register(getInfo, lookup); }

bool RemovePlugin(std::u16string_view name) { return plugins::Unload(name); }

void SetEnvironment(std::u16string_view name, std::u16string_view value) {
  if (value.empty()) {
    platform::RemoveEnvironmentValue(name);
  } else {
    platform::SetEnvironmentValue(name, value);
  }
}

HostFile OpenFile(std::u16string_view path) { return platform::OpenForReading(path); }

void CloseFile(HostFile file) { platform::CloseFile(file); }

}  // namespace torvane::testing
