// POSIX back-end: where the plug-in's own shared object lives.
#include <dlfcn.h>

#include "contract/text.h"
#include "platform/platform.h"

namespace kalendra::platform {

using contract::FromUtf8;

void RecordModuleHandle(void* /*module*/) {}

std::u16string ModulePath() {
  Dl_info info{};
  // Any address inside this shared object finds it.
  if (dladdr(reinterpret_cast<void*>(&ModulePath), &info) == 0 || info.dli_fname == nullptr) return {};
  return FromUtf8(info.dli_fname);
}

}  // namespace kalendra::platform
