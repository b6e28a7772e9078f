// Fake back-end: every answer comes from state that tests set.
#include "platform/fake/fake_platform.h"

#include <map>
#include <string>
#include <utility>

namespace kalendra {
namespace {

using platform::LocaleItem;
using platform::LocaleNameSet;

constexpr const char16_t* kMonthNames[12] = {u"January",   u"February", u"March",    u"April",
                                             u"May",       u"June",     u"July",     u"August",
                                             u"September", u"October",  u"November", u"December"};
// Monday first, as the locale numbers weekday names.
constexpr const char16_t* kWeekdayNames[7] = {u"Monday", u"Tuesday",  u"Wednesday", u"Thursday",
                                              u"Friday", u"Saturday", u"Sunday"};

std::map<LocaleItem, std::optional<std::u16string>> UsEnglishItems() {
  return {{LocaleItem::kShortDateOrder, u"0"},      {LocaleItem::kLongDateOrder, u"0"},
          {LocaleItem::kDateSeparator, u"/"},       {LocaleItem::kTimeSeparator, u":"},
          {LocaleItem::kDecimalSeparator, u"."},    {LocaleItem::kThousandsSeparator, u","},
          {LocaleItem::kFirstDayOfWeek, u"6"},      {LocaleItem::kEnglishCountryName, u"United States"},
          {LocaleItem::kAmDesignator, u"AM"},       {LocaleItem::kPmDesignator, u"PM"}};
}

std::map<std::pair<LocaleNameSet, int>, std::optional<std::u16string>> EnglishNames() {
  std::map<std::pair<LocaleNameSet, int>, std::optional<std::u16string>> names;
  for (int month = 1; month <= 12; ++month) {
    const std::u16string name = kMonthNames[month - 1];
    names[{LocaleNameSet::kMonth, month}] = name;
    names[{LocaleNameSet::kAbbreviatedMonth, month}] = name.substr(0, 3);
  }
  for (int day = 1; day <= 7; ++day) {
    const std::u16string name = kWeekdayNames[day - 1];
    names[{LocaleNameSet::kWeekday, day}] = name;
    names[{LocaleNameSet::kAbbreviatedWeekday, day}] = name.substr(0, 3);
  }
  return names;
}

std::u16string Decimal(int value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

struct FakeState {
  platform::LocalDateTime now = fake::kDefaultNow;
  std::u16string modulePath = u"/opt/kalendra/libkalendra.so";
  std::map<std::u16string, std::u16string> environment;
  std::map<LocaleItem, std::optional<std::u16string>> localeItems = UsEnglishItems();
  std::map<std::pair<LocaleNameSet, int>, std::optional<std::u16string>> localeNames = EnglishNames();
  fake::LocaleDateFormatter localeDateFormatter = fake::DescribeLocaleDateCall;
};

FakeState& State() {
  static FakeState state;
  return state;
}

}  // namespace

namespace fake {

void Reset() { State() = FakeState{}; }
void SetNow(const platform::LocalDateTime& now) { State().now = now; }
void SetModulePath(const std::u16string& path) { State().modulePath = path; }
void SetEnvironmentValue(const std::u16string& name, const std::u16string& value) {
  State().environment[name] = value;
}
void UnsetEnvironmentValue(const std::u16string& name) { State().environment.erase(name); }

void SetLocaleInfo(LocaleItem item, std::optional<std::u16string> value) {
  State().localeItems[item] = std::move(value);
}
void SetLocaleName(LocaleNameSet set, int index, std::optional<std::u16string> value) {
  State().localeNames[{set, index}] = std::move(value);
}
void SetLocaleDateFormatter(LocaleDateFormatter formatter) { State().localeDateFormatter = std::move(formatter); }

std::optional<std::u16string> DescribeLocaleDateCall(platform::LocaleDateStyle style, const platform::LocaleDate& date,
                                                     std::u16string_view picture) {
  return Decimal(static_cast<int>(style)) + u":" + Decimal(date.year) + u"-" + Decimal(date.month) + u"-" +
         Decimal(date.day) + u":" + Decimal(date.weekday) + u":" + std::u16string(picture);
}

}  // namespace fake

namespace platform {

LocalDateTime LocalNow() { return State().now; }
void RecordModuleHandle(void* /*module*/) {}
std::u16string ModulePath() { return State().modulePath; }
std::u16string EnvironmentValue(const std::u16string& name) {
  const auto found = State().environment.find(name);
  return found == State().environment.end() ? std::u16string() : found->second;
}

std::optional<std::u16string> LocaleInfo(LocaleItem item) {
  const auto found = State().localeItems.find(item);
  return found == State().localeItems.end() ? std::nullopt : found->second;
}

void ReloadLocaleIfChanged() {}

std::optional<std::u16string> LocaleName(LocaleNameSet set, int index) {
  const auto found = State().localeNames.find({set, index});
  return found == State().localeNames.end() ? std::nullopt : found->second;
}

std::optional<std::u16string> FormatLocaleDate(LocaleDateStyle style, const LocaleDate& date,
                                               std::u16string_view picture) {
  return State().localeDateFormatter(style, date, picture);
}

}  // namespace platform
}  // namespace kalendra
