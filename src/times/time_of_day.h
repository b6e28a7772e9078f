// The shared time types: a time of day, the parts a written time had, and
// the TimeFormat word that selects how a time is written. No parsing or
// writing here; see time_grammar.h and time_format.h.
#pragma once

#include <cstdint>

namespace kalendra {

inline constexpr std::uint32_t kHoursPerDay = 24;
inline constexpr std::uint32_t kMinutesPerHour = 60;
inline constexpr std::uint32_t kSecondsPerMinute = 60;
inline constexpr std::uint32_t kMillisecondsPerSecond = 1000;

// A time of day on the 24-hour clock; there is no hour 24 and no second 60.
struct TimeOfDay {
  std::uint32_t hour = 0;         // 0..23
  std::uint32_t minute = 0;       // 0..59
  std::uint32_t second = 0;       // 0..59
  std::uint32_t millisecond = 0;  // 0..999
  friend constexpr bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

constexpr bool IsValidTime(const TimeOfDay& time) {
  return time.hour < kHoursPerDay && time.minute < kMinutesPerHour && time.second < kSecondsPerMinute &&
         time.millisecond < kMillisecondsPerSecond;
}

// Which parts a parsed time was written with.
using TimeParts = std::uint32_t;
inline constexpr TimeParts kFractionPart = 1;  // a digit followed the seconds' decimal separator
inline constexpr TimeParts kSecondsPart = 2;
inline constexpr TimeParts kMinutesPart = 4;
inline constexpr TimeParts kHourPart = 8;      // set on every success
inline constexpr TimeParts kMarkerPart = 16;   // AM or PM, before or after the time

// How a time is written: bits 0-3 the style, the bits below options; bits
// 4-6 and all bits above 12 are ignored.
using TimeFormat = std::uint32_t;
inline constexpr TimeFormat kStyleMask = 15;
inline constexpr TimeFormat kWithSeconds = 128;
inline constexpr TimeFormat kWithMilliseconds = 256;     // implies seconds
inline constexpr TimeFormat kLocaleSeparators = 512;     // the locale's time and decimal separators
inline constexpr TimeFormat kZeroPaddedHour = 1024;      // style 15: keep "0." ; with 4096: keep the decimal separator
inline constexpr TimeFormat kSpacePaddedHour = 2048;     // unless 1024 or 4096
inline constexpr TimeFormat kNoSeparators = 4096;        // hour padded with zero

// The styles with a meaning beyond "12-hour clock with a marker".
inline constexpr TimeFormat k24HourStyle = 0;
inline constexpr TimeFormat kLocaleMarkerStyle = 13;
inline constexpr TimeFormat kLowerLocaleMarkerStyle = 14;
inline constexpr TimeFormat kDecimalDayStyle = 15;

constexpr TimeFormat TimeStyle(TimeFormat format) { return format & kStyleMask; }

}  // namespace kalendra
