// Windows back-end: the user's default locale, read from the system at each
// request (GetLocaleInfoW, GetDateFormatW), so there is nothing to reload.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/platform.h"
#include "contract/win32/wide.h"

namespace kalendra::platform {

using contract::AsWide;

namespace {

LCTYPE ItemType(LocaleItem item) {
  switch (item) {
    case LocaleItem::kShortDateOrder:
      return LOCALE_IDATE;
    case LocaleItem::kLongDateOrder:
      return LOCALE_ILDATE;
    case LocaleItem::kDateSeparator:
      return LOCALE_SDATE;
    case LocaleItem::kTimeSeparator:
      return LOCALE_STIME;
    case LocaleItem::kDecimalSeparator:
      return LOCALE_SDECIMAL;
    case LocaleItem::kThousandsSeparator:
      return LOCALE_STHOUSAND;
    case LocaleItem::kFirstDayOfWeek:
      return LOCALE_IFIRSTDAYOFWEEK;
    case LocaleItem::kEnglishCountryName:
      return LOCALE_SENGCOUNTRY;
    case LocaleItem::kAmDesignator:
      return LOCALE_S1159;
    case LocaleItem::kPmDesignator:
      break;
  }
  return LOCALE_S2359;
}

// The first item of a name set; the others follow it in order.
LCTYPE FirstNameType(LocaleNameSet set) {
  switch (set) {
    case LocaleNameSet::kMonth:
      return LOCALE_SMONTHNAME1;
    case LocaleNameSet::kAbbreviatedMonth:
      return LOCALE_SABBREVMONTHNAME1;
    case LocaleNameSet::kWeekday:
      return LOCALE_SDAYNAME1;
    case LocaleNameSet::kAbbreviatedWeekday:
      break;
  }
  return LOCALE_SABBREVDAYNAME1;
}

int NameCount(LocaleNameSet set) {
  return set == LocaleNameSet::kMonth || set == LocaleNameSet::kAbbreviatedMonth ? 12 : 7;
}

// Asks for the length first, then for the text; std::nullopt when either fails.
std::optional<std::u16string> QueryLocale(LCTYPE type) {
  const int needed = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, nullptr, 0);  // terminator included
  if (needed <= 0) return std::nullopt;
  std::u16string text(static_cast<std::size_t>(needed), u'\0');
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, AsWide(text.data()), needed);
  if (length <= 0) return std::nullopt;
  text.resize(static_cast<std::size_t>(length - 1));
  return text;
}

// SYSTEMTIME holds 16-bit fields; a date outside them is no date at all.
std::optional<SYSTEMTIME> AsSystemTime(const LocaleDate& date) {
  const auto fits = [](int value) { return value >= 0 && value <= 0xFFFF; };
  if (!fits(date.year) || !fits(date.month) || !fits(date.day) || !fits(date.weekday)) return std::nullopt;
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(date.year);
  time.wMonth = static_cast<WORD>(date.month);
  time.wDayOfWeek = static_cast<WORD>(date.weekday);
  time.wDay = static_cast<WORD>(date.day);
  return time;
}

}  // namespace

std::optional<std::u16string> LocaleInfo(LocaleItem item) { return QueryLocale(ItemType(item)); }

// The user's locale settings live under one registry key; the system
// signals an event when anything below it changes, and only then does the
// generation move. Where the key cannot be watched, every call is a new
// generation, so that nothing stale is ever used.
std::uint64_t ReloadLocaleIfChanged() {
  static std::uint64_t generation = 0;
  static HKEY key = nullptr;
  static HANDLE changed = nullptr;
  const auto watch = [] {
    return RegNotifyChangeKeyValue(key, TRUE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET, changed, TRUE) ==
           ERROR_SUCCESS;
  };
  if (changed == nullptr) {
    changed = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (changed == nullptr ||
        RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\International", 0, KEY_NOTIFY, &key) != ERROR_SUCCESS ||
        !watch()) {
      key = nullptr;
    }
    return ++generation;
  }
  if (key == nullptr) return ++generation;
  if (WaitForSingleObject(changed, 0) == WAIT_OBJECT_0) {
    if (!watch()) key = nullptr;
    return ++generation;
  }
  return generation;
}

std::optional<std::u16string> LocaleName(LocaleNameSet set, int index) {
  if (index < 1 || index > NameCount(set)) return std::nullopt;
  return QueryLocale(FirstNameType(set) + static_cast<LCTYPE>(index - 1));
}

std::optional<std::u16string> FormatLocaleDate(LocaleDateStyle style, const LocaleDate& date,
                                               std::u16string_view picture) {
  const std::optional<SYSTEMTIME> time = AsSystemTime(date);
  if (!time) return std::nullopt;
  // No picture means the locale's short date.
  const std::u16string pictureText(picture);
  const wchar_t* format =
      style == LocaleDateStyle::kPicture && !pictureText.empty() ? AsWide(pictureText.c_str()) : nullptr;
  const auto flags = static_cast<DWORD>(style);
  const int needed = GetDateFormatW(LOCALE_USER_DEFAULT, flags, &*time, format, nullptr, 0);
  if (needed <= 0) return std::nullopt;
  std::u16string text(static_cast<std::size_t>(needed), u'\0');
  const int length = GetDateFormatW(LOCALE_USER_DEFAULT, flags, &*time, format, AsWide(text.data()), needed);
  if (length <= 0) return std::nullopt;
  text.resize(static_cast<std::size_t>(length - 1));
  return text;
}

}  // namespace kalendra::platform
