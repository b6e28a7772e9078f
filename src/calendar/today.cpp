// Today, read again only at the next local midnight or a change of zone.
#include "calendar/today.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <tuple>

#include "platform/platform.h"

namespace kalendra {
namespace {

// The local date stays what it is until the next local midnight, as long as
// the zone stays the same: the clock is read again only then.
struct TodayCache {
  CalendarDate date;
  std::uint64_t zone = 0;
  std::int64_t validUntil = std::numeric_limits<std::int64_t>::min();  // UTC seconds since 1970
};

TodayCache& Cache() {
  static TodayCache cache;
  return cache;
}

std::int64_t SecondsSince1970(const platform::SystemDateTime& utc) {
  return civil::SecondsFromCivil(utc.year, utc.month, utc.day, utc.hour, utc.minute, utc.second);
}

// When the local date that began before now ends: the UTC instant of the
// next local midnight. A midnight that the clocks skip is read as daylight
// saving time, which puts the instant an hour early: the date is only read
// again sooner. Without an answer, now: no caching.
std::int64_t NextMidnight(const CalendarDate& date, std::int64_t now) {
  const DayNumber tomorrow = ToDayNumber(date) + 1;
  if (!IsValidDayNumber(tomorrow)) return now;
  const CalendarDate next = FromDayNumber(tomorrow);
  const std::optional<platform::SystemDateTime> utc = platform::LocalToUtc({next.year, next.month, next.day, 0, 0, 0, 0});
  if (!utc || !IsValidDayNumber(ToDayNumber(utc->year, utc->month, utc->day))) return now;
  return SecondsSince1970(*utc);
}

}  // namespace

const CalendarDate& Today() {
  TodayCache& cache = Cache();
  const std::uint64_t zone = platform::ZoneGeneration();
  const std::int64_t now = platform::UtcSecondsNow();
  if (zone != cache.zone || now >= cache.validUntil) {
    const platform::SystemDateTime local = platform::LocalNow();
    cache.date = CalendarDate{local.year, local.month, local.day};
    cache.zone = zone;
    cache.validUntil = NextMidnight(cache.date, now);
  }
  return cache.date;
}

bool IsAfterToday(const CalendarDate& date) {
  const CalendarDate& today = Today();
  return std::tie(date.year, date.month, date.day) > std::tie(today.year, today.month, today.day);
}

}  // namespace kalendra
