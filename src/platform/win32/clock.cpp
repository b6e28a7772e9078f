// Windows back-end: the clocks, the user's time zone and the current bias.
#include <windows.h>

#include <cstdint>

#include "platform/civil_time.h"
#include "platform/platform.h"

namespace kalendra::platform {
namespace {

SystemDateTime FieldsOf(const SYSTEMTIME& t) {
  return SystemDateTime{t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

// The fields as SYSTEMTIME, or false when one does not fit its 16 bits; the
// weekday is not set and plays no part in a conversion.
bool AsSystemTime(const SystemDateTime& t, SYSTEMTIME& out) {
  const int fields[] = {t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond};
  for (int field : fields) {
    if (field < 0 || field > 0xFFFF) return false;
  }
  out = SYSTEMTIME{static_cast<WORD>(t.year),   static_cast<WORD>(t.month),  0,
                   static_cast<WORD>(t.day),    static_cast<WORD>(t.hour),   static_cast<WORD>(t.minute),
                   static_cast<WORD>(t.second), static_cast<WORD>(t.millisecond)};
  return true;
}

}  // namespace

SystemDateTime LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return FieldsOf(now);
}

std::int64_t UtcSecondsNow() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const auto ticks = static_cast<std::int64_t>((std::uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime);
  return ticks / civil::kTicksPerSecond - civil::kSecondsFrom1601To1970;
}

// The zone may change under the system's settings at any moment, and
// nothing here can tell cheaply: every call is a new generation.
std::uint64_t ZoneGeneration() {
  static std::uint64_t generation = 0;
  return ++generation;
}

SystemDateTime UtcNow() {
  SYSTEMTIME now{};
  GetSystemTime(&now);
  return FieldsOf(now);
}

std::optional<SystemDateTime> UtcToLocal(const SystemDateTime& utc) {
  SYSTEMTIME in{};
  SYSTEMTIME out{};
  if (!AsSystemTime(utc, in) || !SystemTimeToTzSpecificLocalTime(nullptr, &in, &out)) return std::nullopt;
  return FieldsOf(out);
}

std::optional<SystemDateTime> LocalToUtc(const SystemDateTime& local) {
  SYSTEMTIME in{};
  SYSTEMTIME out{};
  if (!AsSystemTime(local, in) || !TzSpecificLocalTimeToSystemTime(nullptr, &in, &out)) return std::nullopt;
  return FieldsOf(out);
}

std::optional<FileTime> ToLocalFileTimeByCurrentBias(FileTime utc) {
  const FILETIME in{static_cast<DWORD>(utc), static_cast<DWORD>(utc >> 32)};
  FILETIME out{};
  if (!FileTimeToLocalFileTime(&in, &out)) return std::nullopt;
  return (FileTime{out.dwHighDateTime} << 32) | out.dwLowDateTime;
}

}  // namespace kalendra::platform
