// The time functions through their buffers: the functions of times of day,
// of the clocks and zones, of ages, and of file stamps.
#include "support/kit.h"

#include <chrono>
#include <cstdio>
#include <optional>
#include <random>

#include "times/age.h"
#include "times/file_stamp.h"

namespace {

// ---- The time functions through their buffers: every example and message of
// their tables, @timediff against calendar arithmetic of the standard
// library, and @dectotime of @timetodec over a week of minutes.
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

// ---- @localdatetime, @utcdatetime, @agedate and @makeage over the fake
// platform's two clocks and its zone (one hour, and one more from April to
// September), and ages against the standard library's calendar.
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

// ---- @filestamp over the fake platform's files and volumes: the flags, the
// three stamps, the zone rules of NTFS, FAT and other file systems, the
// formats and every message in its order; and the path rules alone.
using namespace std::chrono;

// A UTC time as a file time, by the standard library's calendar.
using Ticks = duration<std::int64_t, std::ratio<1, 10'000'000>>;
platform::FileTime StampOf(sys_time<milliseconds> utc) {
  return static_cast<platform::FileTime>(duration_cast<Ticks>(utc - sys_days{year{1601} / January / 1}).count());
}

// The full path of a name as the shell makes it: on POSIX the drive names
// below lie in the current folder, each its own volume.
std::u16string FullPath(const std::u16string& name) {
  std::array<KChar, kHostBufferLength> path{};
  EXPECT_EQ(QueryTrueName(name.c_str(), path.data()), 0);
  return path.data();
}

constexpr sys_days kSummerDay = sys_days{year{2015} / July / 1};
constexpr sys_days kWinterDay = sys_days{year{2015} / December / 11};

// One file on each kind of volume, written in summer, read in winter and
// created in January, in a zone one hour east with an hour's saving in
// summer and the winter bias in force now.
class FileStampTest : public KalendraTest {
 protected:
  void SetUp() override {
    KalendraTest::SetUp();
    fake::SetZone({60, 60});
    fake::SetCurrentBiasMinutes(60);
    const platform::FileStamps stamps{StampOf(kSummerDay + 12h + 5s), StampOf(kWinterDay + 14h + 30min + 5s + 700ms),
                                      StampOf(sys_days{year{2015} / January / 2} + 3h + 4min + 5s)};
    const struct {
      const char16_t* name;
      std::optional<std::u16string> fileSystem;
    } files[] = {{u"N:\\f.txt", u"NTFS"},      {u"N:\\my file.txt", u"NTFS"}, {u"F:\\f.txt", u"FAT32"},
                 {u"O:\\f.txt", u"0xef53"}, {u"S:\\f.txt", std::nullopt}};
    for (const auto& file : files) {
      const std::u16string path = FullPath(file.name);
      fake::SetFileStamps(path, stamps);
      fake::SetVolumeFileSystem(VolumeRoot(path).value(), file.fileSystem);
    }
  }
};

TEST_F(FileStampTest, StampsZonesAndFormats) {
  ExpectCalls(u"@filestamp", {{u"N:\\f.txt", u"2015-07-01@14:00:05"}, {u"N:\\f.txt,b", u"2015-07-01@13:00:05"},
                              {u"N:\\f.txt,u", u"2015-07-01@12:00:05Z"}, {u"N:\\f.txt U 276", u"20150701120005Z"},
                              {u"N:\\f.txt,l,276", u"20150701140005"}, {u"N:\\f.txt,,,1", u"2015-07-01T14:00:05"},
                              {u"N:\\f.txt,a", u"2015-12-11@15:30:05"}, {u"N:\\f.txt,CU", u"2015-01-02@03:04:05Z"},
                              {u"N:\\f.txt,ss", u"2015-07-01@14:00:05"}, {u"N:\\f.txt,SwSlS", u"2015-07-01@14:00:05"},
                              {u"\"N:\\my file.txt\" u", u"2015-07-01@12:00:05Z"},
                              {u"F:\\f.txt", u"2015-07-01@13:00:05"}, {u"F:\\f.txt,a", u"2015-12-11@00:00:00"},
                              {u"F:\\f.txt,au,276", u"20151211000000Z"}, {u"F:\\f.txt,c", u"2015-01-02@04:04:05"},
                              {u"O:\\f.txt", u"2015-07-01@13:00:05"}, {u"O:\\f.txt,a", u"2015-12-11@15:30:05"},
                              {u"S:\\f.txt", u"2015-07-01@13:00:05"}});
}

TEST_F(FileStampTest, MessagesInTheirOrder) {
  ExpectCalls(u"@filestamp", {{u"", u"! No filename"}, {u",wa,x,y", u"! No filename"},
                              {u"*.txt,wa,x,y", u"! Invalid flags \"wa\""},
                              {u"N:\\f.txt,uu", u"! Invalid flags \"uu\""},
                              {u"N:\\f.txt,wx", u"! Invalid flags \"wx\""}, {u"*.txt,w,x,y", u"! Bad format \"x\""},
                              {u"*.txt,w,4,y", u"! Bad option \"y\""},
                              {u"missing.txt", u"! File not found \"missing.txt\""}});
}

TEST_F(FileStampTest, DatesBeyondTheCalendarAreRefused) {
  const std::u16string late = FullPath(u"N:\\late.txt");
  fake::SetFileStamps(late, {kAgeLimit - 1, kAgeLimit, 0});
  fake::SetVolumeFileSystem(VolumeRoot(late).value(), u"NTFS");
  ExpectCalls(u"@filestamp", {{u"N:\\late.txt,u", u"9999-12-31@23:59:59Z"},
                              {u"N:\\late.txt,au", u"! Date out of range (year = 10000)"},
                              {u"N:\\late.txt", u"! Date out of range (year = 10000)"},
                              {u"N:\\late.txt,b", u"! Date out of range (year = 10000)"},
                              {u"N:\\late.txt,cu", u"1601-01-01@00:00:00Z"}});
  fake::SetZone({-60, 0});
  fake::SetCurrentBiasMinutes(-60);
  ExpectCalls(u"@filestamp", {{u"N:\\late.txt,c", u"! Date out of range (year = 1600)"},
                              {u"N:\\late.txt,cb", u"! Error converting UTC to local"}});
  fake::SetZone({0, 0, true});
  ExpectCalls(u"@filestamp", {{u"N:\\f.txt", u"! Error converting UTC to local"}});
}

TEST(FileStampPaths, WildcardsRootsAndFileSystems) {
  const struct { std::u16string_view path; bool wildcard; std::optional<std::u16string> root; } paths[] = {
      {u"C:\\dir\\f.txt", false, u"C:\\"}, {u"z:\\f", false, u"z:\\"},
      {u"\\\\server\\share\\dir\\f", false, u"\\\\server\\share\\"}, {u"\\\\?\\C:\\dir\\f", false, u"\\\\?\\C:\\"},
      {u"\\\\?\\C:\\dir\\f?", true, u"\\\\?\\C:\\"}, {u"\\\\?x\\C:\\f", true, u"\\\\?x\\C:\\"},
      {u"\\\\.\\?\\f", true, u"\\\\.\\?\\"}, {u"C:\\?\\f", true, u"C:\\"}, {u"C:\\d\\*", true, u"C:\\"},
      {u"\\\\server\\share", false, std::nullopt}, {u"1:\\f", false, std::nullopt},
      {u"/home/f.txt", false, u"/home/f.txt"}, {u"f.txt", false, std::nullopt},
  };
  for (const auto& row : paths) {
    EXPECT_EQ(HasWildcard(row.path), row.wildcard) << Narrow(row.path);
    EXPECT_EQ(VolumeRoot(row.path), row.root) << Narrow(row.path);
  }
  const struct {
    std::u16string_view name;
    FileSystemKind kind;
  } names[] = {{u"FAT", FileSystemKind::kFat},    {u"fat32", FileSystemKind::kFat},   {u"FAT12", FileSystemKind::kFat},
               {u"NTFS", FileSystemKind::kNtfs},  {u"ntfs3", FileSystemKind::kNtfs},  {u"exFAT", FileSystemKind::kOther},
               {u"NTF", FileSystemKind::kOther},  {u"FA", FileSystemKind::kOther},    {u"", FileSystemKind::kOther}};
  for (const auto& row : names) EXPECT_EQ(KindOfFileSystem(row.name), row.kind) << Narrow(row.name);
}

}  // namespace
