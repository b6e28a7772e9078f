// What the POSIX back-end's files share about the process environment.
#pragma once

#include <cstdint>

namespace kalendra::platform {

// True when an environment variable may have changed since the fingerprint
// in seen (0 at first) was taken; seen then holds the new one. setenv and
// unsetenv replace, add or remove whole entries (a new value is a new
// "NAME=VALUE" entry), so the addresses of the entries, their count and the
// array's own address tell a change without reading a single text: one pass
// over the pointers, cheap enough for every call.
bool EnvironmentChangedSince(std::uint64_t& seen);

}  // namespace kalendra::platform
