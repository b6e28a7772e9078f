// Ages: the shell's 64-bit file-time scale, counts of 100-nanosecond
// intervals since 1601-01-01 00:00:00, converted exactly to and from day
// numbers and times of day; and the bridge between moments and the
// platform's date-time fields.
#pragma once

#include <cstdint>
#include <optional>

#include "calendar/day_number.h"
#include "platform/platform.h"
#include "times/time_arithmetic.h"

namespace kalendra {

using AgeValue = std::uint64_t;

inline constexpr AgeValue kAgeTicksPerMillisecond = civil::kTicksPerSecond / 1000;
inline constexpr AgeValue kAgeTicksPerDay = civil::kTicksPerSecond * civil::kSecondsPerDay;
// The first age past 9999-12-31 23:59:59.9999999.
inline constexpr AgeValue kAgeLimit = AgeValue{kLastDay} * kAgeTicksPerDay;

// The moment of an age below kAgeLimit, truncated to the millisecond.
Moment MomentOfAge(AgeValue age);

// The year that any age falls in, those beyond 9999 included.
std::uint32_t YearOfAge(AgeValue age);

// The age of a moment with a valid day number, in whole milliseconds.
AgeValue AgeOfMoment(const Moment& moment);

// A moment as the platform's date-time fields, and back: std::nullopt when
// the fields lie outside 1601-01-01..9999-12-31 or are no valid time.
platform::SystemDateTime FieldsOfMoment(const Moment& moment);
std::optional<Moment> MomentOfFields(const platform::SystemDateTime& fields);

}  // namespace kalendra
