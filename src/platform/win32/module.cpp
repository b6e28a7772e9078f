// Windows back-end: the module handle the DLL's entry point records, and the
// path of the file it was loaded from.
#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/module_handle.h"
#include "contract/win32/wide.h"

namespace kalendra::platform {

using contract::AsWide;

namespace {

// Null until the entry point runs: then GetModuleFileNameW names the program,
// which is where this code lives when it is linked into a test program.
HMODULE recordedModule = nullptr;

// Longest path Windows hands out, in characters.
constexpr DWORD kMaxPathLength = 32768;

}  // namespace

void RecordModuleHandle(void* module) { recordedModule = static_cast<HMODULE>(module); }

HMODULE PluginModule() { return recordedModule; }

std::u16string ModulePath() {
  std::u16string path(MAX_PATH, u'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(recordedModule, AsWide(path.data()), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    // The path was cut to fit: try again with room for a longer one.
    if (path.size() >= kMaxPathLength) return {};
    path.resize(path.size() * 2);
  }
}

}  // namespace kalendra::platform
