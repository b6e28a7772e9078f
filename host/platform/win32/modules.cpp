// Windows back-end of loadable modules (DLLs) and of what the process knows
// of itself: its executable and its arguments.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <vector>

#include "contract/text.h"
#include "platform/host_platform.h"
#include "contract/win32/wide.h"

namespace torvane::platform {
namespace {

using contract::AsUtf16;
using contract::AsWide;

// The system's text for an error code, without its trailing line end.
std::u16string SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                     code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string message = length == 0 ? u"error " + contract::Widen(std::to_string(code))
                                       : std::u16string(AsUtf16(text), length);
  LocalFree(text);
  while (!message.empty() && (message.back() == u'\n' || message.back() == u'\r' || message.back() == u' ')) {
    message.pop_back();
  }
  return message;
}

}  // namespace

Module OpenModule(std::u16string_view path, std::u16string& error) {
  // No "cannot find" dialog box: the shell reports the failure itself.
  const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  const HMODULE module = LoadLibraryW(AsWide(std::u16string(path).c_str()));
  const DWORD code = GetLastError();
  SetErrorMode(previousMode);
  if (module == nullptr) error = SystemMessage(code);
  return module;
}

void* FindSymbol(Module module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void CloseModule(Module module) { FreeLibrary(static_cast<HMODULE>(module)); }

std::u16string_view DefaultPluginFileName() { return u"kalendra-x64.dll"; }

std::u16string ExecutablePath() {
  std::u16string path(MAX_PATH, u'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, AsWide(path.data()), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // the path was cut: try a larger buffer
  }
}

// The C runtime's argv is in the ANSI code page; the command line itself is
// UTF-16, so the arguments are split from it.
std::vector<std::u16string> ProgramArguments(int /*argc*/, char** /*argv*/) {
  std::vector<std::u16string> arguments;
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (words == nullptr) return arguments;
  for (int i = 1; i < count; ++i) arguments.emplace_back(AsUtf16(words[i]));
  LocalFree(words);
  return arguments;
}

}  // namespace torvane::platform
