// What the POSIX back-end's files share about the process environment.
#pragma once

#include <cstdint>

namespace kalendra::platform {

// A number that stays the same for as long as no environment variable can
// have changed. setenv and unsetenv replace, add or remove whole entries (a
// new value is a new "NAME=VALUE" entry), so the addresses of the entries,
// their count and the array's own address tell a change without reading a
// single text. Asked on every call, it costs one pass over the pointers.
std::uint64_t EnvironmentFingerprint();

}  // namespace kalendra::platform
