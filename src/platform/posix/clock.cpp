// POSIX back-end: the clocks and the zone that the process's TZ selects
// (the system's zone when TZ is unset), through the C library.
#include <sys/time.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "calendar/day_number.h"
#include "platform/platform.h"
#include "platform/posix/environment.h"

namespace kalendra::platform {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kSecondsPerHour = 3600;
constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kTicksPerSecond = 10'000'000;

SystemDateTime FieldsOf(const tm& fields, int millisecond) {
  return SystemDateTime{fields.tm_year + 1900, fields.tm_mon + 1, fields.tm_mday, fields.tm_hour,
                        fields.tm_min,         fields.tm_sec,     millisecond};
}

// The date and time read as UTC, in seconds since 1970. A date of the
// calendar is counted directly, timegm normalising every field costs many
// times more; timegm takes any other (a day past the month's end, say).
std::int64_t SecondsAsUtc(const SystemDateTime& t) {
  const DayNumber day = ToDayNumber(t.year, t.month, t.day);
  if (day != kInvalidDay) {
    return (std::int64_t{day} - kDay19700101) * kSecondsPerDay + t.hour * kSecondsPerHour +
           t.minute * kSecondsPerMinute + t.second;
  }
  tm fields{};
  fields.tm_year = t.year - 1900;
  fields.tm_mon = t.month - 1;
  fields.tm_mday = t.day;
  fields.tm_hour = t.hour;
  fields.tm_min = t.minute;
  fields.tm_sec = t.second;
  return static_cast<std::int64_t>(timegm(&fields));
}

// The UTC fields of an instant, counted directly when its day lies in the
// calendar, else by gmtime_r; std::nullopt when the C library cannot give them.
std::optional<SystemDateTime> UtcFields(std::int64_t seconds, int millisecond) {
  const std::int64_t days = seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds - 1) / kSecondsPerDay) - 1;
  const std::int64_t day = days + kDay19700101;
  if (day >= kFirstDay && day <= kLastDay) {
    const CalendarDate date = FromDayNumber(static_cast<DayNumber>(day));
    const auto second = static_cast<int>(seconds - days * kSecondsPerDay);
    return SystemDateTime{date.year,
                          date.month,
                          date.day,
                          second / static_cast<int>(kSecondsPerHour),
                          second % static_cast<int>(kSecondsPerHour) / static_cast<int>(kSecondsPerMinute),
                          second % static_cast<int>(kSecondsPerMinute),
                          millisecond};
  }
  const auto instant = static_cast<time_t>(seconds);
  tm utc{};
  if (gmtime_r(&instant, &utc) == nullptr) return std::nullopt;
  return FieldsOf(utc, millisecond);
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
  return UtcFields(now.tv_sec, static_cast<int>(now.tv_usec / 1000)).value_or(SystemDateTime{});
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
  const std::int64_t before = OffsetAt(wall - kSecondsPerDay);
  const std::int64_t after = OffsetAt(wall + kSecondsPerDay);
  if (before == after) return UtcFields(wall - before, local.millisecond);  // whichever fits, it is this one
  const bool beforeFits = OffsetAt(wall - before) == before;
  const bool afterFits = OffsetAt(wall - after) == after;
  std::int64_t offset = std::max(before, after);
  if (beforeFits != afterFits) offset = beforeFits ? before : after;
  return UtcFields(wall - offset, local.millisecond);
}

std::optional<FileTime> ToLocalFileTimeByCurrentBias(FileTime utc) {
  ZoneGeneration();
  const std::int64_t shift = OffsetAt(static_cast<std::int64_t>(std::time(nullptr))) * kTicksPerSecond;
  if (shift < 0 && utc < static_cast<FileTime>(-shift)) return std::nullopt;
  if (shift > 0 && utc > UINT64_MAX - static_cast<FileTime>(shift)) return std::nullopt;
  return utc + static_cast<FileTime>(shift);
}

}  // namespace kalendra::platform
