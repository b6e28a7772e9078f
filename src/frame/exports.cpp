// The plug-in's exports, one thin wrapper each: the shell's own calls, then
// one per row of the feature table. The Windows build makes the DLL's .def
// file from the lines here that begin with PLUGIN_EXPORT and from the rows
// (cmake/PluginExports.cmake).
#include "frame/errors.h"
#include "frame/feature_entries.h"
#include "frame/plugin.h"
#include "help/help.h"

namespace {

// Variable functions, internal variables and commands do nothing without a
// buffer.
int WithBuffer(KChar* buffer, int (*body)(KChar*)) {
  return buffer == nullptr ? kalendra::kNoBufferResult : body(buffer);
}

// Most time functions answer a call without a buffer with -1 instead.
int WithTimeBuffer(KChar* buffer, int (*body)(KChar*)) {
  return buffer == nullptr ? kalendra::kNoBufferTimeResult : body(buffer);
}

}  // namespace

// ---- The shell's own calls --------------------------------------------------
PLUGIN_EXPORT PluginInfo* GetPluginInfo() { return kalendra::GetPluginInfoRecord(); }
PLUGIN_EXPORT int InitializePlugin() { return kalendra::InitializePluginNow(); }
PLUGIN_EXPORT int ShutdownPlugin() { return kalendra::ShutdownPluginNow(); }
PLUGIN_EXPORT int Help(KChar* name) { return kalendra::HelpForName(name); }
PLUGIN_EXPORT int Usage(KChar* name, KChar* buffer) { return kalendra::UsageForName(name, buffer); }

// ---- Every row of the feature table ----------------------------------------
#define FEATURE_FUNCTION(name, Entry) \
  PLUGIN_EXPORT int f_##name(KChar* buffer) { return WithBuffer(buffer, kalendra::Entry); }
#define FEATURE_TIME_FUNCTION(name, Entry) \
  PLUGIN_EXPORT int f_##name(KChar* buffer) { return WithTimeBuffer(buffer, kalendra::Entry); }
#define FEATURE_VARIABLE(name, Entry) \
  PLUGIN_EXPORT int name(KChar* buffer) { return WithBuffer(buffer, kalendra::Entry); }
#define FEATURE_COMMAND(name, Entry, Usage) FEATURE_VARIABLE(name, Entry)
#include "frame/feature_table.inc"
