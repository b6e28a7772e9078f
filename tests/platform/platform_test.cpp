// The platform back-end linked into this program, tested against the system:
// the clock against the standard clock and a zone the test fixes, the module
// path against the program's own file name, the environment against values
// that the test's environment holds (see CMakeLists.txt).
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <string_view>

#include "frame/text.h"

namespace kalendra {
namespace {

using namespace std::chrono;
// Failure messages show texts as UTF-8.
std::string Narrow(std::u16string_view text) { return ToUtf8(text); }

// The zone the test runs in (its environment sets TZ): no daylight saving
// time, and an offset that is not a whole number of hours.
constexpr std::string_view kZone = "Asia/Kolkata";
constexpr minutes kZoneOffset{5 * 60 + 30};

// The local time as if it were UTC: local minus UTC is the zone's offset.
sys_time<milliseconds> AsSysTime(const platform::LocalDateTime& t) {
  const year_month_day date{year{t.year}, month{static_cast<unsigned>(t.month)}, day{static_cast<unsigned>(t.day)}};
  EXPECT_TRUE(date.ok()) << t.year << "-" << t.month << "-" << t.day;
  return sys_days{date} + hours{t.hour} + minutes{t.minute} + seconds{t.second} + milliseconds{t.millisecond};
}

TEST(LocalNow, IsTheSystemClockInTheLocalZone) {
  const char* zone = std::getenv("TZ");
  ASSERT_NE(zone, nullptr);
  ASSERT_EQ(std::string_view(zone), kZone);

  const auto before = time_point_cast<milliseconds>(system_clock::now());
  const platform::LocalDateTime now = platform::LocalNow();
  const auto after = time_point_cast<milliseconds>(system_clock::now());

  EXPECT_GE(now.hour, 0);
  EXPECT_LE(now.hour, 23);
  EXPECT_GE(now.millisecond, 0);
  EXPECT_LE(now.millisecond, 999);
  const milliseconds offset = AsSysTime(now) - before;
  // The two clocks may tick at different moments; allow one tick each way.
  constexpr milliseconds kTick{20};
  EXPECT_GE(offset, kZoneOffset - kTick);
  EXPECT_LE(offset, kZoneOffset + (after - before) + kTick);
}

TEST(ModulePath, NamesTheFileThisCodeRunsFrom) {
  // Linked into a program, the back-end lives in the program's own file.
  const std::u16string path = platform::ModulePath();
  const std::size_t cut = path.find_last_of(u"/\\");
  ASSERT_NE(cut, std::u16string::npos) << Narrow(path);
  EXPECT_EQ(Narrow(path.substr(cut + 1)), KALENDRA_TEST_PROGRAM);
  // A full path: from the root, or from a drive letter.
  const bool fromRoot = path.starts_with(u"/");
  const bool fromDrive = path.size() > 3 && path[1] == u':' && path[2] == u'\\';
  EXPECT_TRUE(fromRoot || fromDrive) << Narrow(path);
}

TEST(EnvironmentValue, ReadsVariablesAsUtf16) {
  const struct {
    std::u16string name, expected;
  } kTable[] = {
      {u"KALENDRA_TEST_TEXT", u"Gr\u00FC\u00DFe \u20AC \U0001D11E"},  // two bytes, three, four
      {u"KALENDRA_TEST_EMPTY", u""},
      {u"KALENDRA_TEST_UNSET_VARIABLE", u""},
  };
  for (const auto& row : kTable) {
    EXPECT_EQ(Narrow(platform::EnvironmentValue(row.name)), Narrow(row.expected)) << Narrow(row.name);
  }
}

TEST(EnvironmentValue, ReadsALongValueWhole) {
  // Longer than any fixed buffer a back-end might start with.
  const std::u16string value = platform::EnvironmentValue(u"KALENDRA_TEST_LONG");
  ASSERT_EQ(value.size(), 10000u);
  for (std::size_t i = 0; i < value.size(); ++i) {
    ASSERT_EQ(value[i], u'0' + i % 10) << "at " << i;
  }
}

}  // namespace
}  // namespace kalendra
