// POSIX back-end of loadable modules (shared objects) and of what the
// process knows of itself: its executable and its arguments.
#include <dlfcn.h>
#include <unistd.h>

#include <vector>

#include "contract/text.h"
#include "platform/host_platform.h"

namespace torvane::platform {

Module OpenModule(std::u16string_view path, std::u16string& error) {
  // RTLD_LOCAL keeps one plug-in's symbols from resolving another's.
  Module module = ::dlopen(contract::ToUtf8(path).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr) {
    const char* reason = ::dlerror();
    error = contract::FromUtf8(reason != nullptr ? reason : "unknown error");
  }
  return module;
}

void* FindSymbol(Module module, const char* name) { return ::dlsym(module, name); }

void CloseModule(Module module) { ::dlclose(module); }

std::u16string_view DefaultPluginFileName() { return u"libkalendra.so"; }

std::u16string ExecutablePath() {
  std::vector<char> buffer(4096);
  const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) return {};
  return contract::FromUtf8(std::string_view(buffer.data(), static_cast<std::size_t>(n)));
}

std::vector<std::u16string> ProgramArguments(int argc, char** argv) {
  std::vector<std::u16string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(contract::FromUtf8(argv[i]));
  return arguments;
}

}  // namespace torvane::platform
