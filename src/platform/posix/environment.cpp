// POSIX back-end: environment variables, read as UTF-8.
#include <cstdlib>

#include "frame/text.h"
#include "platform/platform.h"

namespace kalendra::platform {

std::u16string EnvironmentValue(const std::u16string& name) {
  const char* value = std::getenv(ToUtf8(name).c_str());
  return value == nullptr ? std::u16string() : FromUtf8(value);
}

}  // namespace kalendra::platform
