// Windows back-end: environment variables, read as UTF-16.
#include <windows.h>

#include "platform/platform.h"
#include "contract/win32/wide.h"

namespace kalendra::platform {

using contract::AsWide;


std::u16string EnvironmentValue(const std::u16string& name) {
  std::u16string value;
  DWORD needed = GetEnvironmentVariableW(AsWide(name.c_str()), nullptr, 0);  // terminator included
  // Another thread may lengthen the value between the two calls: ask again.
  while (needed > value.size()) {
    value.resize(needed);
    needed = GetEnvironmentVariableW(AsWide(name.c_str()), AsWide(value.data()), static_cast<DWORD>(value.size()));
  }
  value.resize(needed);  // 0 when unset
  return value;
}

}  // namespace kalendra::platform
