// The fake back-end for unit tests: a clock, a module path, an environment
// and a user locale that a test sets. Reset() restores the defaults below.
// Files are opened for real, in the folder of the module path a test sets.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace kalendra::fake {

// Default clock: 2015-03-07 13:45:30.250, a Saturday.
inline constexpr platform::LocalDateTime kDefaultNow{2015, 3, 7, 13, 45, 30, 250};

void Reset();
void SetNow(const platform::LocalDateTime& now);
void SetModulePath(const std::u16string& path);
void SetEnvironmentValue(const std::u16string& name, const std::u16string& value);
void UnsetEnvironmentValue(const std::u16string& name);

// The default locale answers as US English: short and long order "0",
// separators "/", ":", ".", ",", first day "6" (Sunday), "United States",
// "AM", "PM" and the English names. A value of std::nullopt makes that query
// fail.
void SetLocaleInfo(platform::LocaleItem item, std::optional<std::u16string> value);
void SetLocaleName(platform::LocaleNameSet set, int index, std::optional<std::u16string> value);

// What FormatLocaleDate answers. The default describes its call, so that a
// test sees what it was asked: "style:yyyy-mm-dd:weekday:picture", the style
// as its flag value (2 for the long date).
using LocaleDateFormatter = std::function<std::optional<std::u16string>(
    platform::LocaleDateStyle, const platform::LocaleDate&, std::u16string_view)>;
void SetLocaleDateFormatter(LocaleDateFormatter formatter);
std::optional<std::u16string> DescribeLocaleDateCall(platform::LocaleDateStyle style, const platform::LocaleDate& date,
                                                     std::u16string_view picture);

}  // namespace kalendra::fake
