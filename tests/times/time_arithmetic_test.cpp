// AddTime and TimeDifference against plain millisecond counts, and decimal
// days in both directions.
#include "support/kit.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

#include "times/time_arithmetic.h"
#include "times/time_format.h"

namespace {

constexpr std::int64_t kMsPerDay = 86400000;

std::int64_t MillisecondsOf(const TimeOfDay& t) {
  return ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

TimeOfDay TimeAt(std::int64_t ms) {
  return {static_cast<std::uint32_t>(ms / 3600000), static_cast<std::uint32_t>(ms / 60000 % 60),
          static_cast<std::uint32_t>(ms / 1000 % 60), static_cast<std::uint32_t>(ms % 1000)};
}

std::string Describe(const TimeOfDay& t, const TimeOffset& o) {
  return std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" + std::to_string(t.second) + "." +
         std::to_string(t.millisecond) + " + {" + std::to_string(o.days) + "d " + std::to_string(o.hours) + "h " +
         std::to_string(o.minutes) + "m " + std::to_string(o.seconds) + "s " + std::to_string(o.milliseconds) +
         "ms}";
}

// The oracle: everything as one count of milliseconds, split by floor
// division at the end. Returns false when the day count leaves 32 bits.
bool AddByMilliseconds(const TimeOfDay& time, const TimeOffset& o, std::int64_t& days, TimeOfDay& result) {
  const std::int64_t total = MillisecondsOf(time) + o.milliseconds + o.seconds * 1000LL + o.minutes * 60000LL +
                             o.hours * 3600000LL + o.days * kMsPerDay;
  std::int64_t rest = total % kMsPerDay;
  days = total / kMsPerDay;
  if (rest < 0) {
    rest += kMsPerDay;
    --days;
  }
  result = TimeAt(rest);
  return days >= std::numeric_limits<std::int32_t>::min() && days <= std::numeric_limits<std::int32_t>::max();
}

void ExpectAddTimeAgrees(const TimeOfDay& time, const TimeOffset& offset) {
  std::int64_t expectedDays = 0;
  TimeOfDay expected;
  const bool fits = AddByMilliseconds(time, offset, expectedDays, expected);
  std::int32_t carry = 12345;
  TimeOfDay result{1, 2, 3, 4};
  ASSERT_EQ(AddTime(time, offset, carry, result), fits ? 0 : -1) << Describe(time, offset);
  if (fits) {
    EXPECT_EQ(carry, expectedDays) << Describe(time, offset);
    EXPECT_EQ(result, expected) << Describe(time, offset);
  } else {
    EXPECT_EQ(carry, 12345) << Describe(time, offset) << ": a refusal leaves the carry";
  }
}

// The day carry must fit 32 bits; offsets at the edges of the count range
// either fit exactly or are refused, never wrapped.
TEST(AddTime, ExtremeCountsFitOrAreRefused) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const TimeOffset offsets[] = {
      {kMax, 0, 0, 0, 0},    {kMax, 23, 0, 0, 0},   {kMax, 24, 0, 0, 0},   {kMin, 0, 0, 0, 0},
      {kMin, 0, 0, 0, -1},   {kMin + 1, -24, 0, 0, 0}, {0, kMax, kMax, kMax, kMax}, {kMax, kMax, kMax, kMax, kMax},
      {kMin, kMin, kMin, kMin, kMin}, {-kMax, -kMax, -kMax, -kMax, -kMax}, {0, kMin, 0, 0, 0}};
  for (const TimeOffset& offset : offsets) {
    for (const TimeOfDay& time : {TimeOfDay{0, 0, 0, 0}, TimeOfDay{23, 59, 59, 999}, TimeOfDay{12, 30, 30, 500}}) {
      ExpectAddTimeAgrees(time, offset);
    }
  }
  std::int32_t carry = 0;
  TimeOfDay result;
  EXPECT_EQ(AddTime({23, 0, 0, 0}, {kMax, 1, 0, 0, 0}, carry, result), -1);
  EXPECT_EQ(AddTime({0, 0, 0, 0}, {kMin, 0, 0, 0, -1}, carry, result), -1);
}

TEST(AddTime, AgreesWithMillisecondCountsForRandomOffsets) {
  std::mt19937_64 random(20151225);
  std::uniform_int_distribution<std::int64_t> ms(0, kMsPerDay - 1);
  // Small, medium and full-range counts, so carries of every size occur.
  const std::int32_t limits[] = {100, 100000, std::numeric_limits<std::int32_t>::max()};
  for (int i = 0; i < 200000; ++i) {
    const auto count = [&](int pick) {
      const std::int32_t limit = limits[pick];
      return static_cast<std::int32_t>(std::uniform_int_distribution<std::int64_t>(-limit, limit)(random));
    };
    const TimeOffset offset{count(i % 3), count(i / 3 % 3), count(i / 9 % 3), count(i / 27 % 3), count(i / 81 % 3)};
    ExpectAddTimeAgrees(TimeAt(ms(random)), offset);
  }
}

}  // namespace
