// The fake back-end for unit tests: a clock, a module path and an
// environment that a test sets. Reset() restores the defaults below. Files
// are opened for real, in the folder of the module path a test sets.
#pragma once

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

}  // namespace kalendra::fake
