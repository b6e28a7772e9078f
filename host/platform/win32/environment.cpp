// Windows back-end of the environment (UTF-16 variables of the process) and
// of the user's locale's thousands separator.
#include <windows.h>

#include <array>
#include <cwchar>

#include "platform/host_platform.h"
#include "contract/win32/wide.h"

namespace torvane::platform {
namespace {

using contract::AsUtf16;
using contract::AsWide;

}  // namespace

std::optional<std::u16string> EnvironmentValue(std::u16string_view name) {
  const std::u16string terminated(name);
  std::u16string value;
  SetLastError(ERROR_SUCCESS);
  DWORD needed = GetEnvironmentVariableW(AsWide(terminated.c_str()), nullptr, 0);  // terminator included
  if (needed == 0 && GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
  // The value may grow between two calls: ask again until it fits.
  while (needed > value.size()) {
    value.resize(needed);
    needed = GetEnvironmentVariableW(AsWide(terminated.c_str()), AsWide(value.data()), static_cast<DWORD>(value.size()));
  }
  value.resize(needed);
  return value;
}

std::vector<std::pair<std::u16string, std::u16string>> EnvironmentEntries() {
  std::vector<std::pair<std::u16string, std::u16string>> entries;
  wchar_t* block = GetEnvironmentStringsW();
  if (block == nullptr) return entries;
  for (const wchar_t* entry = block; *entry != L'\0'; entry += std::wcslen(entry) + 1) {
    const std::u16string_view text(AsUtf16(entry));
    // Names such as "=C:" (each drive's current directory) begin with "=".
    const std::size_t equals = text.find(u'=', 1);
    if (equals == std::u16string_view::npos) continue;
    if (text.front() == u'=') continue;
    entries.emplace_back(text.substr(0, equals), text.substr(equals + 1));
  }
  FreeEnvironmentStringsW(block);
  return entries;
}

bool SetEnvironmentValue(std::u16string_view name, std::u16string_view value) {
  return SetEnvironmentVariableW(AsWide(std::u16string(name).c_str()), AsWide(std::u16string(value).c_str())) != 0;
}

bool RemoveEnvironmentValue(std::u16string_view name) {
  return SetEnvironmentVariableW(AsWide(std::u16string(name).c_str()), nullptr) != 0;
}

std::u16string ThousandsSeparator() {
  std::array<wchar_t, 8> separator{};  // at most four characters and a terminator
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STHOUSAND, separator.data(),
                                     static_cast<int>(separator.size()));
  if (length <= 1) return u",";
  return std::u16string(AsUtf16(separator.data()));
}

}  // namespace torvane::platform
