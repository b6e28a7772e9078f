#include "holiday_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "frame/plugin.h"
#include "frame/text.h"
#include "holidays/floating_functions.h"
#include "holidays/holiday_functions.h"
#include "holidays/mark_holidays.h"
#include "holidays/rule_list.h"
#include "platform/fake/fake_platform.h"
#include "services/testing.h"

namespace kalendra::test {
namespace {

FeatureEntry HolidayExport(std::u16string_view name) {
  if (name == u"f_easter") return EasterFunction;
  if (name == u"f_holiday") return HolidayFunction;
  if (name == u"f_isholiday") return IsHolidayFunction;
  if (name == u"f_inlieu") return InLieuFunction;
  return nullptr;
}

void RegisterHolidayFunctionsOnce() {
  static const bool registered = torvane::testing::RegisterPlugin(GetPluginInfoRecord, HolidayExport);
  ASSERT_TRUE(registered);
}

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

}  // namespace

void HolidayTest::SetUp() {
  PluginTest::SetUp();
  RegisterHolidayFunctionsOnce();
  std::random_device random;
  folder_ = std::filesystem::temp_directory_path() / ("kalendra-holidays-" + std::to_string(random()));
  std::filesystem::create_directories(folder_);
  fake::SetModulePath(FromUtf8((folder_ / "libkalendra.so").string()));
  FreeHolidayRules();
}

void HolidayTest::TearDown() {
  FreeHolidayRules();
  std::filesystem::remove_all(folder_);
}

void HolidayTest::WriteHolidayFile(std::string_view text, FileEncoding encoding) const {
  std::ofstream file(folder_ / "holidays.ini", std::ios::binary);
  const std::u16string wide = FromUtf8(text);
  if (encoding == FileEncoding::kUtf16WithBom) {
    file.put('\xFF').put('\xFE');
    for (const char16_t c : wide) file.put(static_cast<char>(c & 0xFF)).put(static_cast<char>(c >> 8));
  } else {
    for (const char16_t c : wide) file.put(static_cast<char>(c & 0xFF));
  }
}

std::vector<std::string> HolidayTest::MarkedDays(int year, std::u16string* err) {
  HolidayMarks marks;
  const torvane::testing::CapturedOutput output =
      torvane::testing::CaptureOutput([&] { EXPECT_EQ(MarkHolidays(year, marks), kMarksDone); });
  if (err != nullptr) *err = output.err;
  std::vector<std::string> days;
  for (int month = 1; month <= kMarkMonths; ++month) {
    for (int day = 1; day <= kMarkDaysPerMonth; ++day) {
      if (marks.At(month, day) != 0) days.push_back(TwoDigits(month) + "-" + TwoDigits(day));
    }
  }
  return days;
}

std::vector<std::u16string> HolidayTest::LoadedRules() {
  const HolidayListWalk walk;
  return {walk.begin(), walk.end()};
}

}  // namespace kalendra::test
