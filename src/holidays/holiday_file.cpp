// Reading "holidays.ini" through the shell's line reader.
#include "holidays/holiday_file.h"

#include <array>

#include "calendar/locale_snapshot.h"
#include "contract/host_interface.h"
#include "frame/text.h"
#include "holidays/rule_list.h"
#include "platform/platform.h"

namespace kalendra {
namespace {

constexpr bool IsPathSeparator(KChar c) { return c == u'\\' || c == u'/'; }

// Reads the file's lines, adding the rules of the selected sections.
// Returns the count of rules added.
int AddSectionRules(HostFile file, std::u16string_view header) {
  const int flags = QueryIsFileUnicode(file) != 0 ? kGetLineUnicode : 0;
  std::array<KChar, kMaxRuleLineLength + 1> buffer{};
  bool selected = false;
  int added = 0;
  while (GetLine(file, buffer.data(), kMaxRuleLineLength, flags, 0) != 0) {
    const std::u16string_view line = CleanRuleLine(buffer.data());
    if (line.empty()) continue;
    if (line.front() == u'[') {
      selected = EqualsIgnoringAsciiCase(line, header);
    } else if (selected && AddHolidayRule(line) == kRuleAdded) {
      ++added;
    }
  }
  return added;
}

}  // namespace

std::optional<std::u16string> HolidayFilePath() {
  std::u16string path = platform::ModulePath();
  if (path.size() > kMaxModulePathLength) return std::nullopt;
  std::size_t folderEnd = path.size();
  while (folderEnd > 0 && !IsPathSeparator(path[folderEnd - 1])) --folderEnd;
  if (folderEnd == 0) return std::nullopt;
  path.replace(folderEnd, std::u16string::npos, kHolidayFileName);
  return path;
}

std::u16string_view CleanRuleLine(std::u16string_view line) {
  line = line.substr(0, FindOutsideBrackets(line, u";"));
  while (!line.empty() && IsSpace(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsSpace(line.back())) line.remove_suffix(1);
  return line;
}

int LoadHolidayFile() {
  if (HolidayListInUse()) return -1;
  FreeHolidayRules();
  const std::u16string_view country = Locale().holidayCountry.View();
  if (country.size() > kMaxCountryNameLength) return -1;
  const std::optional<std::u16string> path = HolidayFilePath();
  if (!path) return -1;
  const HostFile file = platform::OpenFileForReading(*path);
  if (file == platform::kNoFile) return -1;
  const std::u16string header = u"[" + std::u16string(country) + u"]";
  const int added = AddSectionRules(file, header);
  platform::CloseFile(file);
  return added > 0 ? 0 : -1;
}

int LoadHolidayRules() {
  if (LoadHolidayFile() != 0) LoadDefaultHolidays();
  return 0;
}

}  // namespace kalendra
