// The fake back-end for unit tests: a clock, a module path, an environment
// and a user locale that a test sets. Reset() restores the defaults below.
// Files are opened for real, in the folder of the module path a test sets.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kalendra::fake {

// Default clock: 2015-03-07 13:45:30.250, a Saturday.
inline constexpr platform::SystemDateTime kDefaultNow{2015, 3, 7, 13, 45, 30, 250};

void Reset();
void SetNow(const platform::SystemDateTime& now);
// The UTC clock; by default it reads as the local clock (the zone is UTC).
void SetUtcNow(const platform::SystemDateTime& now);
// Moves both clocks on by whole seconds, as time passes: unlike setting
// them, this is no change of zone.
void AdvanceClocks(int seconds);

// The user's zone: local time is UTC plus the standard offset, plus the
// daylight-saving offset in April to September (of the UTC date for
// UtcToLocal, of the local date for LocalToUtc). A refusing zone makes
// every conversion fail. The default is UTC without saving.
struct Zone {
  int standardMinutes = 0;
  int daylightMinutes = 0;
  bool refuses = false;
};
void SetZone(const Zone& zone);
// The offset in force now that ToLocalFileTimeByCurrentBias applies.
void SetCurrentBiasMinutes(int minutes);

// What FindFileStamps answers for a full path (nothing is found by default)
// and VolumeFileSystemName for a root (no answer by default).
void SetFileStamps(const std::u16string& path, const platform::FileStamps& stamps);
void SetVolumeFileSystem(const std::u16string& root, std::optional<std::u16string> name);

// The saved settings, as the plug-in last wrote them (empty by default).
std::map<std::u16string, std::string>& Settings();
void SetModulePath(const std::u16string& path);
void SetEnvironmentValue(const std::u16string& name, const std::u16string& value);

// The default locale answers as US English: short and long order "0",
// separators "/", ":", ".", ",", first day "6" (Sunday), "United States",
// "AM", "PM" and the English names. A value of std::nullopt makes that query
// fail.
void SetLocaleInfo(platform::LocaleItem item, std::optional<std::u16string> value);
void SetLocaleName(platform::LocaleNameSet set, int index, std::optional<std::u16string> value);

// What FormatLocaleDate answers. The default describes its call, so that a
// test sees what it was asked: "style:yyyy-mm-dd:weekday:picture", the style
// as its flag value (2 for the long date).
using LocaleDateFormatter = std::function<std::optional<std::u16string>(
    platform::LocaleDateStyle, const platform::LocaleDate&, std::u16string_view)>;
void SetLocaleDateFormatter(LocaleDateFormatter formatter);
std::optional<std::u16string> DescribeLocaleDateCall(platform::LocaleDateStyle style, const platform::LocaleDate& date,
                                                     std::u16string_view picture);

// What the help viewer was asked: the pages shown (the window of the n-th is
// n), the windows closed and the texts of a missing help file.
struct ShownHelpPage {
  std::u16string file;
  std::u16string page;
  bool operator==(const ShownHelpPage&) const = default;
};
struct HelpRecord {
  std::vector<ShownHelpPage> shown;
  std::vector<platform::HelpWindow> closed;
  std::vector<std::u16string> missingFileReports;
};
const HelpRecord& Help();

}  // namespace kalendra::fake
