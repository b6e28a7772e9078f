// Windows back-end: the local clock.
#include <windows.h>

#include "platform/platform.h"

namespace kalendra::platform {

LocalDateTime LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return LocalDateTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace kalendra::platform
