// The time functions through their buffers: every example and message of
// their tables, @timediff against calendar arithmetic of the standard
// library, and @dectotime of @timetodec over a week of minutes.
#include "support/kit.h"

#include <chrono>
#include <cstdio>
#include <random>

namespace {

// The exports themselves, linked into this test from the export list.
extern "C" {
int f_istime(KChar*), f_timeparts(KChar*), f_timefmt(KChar*), f_timeplus(KChar*), f_timediff(KChar*);
int f_timetodec(KChar*), f_dectotime(KChar*), f_localdatetime(KChar*), f_utcdatetime(KChar*);
int f_agedate(KChar*), f_makeage(KChar*), f_filestamp(KChar*);
}

class TimeFunctionsTest : public KalendraTest {
 protected:
  static void SetClock(int hour, int minute, int second, int millisecond) {
    fake::SetNow({2015, 3, 7, hour, minute, second, millisecond});
  }
};

// Without a buffer the time and zone functions answer -1; @timefmt, the age
// functions and @filestamp answer 1 as other functions do.
TEST(TimeExports, AnswerACallWithoutABuffer) {
  const struct {
    const char* name;
    FeatureEntry entry;
    int result;
  } rows[] = {{"f_istime", f_istime, -1},     {"f_timeparts", f_timeparts, -1}, {"f_timefmt", f_timefmt, 1},
              {"f_timeplus", f_timeplus, -1}, {"f_timediff", f_timediff, -1},   {"f_timetodec", f_timetodec, -1},
              {"f_dectotime", f_dectotime, -1}, {"f_localdatetime", f_localdatetime, -1},
              {"f_utcdatetime", f_utcdatetime, -1}, {"f_agedate", f_agedate, 1},
              {"f_makeage", f_makeage, 1},       {"f_filestamp", f_filestamp, 1}};
  for (const auto& row : rows) EXPECT_EQ(row.entry(nullptr), row.result) << row.name;
}

TEST_F(TimeFunctionsTest, TimeFmt) {
  SetClock(12, 0, 0, 0);
  ExpectCalls(u"@timefmt", {{u"", u"12:00"}, {u"9:05 pm,1", u"9:05 PM"}, {u"10:30:15", u"10:30:15"},
                            {u"10:30:15.5", u"10:30:15.500"}, {u"10:30:15,128", u"10:30:15"},
                            {u"10:30:15.5,256", u"10:30:15.500"}, {u"9:05,x", u"! Invalid time format \"x\""},
                            {u"\"10:30 \",1", u"10:30 AM"}});
}

TEST_F(TimeFunctionsTest, TimeFmtReadsTheLocaleOnEveryCall) {
  fake::SetLocaleInfo(platform::LocaleItem::kTimeSeparator, u".");
  fake::SetLocaleInfo(platform::LocaleItem::kDecimalSeparator, u",");
  fake::SetLocaleInfo(platform::LocaleItem::kAmDesignator, u"");
  fake::SetLocaleInfo(platform::LocaleItem::kPmDesignator, u"Nachm.");
  ExpectCalls(u"@timefmt", {{u"9:05:03.007,512", u"9.05.03,007"}, {u"9:05:03.007,4608", u"090503,007"},
                            {u"9:05,13", u"9:05 "}, {u"21:05,13", u"9:05 Nachm."}, {u"21:05,14", u"9:05 nachm."}});
  // A separator the rules do not allow leaves the one read before.
  fake::SetLocaleInfo(platform::LocaleItem::kTimeSeparator, u"-");
  fake::SetLocaleInfo(platform::LocaleItem::kDecimalSeparator, u"..");
  ExpectCalls(u"@timefmt", {{u"9:05:03.007,512", u"9.05.03,007"}});
  // A designator that cannot be read is empty.
  fake::SetLocaleInfo(platform::LocaleItem::kPmDesignator, std::nullopt);
  ExpectCalls(u"@timefmt", {{u"21:05,13", u"9:05 "}});
}

TEST_F(TimeFunctionsTest, TimePlus) {
  ExpectCalls(u"@timeplus", {{u"10:00,1:30,,0", u"11:30"}, {u"10:00,2 days", u"+2 days 10:00:00"},
                             {u"10:00,-1@2:00", u"-1 day 8:00:00"}, {u"23:00,2:00,,15", u"+1.04166667"},
                             {u"10:00:00.5,0:00:00.600,,256", u"10:00:01.100"},
                             {u"2015-12-31@23:00,2:00", u"01/01/2016@1:00:00"},
                             {u"2015-12-11t10:00,,4", u"2015-12-11T10:00:00"},
                             {u"12/11/2015@10:00,1,1", u"12/11/15@11:00:00"},
                             {u"1601-01-01@00:00,3067670 days,4", u"9999-12-31@0:00:00"}, {u"", u"03/07/2015@13:45:30"},
                             {u",1 day,4,256", u"2015-03-08@13:45:30.250"},
                             {u"x,y,z,w", u"! Invalid date format \"z\""}, {u"x,y,4,w", u"! Invalid time format \"w\""},
                             {u"x,y", u"! Invalid time \"x\""}, {u"10:00,y", u"! Bad offset \"y\""},
                             {u"2015-12-11", u"! Invalid time \"2015-12-11\""},
                             {u"2015-12-11@", u"! No time \"2015-12-11@\""},
                             {u"2015-13-11@10:00", u"! Invalid date \"2015-13-11\""},
                             {u"xtT1@10:00", u"! Invalid date \"xtT1\""}, {u"xtT1", u"! Invalid date \"xt\""},
                             {u"xt1", u"! Invalid date \"x\""},
                             {u"9999-12-31@23:00,1:00", u"! Resulting date out of range"},
                             {u"2015-12-11@10:00,2147483647 days", u"! Resulting date out of range"},
                             {u"10:00,2147483647@0:00", u"+2147483647 days 10:00:00"},
                             {u"10:00,2147483647@14:00", u"! Bad offset \"2147483647@14:00\""},
                             {u"10:00,-2147483647@34:00", u"-2147483648 days 0:00:00"},
                             {u"10:00,-2147483647@35:00", u"! Bad offset \"-2147483647@35:00\""},
                             {u"10:00,2147483648", u"! Bad offset \"2147483648\""},
                             {u"10:00,0:0:0.0000000000000000000001", u"10:00:00"}});
}

TEST_F(TimeFunctionsTest, TimeDiff) {
  SetClock(13, 45, 30, 250);
  ExpectCalls(u"@timediff", {{u"10:00,10:00,,,1", u"0:00:00"}, {u"10:00,12:00,,15", u".08333333"},
                             {u"12:00,10:00,,15,1", u"-.08333333"}, {u"10:00,12:30,,1", u"2:30"},
                             {u"10:00,12:30:00.5,,1281", u"02:30:00.500"}, {u"2015-12-10@10:00,12:00", u"2:00:00"},
                             {u"10:00", u"3:45:30"}, {u"2015-03-06@13:00,,,256", u"1 day 0:45:30.250"},
                             {u"x,y,z,w,v", u"! Invalid date format \"z\""},
                             {u"x,y,4,w,v", u"! Invalid time format \"w\""}, {u",y,4,0,v", u"! No time1"},
                             {u"x,y,4,0,v", u"! Invalid time \"x\""}, {u"10:00,y,4,0,v", u"! Invalid time \"y\""},
                             {u"10:00,2015-12-10@10:00,4,0,v", u"! No date \"10:00\""},
                             {u"10:00,11:00,4,0,v", u"! Bad flags \"v\""}});
}

// Date-times across the whole range, in both orders, against the
// standard library's day counting.
TEST_F(TimeFunctionsTest, TimeDiffAgreesWithMillisecondCounts) {
  using namespace std::chrono;
  constexpr std::int64_t kMsPerDay = 86400000;
  const sys_days first = year{1601} / January / 1;
  const sys_days last = year{9999} / December / 31;
  std::mt19937_64 random(19800101);
  std::uniform_int_distribution<std::int64_t> dayOf(0, (last - first).count());
  std::uniform_int_distribution<std::int64_t> msOf(0, kMsPerDay - 1);
  const auto dateTimeText = [](sys_days day, std::int64_t ms) {
    const year_month_day date{day};
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u@%lld:%02lld:%02lld.%03lld", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                  static_cast<long long>(ms / 3600000), static_cast<long long>(ms / 60000 % 60),
                  static_cast<long long>(ms / 1000 % 60), static_cast<long long>(ms % 1000));
    return std::string(text);
  };
  for (int i = 0; i < 20000; ++i) {
    // Every fourth pair lies within two days, so the day count is often 0 or 1.
    const sys_days dayA = first + days{dayOf(random)};
    const sys_days dayB = i % 4 == 0 ? std::min(last, dayA + days{i % 3}) : first + days{dayOf(random)};
    const std::int64_t msA = msOf(random);
    const std::int64_t msB = msOf(random);
    const std::int64_t signedDistance = (dayB - dayA).count() * kMsPerDay + msB - msA;
    const std::int64_t distance = signedDistance < 0 ? -signedDistance : signedDistance;
    const std::int64_t dayCount = distance / kMsPerDay;
    const std::int64_t rest = distance % kMsPerDay;
    char expected[96];
    std::snprintf(expected, sizeof expected, "%s%s%lld:%02lld:%02lld.%03lld", signedDistance < 0 ? "-" : "",
                  dayCount == 0   ? ""
                  : dayCount == 1 ? "1 day "
                                  : (std::to_string(dayCount) + " days ").c_str(),
                  static_cast<long long>(rest / 3600000), static_cast<long long>(rest / 60000 % 60),
                  static_cast<long long>(rest / 1000 % 60), static_cast<long long>(rest % 1000));
    const std::string call = dateTimeText(dayA, msA) + "," + dateTimeText(dayB, msB) + ",,256,1";
    ASSERT_EQ(Narrow(CallFunction(TimeDiffFunction, Widen(call)).result), expected) << call;
  }
}

TEST_F(TimeFunctionsTest, TimeToDec) {
  ExpectCalls(u"@timetodec", {{u"-0 12:00", u"0.500000000"}, {u"0:00:00.001", u"0.000000012"},
                              {u"3067671 0:00", u"3067671.000000000"}, {u"", u"! No time"},
                              {u"3067672 0:00", u"! Bad days count"}, {u"PM 3", u"! Bad time \"PM 3\""},
                              {u"3 PM", u"! Bad time \"PM\""}, {u"2 days", u"! Bad time \"\""},
                              {u"2 dayz 1:00", u"! Bad time \"z 1:00\""}});
}

TEST_F(TimeFunctionsTest, DecToTime) {
  ExpectCalls(u"@dectotime", {{u"-2.5,15", u"-3 days .50000000"}, {u"0.333333333333,256", u"8:00:00.000"},
                              {u"abc", u"0:00:00"}, {u"0x1.8", u"+1 day 12:00:00"},
                              {u"0.99999999999,256", u"23:59:59.999"}, {u"-1e-20", u"0:00:00"},
                              {u"2147483647.5", u"+2147483647 days 12:00:00"},
                              {u"-2147483648", u"-2147483648 days 0:00:00"}, {u"", u"! No decimal time"},
                              {u",x", u"! No decimal time"}, {u"1,x", u"! Invalid time format \"x\""},
                              {u"1e999", u"! Bad decimal time \"1e999\""},
                              {u"1e-400", u"! Bad decimal time \"1e-400\""},
                              {u"2147483648", u"! Bad decimal time \"2147483648\""},
                              {u"-2147483648.5", u"! Bad decimal time \"-2147483648.5\""},
                              {u"inf", u"! Bad decimal time \"inf\""}});
}

// @timetodec writes every whole minute of a week around day 0, and
// @dectotime reads it back as the same days and time.
TEST_F(TimeFunctionsTest, DecToTimeOfTimeToDecGivesTheTimeBack) {
  for (int day = -3; day <= 3; ++day) {
    for (int minute = 0; minute < 1440; ++minute) {
      char time[16];
      std::snprintf(time, sizeof time, "%d:%02d", minute / 60, minute % 60);
      const std::u16string call = Widen(std::to_string(day) + " " + time);
      const FunctionOutcome decimal = CallFunction(TimeToDecFunction, call);
      ASSERT_EQ(decimal.status, 0) << Narrow(call);
      const std::string days = day == 0                ? ""
                               : day == 1 || day == -1 ? (day > 0 ? "+1 day " : "-1 day ")
                                                       : (day > 0 ? "+" : "") + std::to_string(day) + " days ";
      ASSERT_EQ(Narrow(CallFunction(DecToTimeFunction, decimal.result).result), days + time + ":00")
          << Narrow(call) << " = " << Narrow(decimal.result);
    }
  }
}

}  // namespace
