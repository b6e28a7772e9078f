// What only the Windows back-end decides: the locale's generation moves when
// the user's locale settings change while the program runs.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>

#include "platform/platform.h"

namespace kalendra {
namespace {

TEST(LocaleGeneration, MovesWhenTheUsersSettingsChange) {
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\International", 0, KEY_READ | KEY_WRITE, &key),
            ERROR_SUCCESS);
  std::array<wchar_t, 16> separator{};
  DWORD size = sizeof separator;
  const bool had = RegQueryValueExW(key, L"sDate", nullptr, nullptr, reinterpret_cast<BYTE*>(separator.data()),
                                    &size) == ERROR_SUCCESS;
  const std::uint64_t before = platform::ReloadLocaleIfChanged();
  EXPECT_EQ(platform::ReloadLocaleIfChanged(), before);
  const wchar_t dash[] = L"-";
  ASSERT_EQ(RegSetValueExW(key, L"sDate", 0, REG_SZ, reinterpret_cast<const BYTE*>(dash), sizeof dash), ERROR_SUCCESS);
  std::uint64_t after = before;
  for (int i = 0; i < 100 && after == before; ++i) {  // the notice may take a moment
    Sleep(10);
    after = platform::ReloadLocaleIfChanged();
  }
  EXPECT_NE(after, before);
  if (had) {
    RegSetValueExW(key, L"sDate", 0, REG_SZ, reinterpret_cast<const BYTE*>(separator.data()), size);
  } else {
    RegDeleteValueW(key, L"sDate");
  }
  RegCloseKey(key);
}

}  // namespace
}  // namespace kalendra
