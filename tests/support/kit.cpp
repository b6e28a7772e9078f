#include "support/kit.h"

#include <cstdio>
#include <fstream>
#include <random>

#include "frame/plugin.h"

namespace kalendra::test {
namespace {

// The routine the plug-in exports under "f_NAME", "NAME" or "_NAME".
FeatureEntry ExportedRoutine(std::u16string_view exportName) {
  for (const Feature& feature : Features()) {
    const std::u16string_view name = feature.name;
    const bool function = name.starts_with(u"@") && exportName == u"f_" + std::u16string(name.substr(1));
    if (function || exportName == name) return feature.entry;
  }
  return nullptr;
}

void RegisterPluginOnce() {
  static const bool registered = torvane::testing::RegisterPlugin(GetPluginInfoRecord, ExportedRoutine);
  ASSERT_TRUE(registered);
}

std::string TwoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

void ResetProcessState() {
  fake::Reset();
  torvane::testing::ResetSession();
  Locale() = LocaleSnapshot{};
  SetLongYearsMode(LongYearsMode::kOff);
  SetHolidayYear(0);
  FreeHolidayRules();
}

}  // namespace

std::u16string IsoText(const CalendarDate& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return Widen(text);
}

void PrintTo(const FunctionOutcome& outcome, std::ostream* os) {
  *os << "status " << outcome.status << " result \"" << Narrow(outcome.result) << "\" stdout \""
      << Narrow(outcome.out) << "\" stderr \"" << Narrow(outcome.err) << "\"";
}

FunctionOutcome CallFunction(int (*function)(KChar*), std::u16string_view text) {
  std::array<KChar, kHostBufferLength> buffer{};
  CopyText(buffer.data(), buffer.size(), text);
  FunctionOutcome outcome;
  torvane::testing::CapturedOutput captured =
      torvane::testing::CaptureOutput([&] { outcome.status = function(buffer.data()); });
  outcome.out = std::move(captured.out);
  outcome.err = std::move(captured.err);
  if (outcome.status == 0) outcome.result = buffer.data();
  return outcome;
}

FunctionOutcome Call(std::u16string_view name, std::u16string_view text) {
  for (const Feature& feature : Features()) {
    if (feature.name == name) return CallFunction(feature.entry, text);
  }
  ADD_FAILURE() << "no feature " << Narrow(name);
  return {};
}

FunctionOutcome Expected(std::u16string_view expected) {
  if (expected.starts_with(u"! ")) {
    return {kErrorResult, u"", u"", u"KALENDRA plugin: " + std::u16string(expected.substr(2)) + u"\r\n"};
  }
  return {0, std::u16string(expected), u"", u""};
}

void ExpectCalls(std::u16string_view name, std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(Call(name, c.text), Expected(c.expected)) << Narrow(name) << "[" << Narrow(c.text) << "]";
  }
}

void KalendraTest::SetUp() {
  ResetProcessState();
  RegisterPluginOnce();
  // A test may set up again to start a row afresh: the folder is emptied.
  if (folder_.empty()) {
    folder_ = std::filesystem::temp_directory_path() / ("kalendra-test-" + std::to_string(std::random_device{}()));
  }
  std::filesystem::remove_all(folder_);
  std::filesystem::create_directories(folder_);
  fake::SetModulePath(FromUtf8((folder_ / "libkalendra.so").string()));
}

void KalendraTest::TearDown() {
  ResetProcessState();
  std::filesystem::remove_all(folder_);
}

void KalendraTest::UseLocaleOrder(int order, std::u16string separator) {
  const std::u16string digit(1, static_cast<char16_t>(u'0' + order - 1));
  fake::SetLocaleInfo(platform::LocaleItem::kShortDateOrder, digit);
  fake::SetLocaleInfo(platform::LocaleItem::kDateSeparator, separator);
  RefreshLocale();
}

void KalendraTest::WriteHolidayFile(std::string_view text, FileEncoding encoding) const {
  std::ofstream file(folder_ / "holidays.ini", std::ios::binary);
  const std::u16string wide = FromUtf8(text);
  if (encoding == FileEncoding::kUtf16WithBom) {
    file.put('\xFF').put('\xFE');
    for (const char16_t c : wide) file.put(static_cast<char>(c & 0xFF)).put(static_cast<char>(c >> 8));
  } else {
    for (const char16_t c : wide) file.put(static_cast<char>(c & 0xFF));
  }
}

std::vector<std::string> KalendraTest::MarkedDays(int year, std::u16string* err) {
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

std::vector<std::u16string> KalendraTest::LoadedRules() {
  const HolidayListWalk walk;
  return {walk.begin(), walk.end()};
}

}  // namespace kalendra::test
