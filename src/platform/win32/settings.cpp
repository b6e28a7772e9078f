// Windows back-end: the plug-in's settings in the registry, read under the
// current user and then the local machine, written under the current user.
#include <windows.h>

#include <array>

#include "platform/platform.h"
#include "contract/win32/wide.h"

namespace kalendra::platform {

using contract::AsWide;

namespace {

constexpr const wchar_t* kSettingsKey = L"Software\\QuorraPlugins\\KALENDRA";

// The value from one root, or std::nullopt when the key or the value is
// missing or the value is longer than maxLength.
std::optional<std::string> ReadFrom(HKEY root, const std::u16string& name, std::size_t maxLength) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, kSettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::nullopt;
  std::string bytes(maxLength, '\0');
  DWORD length = static_cast<DWORD>(maxLength);
  const LONG result = RegQueryValueExW(key, AsWide(name.c_str()), nullptr, nullptr,
                                       reinterpret_cast<BYTE*>(bytes.data()), &length);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return std::nullopt;
  bytes.resize(length);
  return bytes;
}

}  // namespace

std::optional<std::string> ReadSetting(const std::u16string& name, std::size_t maxLength) {
  if (std::optional<std::string> user = ReadFrom(HKEY_CURRENT_USER, name, maxLength)) return user;
  return ReadFrom(HKEY_LOCAL_MACHINE, name, maxLength);
}

bool WriteSetting(const std::u16string& name, std::string_view bytes) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG result = RegSetValueExW(key, AsWide(name.c_str()), 0, REG_BINARY,
                                     reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

}  // namespace kalendra::platform
