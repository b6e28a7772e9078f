// POSIX back-end: the clocks and the zone that the process's TZ selects
// (the system's zone when TZ is unset), through the C library.
#include <sys/time.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "platform/civil_time.h"
#include "platform/platform.h"
#include "platform/posix/environment.h"

namespace kalendra::platform {
namespace {

SystemDateTime FieldsOf(const tm& fields, int millisecond) {
  return SystemDateTime{fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour,
                        fields.tm_min,         fields.tm_sec,     millisecond};
}

// The date and time read as UTC, in seconds since 1970; a field out of its
// range (a day past the month's end, say) carries over as timegm's would.
std::int64_t SecondsAsUtc(const SystemDateTime& t) {
  return civil::SecondsFromCivil(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

// The UTC fields of an instant.
SystemDateTime UtcFields(std::int64_t seconds, int millisecond) {
  const civil::CivilSeconds civil = civil::CivilFromSeconds(seconds);
  return SystemDateTime{static_cast<int>(civil.date.year), civil.date.month, civil.date.day, civil.hour,
                        civil.minute, civil.second, millisecond};
}

// The local fields of an instant, or false when the C library cannot give
// them. Each conversion passes TZ on once first (ZoneGeneration), not every
// field lookup: LocalToUtc makes three.
bool LocalFields(std::int64_t seconds, tm& fields) {
  const auto instant = static_cast<time_t>(seconds);
  return localtime_r(&instant, &fields) != nullptr;
}

// The zone's offset from UTC at an instant, in seconds east.
std::int64_t OffsetAt(std::int64_t seconds) {
  tm fields{};
  return LocalFields(seconds, fields) ? fields.tm_gmtoff : 0;
}

}  // namespace

std::uint64_t ZoneGeneration() {
  // The C library reads TZ once; a change of it (the shell's "set TZ=...")
  // is passed on here, and starts a new generation.
  static std::uint64_t generation = 0;
  static std::optional<std::string> zone;  // TZ as last seen; std::nullopt while unset
  static EnvironmentWatch tz{"TZ"};
  if (!tz.Changed() && generation != 0) return generation;
  const char* value = std::getenv("TZ");
  const bool same = generation != 0 && (value == nullptr ? !zone.has_value() : zone.has_value() && *zone == value);
  if (!same) {
    zone = value == nullptr ? std::nullopt : std::optional<std::string>(value);
    ::tzset();
    ++generation;
  }
  return generation;
}

std::int64_t UtcSecondsNow() { return static_cast<std::int64_t>(std::time(nullptr)); }

SystemDateTime LocalNow() {
  ZoneGeneration();
  timeval now{};
  gettimeofday(&now, nullptr);
  tm local{};
  LocalFields(now.tv_sec, local);
  return FieldsOf(local, static_cast<int>(now.tv_usec / 1000));
}

SystemDateTime UtcNow() {
  timeval now{};
  gettimeofday(&now, nullptr);
  return UtcFields(now.tv_sec, static_cast<int>(now.tv_usec / 1000));
}

std::optional<SystemDateTime> UtcToLocal(const SystemDateTime& utc) {
  ZoneGeneration();
  tm local{};
  if (!LocalFields(SecondsAsUtc(utc), local)) return std::nullopt;
  return FieldsOf(local, utc.millisecond);
}

std::optional<SystemDateTime> LocalToUtc(const SystemDateTime& local) {
  // The wall time read as UTC, less an offset of the zone, is the instant.
  // The offsets in force a day before and a day after are the candidates:
  // one fits unless the wall time repeats (both fit) or is skipped (none
  // fits); then the larger offset, the daylight-saving one, applies.
  ZoneGeneration();
  const std::int64_t wall = SecondsAsUtc(local);
  const std::int64_t before = OffsetAt(wall - civil::kSecondsPerDay);
  const std::int64_t after = OffsetAt(wall + civil::kSecondsPerDay);
  if (before == after) return UtcFields(wall - before, local.millisecond);  // whichever fits, it is this one
  const bool beforeFits = OffsetAt(wall - before) == before;
  const bool afterFits = OffsetAt(wall - after) == after;
  std::int64_t offset = std::max(before, after);
  if (beforeFits != afterFits) offset = beforeFits ? before : after;
  return UtcFields(wall - offset, local.millisecond);
}

std::optional<FileTime> ToLocalFileTimeByCurrentBias(FileTime utc) {
  ZoneGeneration();
  const std::int64_t shift = OffsetAt(static_cast<std::int64_t>(std::time(nullptr))) * civil::kTicksPerSecond;
  if (shift < 0 && utc < static_cast<FileTime>(-shift)) return std::nullopt;
  if (shift > 0 && utc > UINT64_MAX - static_cast<FileTime>(shift)) return std::nullopt;
  return utc + static_cast<FileTime>(shift);
}

}  // namespace kalendra::platform
