// @localdatetime, @utcdatetime, @agedate and @makeage over the fake
// platform's two clocks and its zone (one hour, and one more from April to
// September), and ages against the standard library's calendar.
#include "support/kit.h"

#include <chrono>
#include <cstdio>
#include <random>

#include "times/age.h"

namespace {

using namespace std::chrono;

class ClockFunctionsTest : public KalendraTest {
 protected:
  void SetUp() override {
    KalendraTest::SetUp();
    fake::SetUtcNow({2015, 3, 7, 13, 45, 30, 250});
    fake::SetNow({2015, 3, 7, 14, 45, 30, 250});
    fake::SetZone({60, 60});
  }
};

TEST_F(ClockFunctionsTest, LocalDateTimeTakesWhatIsGivenFromTheUtcClock) {
  ExpectCalls(u"@localdatetime", {{u"", u"03/07/2015,14:45"}, {u",12:00", u"03/07/2015,13:00"},
                                  {u"2015-07-01", u"07/01/2015,15:45"},
                                  {u"2015-12-01,12:00:00.5,4,1408", u"2015-12-01,13:00:00.500"},
                                  {u"2015-12-31,23:30,4,128", u"2016-01-01,0:30:00"},
                                  {u"9999-12-31,22:59:59.999,4,1408", u"9999-12-31,23:59:59.999"},
                                  {u"9999-12-31,23:00,4", u"! Error converting UTC to local"},
                                  {u"x", u"! Invalid date \"x\""}, {u",25:00", u"! Invalid time \"25:00\""},
                                  {u"x,,y,z", u"! Invalid date format \"y\""},
                                  {u"x,,4,z", u"! Invalid time format \"z\""},
                                  {u"2015-07-01 12:00", u"! Invalid date \"2015-07-01 12:00\""}});
}

TEST_F(ClockFunctionsTest, UtcDateTimeTakesWhatIsGivenFromTheLocalClock) {
  ExpectCalls(u"@utcdatetime", {{u"", u"03/07/2015,13:45"}, {u"2015-07-01,14:00,4", u"2015-07-01,12:00"},
                                {u"2016-01-01,0:30,4,128", u"2015-12-31,23:30:00"},
                                {u"1601-01-01,1:00,4", u"1601-01-01,0:00"},
                                {u"1601-01-01,0:30,4", u"! Error converting local to UTC"},
                                {u"2015-02-30", u"! Invalid date \"2015-02-30\""},
                                {u",,,-1", u"! Invalid time format \"-1\""}});
}

TEST_F(ClockFunctionsTest, AZoneThatRefusesGivesTheMessageOfItsDirection) {
  fake::SetZone({0, 0, true});
  ExpectCalls(u"@localdatetime", {{u"", u"! Error converting UTC to local"}});
  ExpectCalls(u"@utcdatetime", {{u"", u"! Error converting local to UTC"}});
}

TEST_F(ClockFunctionsTest, AgeDateAndMakeAge) {
  ExpectCalls(u"@makeage", {{u"12/25/2015", u"130954752000000000"},
                            {u"25.12.2015,,1", u"! Invalid date \"25.12.2015\""},
                            {u"25/12/2015,,2", u"130954752000000000"}, {u"", u"! No date"},
                            {u"x,25:00,y", u"! Invalid date format \"y\""}, {u"x,25:00", u"! Invalid date \"x\""}});
  ExpectCalls(u"@agedate", {{u"864000000000,,,1", u"1601-01-02T00:00:00.000"},
                            {u"864000000000,,,2", u"1601-01-02@00:00:00.000"},
                            {u"864000000000,,,3", u"1601-01-02T00:00:00.000"},
                            {u"864000000000,,,4", u"1601-01-02,00:00:00.000"},
                            {u"864000000000 4 1", u"1601-01-02,12:00 AM"}, {u"+9999", u"1601-01-01,00:00:00.000"},
                            {u"0,0,0", u"01/01/01,0:00"},
                            {u"2650467744000000000", u"! Age out of range \"2650467744000000000\""},
                            {u"99999999999999999999", u"! Age out of range \"99999999999999999999\""},
                            {u"12x", u"! Invalid age \"12x\""}, {u"", u"! No age"}, {u",x", u"! No age"},
                            {u"x,y,z,w", u"! Invalid age \"x\""}, {u"0,y,z,w", u"! Invalid date format \"y\""},
                            {u"0,4,z,w", u"! Invalid time format \"z\""}, {u"0,4,0,w", u"! Bad option \"w\""}});
}

// The age of a time by the standard library's calendar: 100 ns ticks since
// 1601-01-01.
using Ticks = duration<std::int64_t, std::ratio<1, 10'000'000>>;
constexpr sys_days kAgeOrigin = sys_days{year{1601} / January / 1};

std::u16string AgeDateOracle(std::uint64_t age) {
  const auto time = kAgeOrigin + Ticks{static_cast<std::int64_t>(age)};
  const sys_days day = floor<days>(time);
  const year_month_day date{day};
  const hh_mm_ss clock{floor<milliseconds>(time - day)};
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u,%02ld:%02ld:%02lld.%03lld", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<long>(clock.hours().count()), static_cast<long>(clock.minutes().count()),
                static_cast<long long>(clock.seconds().count()), static_cast<long long>(clock.subseconds().count()));
  return Widen(text);
}

TEST_F(ClockFunctionsTest, AgesRoundTripOverTheWholeRange) {
  std::mt19937_64 random(20151211);
  std::uniform_int_distribution<std::uint64_t> ages(0, kAgeLimit - 1);
  for (int i = 0; i < 3000; ++i) {
    const std::uint64_t age = i == 0 ? kAgeLimit - 1 : ages(random);
    const std::u16string text = AgeDateOracle(age);
    ASSERT_EQ(CallFunction(AgeDateFunction, Widen(std::to_string(age))).result, text) << age;
    const std::uint64_t wholeMilliseconds = age - age % kAgeTicksPerMillisecond;
    ASSERT_EQ(CallFunction(MakeAgeFunction, text).result, Widen(std::to_string(wholeMilliseconds))) << age;
  }
}

TEST(Ages, YearOfAgeGoesOnBeyond9999) {
  const struct { std::uint64_t age; std::uint32_t year; } rows[] = {{0, 1601},
              {kAgeLimit - 1, 9999}, {kAgeLimit, 10000},
              {kAgeLimit + 365 * kAgeTicksPerDay, 10000},  // 10000 is a leap year
              {kAgeLimit + 366 * kAgeTicksPerDay, 10001},
              {UINT64_MAX, 60056}};
  for (const auto& row : rows) EXPECT_EQ(YearOfAge(row.age), row.year) << row.age;
}

}  // namespace
