// Field-by-field time arithmetic with carries and borrows, and decimal days.
#include "times/time_arithmetic.h"

#include <array>
#include <cmath>
#include <limits>

namespace kalendra {
namespace {

// The fields of a time, smallest first, and how many of each make one of
// the next; the hours carry into days.
constexpr int kFieldCount = 4;
using Fields = std::array<std::int64_t, kFieldCount>;
constexpr Fields kFieldUnits = {kMillisecondsPerSecond, kSecondsPerMinute, kMinutesPerHour, kHoursPerDay};

constexpr double kDecimalDayNudge = 1e-8;
constexpr std::array<double, kFieldCount> kFractionScales = {24.0, 60.0, 60.0, 1000.0};  // largest field first

Fields FieldsOf(const TimeOfDay& time) { return {time.millisecond, time.second, time.minute, time.hour}; }

TimeOfDay TimeOf(const Fields& fields) {
  return {static_cast<std::uint32_t>(fields[3]), static_cast<std::uint32_t>(fields[2]),
          static_cast<std::uint32_t>(fields[1]), static_cast<std::uint32_t>(fields[0])};
}

// Brings value into 0..unit-1 and returns the whole units taken out of it:
// floor division, so a negative value borrows.
std::int64_t TakeCarry(std::int64_t& value, std::int64_t unit) {
  std::int64_t carry = value / unit;
  value %= unit;
  if (value < 0) {
    value += unit;
    --carry;
  }
  return carry;
}

bool FitsInt32(std::int64_t value) {
  return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

// True when a lies after b: the days decide, then the fields from the hour down.
bool IsLater(const Moment& a, const Moment& b) {
  if (a.day != b.day) return a.day > b.day;
  const Fields fa = FieldsOf(a.time);
  const Fields fb = FieldsOf(b.time);
  for (int i = kFieldCount - 1; i >= 0; --i) {
    if (fa[i] != fb[i]) return fa[i] > fb[i];
  }
  return false;
}

}  // namespace

int AddTime(const TimeOfDay& time, const TimeOffset& offset, std::int32_t& dayCarry, TimeOfDay& result) {
  Fields fields = FieldsOf(time);
  const Fields counts = {offset.milliseconds, offset.seconds, offset.minutes, offset.hours};
  std::int64_t carry = 0;
  for (int i = 0; i < kFieldCount; ++i) {
    fields[i] += counts[i] + carry;  // each term below 2^32: no overflow in 64 bits
    carry = TakeCarry(fields[i], kFieldUnits[i]);
  }
  const std::int64_t days = carry + offset.days;
  if (!FitsInt32(days)) return -1;
  dayCarry = static_cast<std::int32_t>(days);
  result = TimeOf(fields);
  return 0;
}

TimeDistance TimeDifference(const Moment& first, const Moment& second) {
  const bool swapped = IsLater(first, second);
  const Moment& earlier = swapped ? second : first;
  const Moment& later = swapped ? first : second;
  Fields from = FieldsOf(earlier.time);
  Fields to = FieldsOf(later.time);
  std::int64_t fromDay = earlier.day;
  Fields difference{};
  for (int i = 0; i < kFieldCount; ++i) {
    if (to[i] < from[i]) {  // borrow one of the next field from the earlier operand
      to[i] += kFieldUnits[i];
      if (i + 1 < kFieldCount) ++from[i + 1];
      else ++fromDay;
    }
    difference[i] = to[i] - from[i];
  }
  return {static_cast<std::int32_t>(later.day - fromDay), TimeOf(difference), swapped};
}

double ToDecimalDays(std::int32_t days, const TimeOfDay& time) {
  return time.hour / 24.0 + days + time.minute / 1440.0 + time.second / 86400.0 + time.millisecond / 86400000.0;
}

int FromDecimalDays(double value, std::int32_t& days, TimeOfDay& time) {
  double whole = std::floor(value);
  if (!(whole >= std::numeric_limits<std::int32_t>::min() && whole <= std::numeric_limits<std::int32_t>::max())) {
    return -1;
  }
  double fraction = value - whole;  // [0, 1]
  if (fraction >= 1.0) {  // a tiny negative value rounds up to a whole day: it is midnight of the next
    whole += 1.0;
    fraction = 0.0;
  }
  if (fraction + kDecimalDayNudge < 1.0) fraction += kDecimalDayNudge;
  Fields fields{};
  for (int i = 0; i < kFieldCount; ++i) {
    const double scaled = fraction * kFractionScales[i];
    const double field = std::trunc(scaled);
    fields[kFieldCount - 1 - i] = static_cast<std::int64_t>(field);
    fraction = scaled - field;
  }
  days = static_cast<std::int32_t>(whole);
  time = TimeOf(fields);
  return 0;
}

}  // namespace kalendra
