// POSIX back-end: environment variables, read as UTF-8.
#include <cstdlib>

#include "frame/text.h"
#include "platform/platform.h"
#include "platform/posix/environment.h"

extern char** environ;

namespace kalendra::platform {
namespace {

std::uint64_t EnvironmentFingerprint() {
  // A replaced entry changes the sum of the addresses by the difference of
  // the two, never by nothing; the exclusive or and the count make a change
  // of several entries at once as plain. Independent additions, so the pass
  // is not one long chain of dependent steps.
  std::uintptr_t sum = 0;
  std::uintptr_t mixed = 0;
  std::uintptr_t count = 0;
  for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry, ++count) {
    sum += reinterpret_cast<std::uintptr_t>(*entry);
    mixed ^= reinterpret_cast<std::uintptr_t>(*entry) >> 4;
  }
  const std::uintptr_t array = reinterpret_cast<std::uintptr_t>(environ);
  return (sum * 0x9E3779B97F4A7C15u) ^ (mixed + (count << 48)) ^ (array * 0xC2B2AE3D27D4EB4Fu);
}

}  // namespace

bool EnvironmentChangedSince(std::uint64_t& seen) {
  const std::uint64_t now = EnvironmentFingerprint();
  if (now == seen) return false;
  seen = now;
  return true;
}

std::u16string EnvironmentValue(const std::u16string& name) {
  const char* value = std::getenv(ToUtf8(name).c_str());
  return value == nullptr ? std::u16string() : FromUtf8(value);
}

}  // namespace kalendra::platform
