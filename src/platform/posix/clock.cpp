// POSIX back-end: the local clock.
#include <sys/time.h>

#include <ctime>

#include "platform/platform.h"

namespace kalendra::platform {

LocalDateTime LocalNow() {
  timeval now{};
  gettimeofday(&now, nullptr);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                       local.tm_min,         local.tm_sec,     static_cast<int>(now.tv_usec / 1000)};
}

}  // namespace kalendra::platform
