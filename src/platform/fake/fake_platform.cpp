// Fake back-end: every answer comes from state that tests set.
#include "platform/fake/fake_platform.h"

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "platform/civil_time.h"

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

// The date and time moved by a number of minutes.
platform::SystemDateTime Shifted(platform::SystemDateTime t, int minutes) {
  // A shifted time may leave 1601..9999, as a real zone's may.
  const civil::CivilSeconds civil = civil::CivilFromSeconds(civil::SecondsFromCivil(t.year, t.month, t.day, t.hour, t.minute + minutes, 0));
  t.year = static_cast<int>(civil.date.year);
  t.month = civil.date.month;
  t.day = civil.date.day;
  t.hour = civil.hour;
  t.minute = civil.minute;
  return t;
}

platform::SystemDateTime ShiftedSeconds(platform::SystemDateTime t, int seconds) {
  const int total = t.second + seconds;
  const int minutes = total >= 0 ? total / 60 : (total - 59) / 60;
  t.second = total - minutes * 60;
  return Shifted(t, minutes);
}

std::int64_t SecondsSince1970(const platform::SystemDateTime& t) {
  return civil::SecondsFromCivil(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

// The zone's offset for a date: daylight saving from April to September.
int ZoneOffsetMinutes(const fake::Zone& zone, const platform::SystemDateTime& t) {
  const bool summer = t.month >= 4 && t.month <= 9;
  return zone.standardMinutes + (summer ? zone.daylightMinutes : 0);
}

std::u16string Decimal(int value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

// Generations keep counting across resets, so that a reset is a change too.
std::uint64_t NextGeneration() {
  static std::uint64_t generation = 0;
  return ++generation;
}

struct FakeState {
  platform::SystemDateTime now = fake::kDefaultNow;
  platform::SystemDateTime utcNow = fake::kDefaultNow;
  fake::Zone zone;
  int currentBiasMinutes = 0;
  std::map<std::u16string, platform::FileStamps> fileStamps;
  std::map<std::u16string, std::optional<std::u16string>> volumeFileSystems;
  std::map<std::u16string, std::string> settings;
  std::u16string modulePath = u"/opt/kalendra/libkalendra.so";
  std::map<std::u16string, std::u16string> environment;
  std::map<LocaleItem, std::optional<std::u16string>> localeItems = UsEnglishItems();
  std::map<std::pair<LocaleNameSet, int>, std::optional<std::u16string>> localeNames = EnglishNames();
  fake::LocaleDateFormatter localeDateFormatter = fake::DescribeLocaleDateCall;
  std::uint64_t localeGeneration = NextGeneration();
  std::uint64_t zoneGeneration = NextGeneration();
  fake::HelpRecord help;
};

FakeState& State() {
  static FakeState state;
  return state;
}

}  // namespace

namespace fake {

void Reset() { State() = FakeState{}; }
void SetNow(const platform::SystemDateTime& now) {
  State().now = now;
  State().zoneGeneration = NextGeneration();
}
void SetUtcNow(const platform::SystemDateTime& now) {
  State().utcNow = now;
  State().zoneGeneration = NextGeneration();
}
void AdvanceClocks(int seconds) {
  State().now = ShiftedSeconds(State().now, seconds);
  State().utcNow = ShiftedSeconds(State().utcNow, seconds);
}
void SetZone(const Zone& zone) {
  State().zone = zone;
  State().zoneGeneration = NextGeneration();
}
void SetCurrentBiasMinutes(int minutes) { State().currentBiasMinutes = minutes; }
void SetFileStamps(const std::u16string& path, const platform::FileStamps& stamps) {
  State().fileStamps[path] = stamps;
}
void SetVolumeFileSystem(const std::u16string& root, std::optional<std::u16string> name) {
  State().volumeFileSystems[root] = std::move(name);
}
std::map<std::u16string, std::string>& Settings() { return State().settings; }
void SetModulePath(const std::u16string& path) { State().modulePath = path; }
void SetEnvironmentValue(const std::u16string& name, const std::u16string& value) {
  State().environment[name] = value;
}

void SetLocaleInfo(LocaleItem item, std::optional<std::u16string> value) {
  State().localeItems[item] = std::move(value);
  State().localeGeneration = NextGeneration();
}
void SetLocaleName(LocaleNameSet set, int index, std::optional<std::u16string> value) {
  State().localeNames[{set, index}] = std::move(value);
  State().localeGeneration = NextGeneration();
}
void SetLocaleDateFormatter(LocaleDateFormatter formatter) { State().localeDateFormatter = std::move(formatter); }

const HelpRecord& Help() { return State().help; }

std::optional<std::u16string> DescribeLocaleDateCall(platform::LocaleDateStyle style, const platform::LocaleDate& date,
                                                     std::u16string_view picture) {
  return Decimal(static_cast<int>(style)) + u":" + Decimal(date.year) + u"-" + Decimal(date.month) + u"-" +
         Decimal(date.day) + u":" + Decimal(date.weekday) + u":" + std::u16string(picture);
}

}  // namespace fake

namespace platform {

// A name nothing ships, so that no folder of the build holds one by chance.
std::u16string_view HelpFileName() { return u"fake-help.chm"; }

HelpPlaceNames HelpPlaces() { return {u"FAKE-HELP.CHM", u"KALENDRA.DLL", u"DLL", u"HELP", u"%WINDIR\\HELP"}; }

// Each page shown opens a window of its own, numbered from 1.
std::optional<HelpWindow> ShowHelpPage(const std::u16string& helpFile, std::u16string_view page) {
  fake::HelpRecord& help = State().help;
  help.shown.push_back({helpFile, std::u16string(page)});
  return help.shown.size();
}

void CloseHelpWindow(HelpWindow window) { State().help.closed.push_back(window); }

bool ShowMessageBox(std::u16string_view text) {
  State().help.missingFileReports.emplace_back(text);
  return true;
}

SystemDateTime LocalNow() { return State().now; }
SystemDateTime UtcNow() { return State().utcNow; }
std::int64_t UtcSecondsNow() { return SecondsSince1970(State().utcNow); }
std::uint64_t ZoneGeneration() { return State().zoneGeneration; }

std::optional<SystemDateTime> UtcToLocal(const SystemDateTime& utc) {
  const fake::Zone& zone = State().zone;
  if (zone.refuses) return std::nullopt;
  return Shifted(utc, ZoneOffsetMinutes(zone, utc));
}

std::optional<SystemDateTime> LocalToUtc(const SystemDateTime& local) {
  const fake::Zone& zone = State().zone;
  if (zone.refuses) return std::nullopt;
  return Shifted(local, -ZoneOffsetMinutes(zone, local));
}

std::optional<FileTime> ToLocalFileTimeByCurrentBias(FileTime utc) {
  const std::int64_t shift = std::int64_t{State().currentBiasMinutes} * civil::kSecondsPerMinute * civil::kTicksPerSecond;
  if (shift < 0 && utc < static_cast<FileTime>(-shift)) return std::nullopt;
  return utc + static_cast<FileTime>(shift);
}

std::optional<FileStamps> FindFileStamps(const std::u16string& path) {
  const auto found = State().fileStamps.find(path);
  if (found == State().fileStamps.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> ReadSetting(const std::u16string& name, std::size_t maxLength) {
  const auto found = State().settings.find(name);
  if (found == State().settings.end() || found->second.size() > maxLength) return std::nullopt;
  return found->second;
}

bool WriteSetting(const std::u16string& name, std::string_view bytes) {
  State().settings[name] = std::string(bytes);
  return true;
}

std::optional<std::u16string> VolumeFileSystemName(const std::u16string& root) {
  const auto found = State().volumeFileSystems.find(root);
  return found == State().volumeFileSystems.end() ? std::nullopt : found->second;
}
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

// Every change a test makes to the locale starts a new generation.
std::uint64_t ReloadLocaleIfChanged() { return State().localeGeneration; }

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
