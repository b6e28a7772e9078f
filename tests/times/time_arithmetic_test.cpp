// AddTime and TimeDifference against plain millisecond counts, and decimal
// days in both directions.
#include "times/time_arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "times/time_format.h"

namespace kalendra {
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

TEST(AddTime, Examples) {
  const struct {
    TimeOfDay time;
    TimeOffset offset;
    std::int32_t carry;
    TimeOfDay result;
  } rows[] = {
      {{23, 0, 0, 0}, {0, 2, 0, 0, 0}, 1, {1, 0, 0, 0}},
      {{1, 0, 0, 0}, {0, -2, 0, 0, 0}, -1, {23, 0, 0, 0}},
      {{10, 0, 0, 0}, {0, 0, 90, 0, 0}, 0, {11, 30, 0, 0}},
      {{10, 0, 0, 0}, {-1, -2, 0, 0, 0}, -1, {8, 0, 0, 0}},
      {{10, 0, 0, 0}, {2, 1, 0, 0, 0}, 2, {11, 0, 0, 0}},
      {{0, 0, 0, 0}, {0, 0, 0, 0, -1}, -1, {23, 59, 59, 999}},
      {{23, 59, 59, 999}, {0, 0, 0, 0, 1}, 1, {0, 0, 0, 0}},
      {{0, 0, 0, 0}, {0, -24, 0, 0, 0}, -1, {0, 0, 0, 0}},
      {{0, 0, 0, 0}, {0, -25, 0, 0, 0}, -2, {23, 0, 0, 0}},
  };
  for (const auto& row : rows) {
    std::int32_t carry = 0;
    TimeOfDay result;
    ASSERT_EQ(AddTime(row.time, row.offset, carry, result), 0) << Describe(row.time, row.offset);
    EXPECT_EQ(carry, row.carry) << Describe(row.time, row.offset);
    EXPECT_EQ(result, row.result) << Describe(row.time, row.offset);
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

TEST(TimeDifference, AgreesWithMillisecondCounts) {
  std::mt19937_64 random(1601);
  std::uniform_int_distribution<std::int64_t> ms(0, kMsPerDay - 1);
  std::uniform_int_distribution<DayNumber> day(kFirstDay, kLastDay);
  for (int i = 0; i < 200000; ++i) {
    // Every fourth pair without dates, every fourth on one day.
    const DayNumber firstDay = i % 4 == 0 ? 0 : day(random);
    const DayNumber secondDay = i % 4 == 0 ? 0 : i % 4 == 1 ? firstDay : day(random);
    const Moment first{firstDay, TimeAt(i % 8 == 1 ? 0 : ms(random))};
    const Moment second{secondDay, i % 16 == 1 ? first.time : TimeAt(ms(random))};
    const std::int64_t signedDistance =
        (secondDay - firstDay) * kMsPerDay + MillisecondsOf(second.time) - MillisecondsOf(first.time);
    const std::int64_t distance = std::llabs(signedDistance);
    const TimeDistance result = TimeDifference(first, second);
    ASSERT_EQ(result.swapped, signedDistance < 0) << i;
    ASSERT_EQ(result.days, distance / kMsPerDay) << i;
    ASSERT_EQ(result.time, TimeAt(distance % kMsPerDay)) << i;
  }
}

TEST(TimeDifference, EqualMomentsAreNotSwapped) {
  const TimeDistance result = TimeDifference({5, {1, 2, 3, 4}}, {5, {1, 2, 3, 4}});
  EXPECT_FALSE(result.swapped);
  EXPECT_EQ(result.days, 0);
  EXPECT_EQ(result.time, (TimeOfDay{}));
}

TEST(DecimalDays, Examples) {
  const struct {
    std::int32_t days;
    TimeOfDay time;
    double value;
  } rows[] = {{0, {12, 0, 0, 0}, 0.5}, {2, {18, 0, 0, 0}, 2.75}, {-1, {12, 0, 0, 0}, -0.5}, {-3, {0, 0, 0, 0}, -3.0}};
  for (const auto& row : rows) {
    EXPECT_DOUBLE_EQ(ToDecimalDays(row.days, row.time), row.value);
    std::int32_t days = 99;
    TimeOfDay time;
    ASSERT_EQ(FromDecimalDays(row.value, days, time), 0) << row.value;
    EXPECT_EQ(days, row.days) << row.value;
    EXPECT_EQ(time, row.time) << row.value;
  }
}

TEST(DecimalDays, SplitsIntoFloorAndTruncatedTime) {
  const struct {
    double value;
    std::int32_t days;
    TimeOfDay time;
  } rows[] = {
      {0.0, 0, {0, 0, 0, 0}},
      {1.75, 1, {18, 0, 0, 0}},
      {-0.25, -1, {18, 0, 0, 0}},
      {1.0 / 3, 0, {8, 0, 0, 0}},
      {0.99999999999, 0, {23, 59, 59, 999}},  // the nudge would reach 1.0: not applied
      {-1e-20, 0, {0, 0, 0, 0}},              // rounds to a whole day: midnight, not "hour 24"
      {-1e-12, -1, {23, 59, 59, 999}},
      {2147483647.5, 2147483647, {12, 0, 0, 0}},
      {-2147483648.0, -2147483647 - 1, {0, 0, 0, 0}},
  };
  for (const auto& row : rows) {
    std::int32_t days = 99;
    TimeOfDay time;
    ASSERT_EQ(FromDecimalDays(row.value, days, time), 0) << row.value;
    EXPECT_EQ(days, row.days) << row.value;
    EXPECT_EQ(time, row.time) << row.value;
  }
}

TEST(DecimalDays, RefusesWholeDaysBeyond32Bits) {
  for (double value : {2147483648.0, -2147483648.5, 1e300, -1e300, std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
    std::int32_t days = 99;
    TimeOfDay time{1, 2, 3, 4};
    EXPECT_EQ(FromDecimalDays(value, days, time), -1) << value;
    EXPECT_EQ(days, 99);
    EXPECT_EQ(time, (TimeOfDay{1, 2, 3, 4}));
  }
}

// Written with nine decimals and read back, every whole minute of a day
// gives itself, for day counts -3 to 3.
TEST(DecimalDays, EveryMinuteSurvivesTheTextRoundTrip) {
  for (std::int32_t day = -3; day <= 3; ++day) {
    for (std::uint32_t minute = 0; minute < 1440; ++minute) {
      const TimeOfDay time{minute / 60, minute % 60, 0, 0};
      const std::u16string text = FixedPoint(ToDecimalDays(day, time), 9);
      std::int32_t days = 99;
      TimeOfDay back;
      ASSERT_EQ(FromDecimalDays(std::stod(std::string(text.begin(), text.end())), days, back), 0);
      ASSERT_EQ(back, time) << day << " days " << minute << " minutes";
      // -1 day 12:00 is -0.5: the day count applies to the days alone, so
      // it reads back as the floor of the value.
      ASSERT_EQ(days, day) << day << " days " << minute << " minutes";
    }
  }
}

}  // namespace
}  // namespace kalendra
