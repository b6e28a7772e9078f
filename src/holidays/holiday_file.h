// "holidays.ini" beside the plug-in's own file: the rules of the section
// named after HolidayCountry, with the built-in rules as the fallback.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kalendra {

inline constexpr std::u16string_view kHolidayFileName = u"holidays.ini";
// Longer module paths are not followed.
inline constexpr std::size_t kMaxModulePathLength = 16384;
// "[" + name + "]" fits 128 characters with its terminator; a longer country
// name selects no section.
inline constexpr std::size_t kMaxCountryNameLength = 125;
// The shell's GetLine reads at most this many characters of a line.
inline constexpr int kMaxRuleLineLength = 8191;

// The full path of "holidays.ini" in the plug-in's folder, or nothing when
// the module path is unknown, too long or has no folder.
std::optional<std::u16string> HolidayFilePath();

// A line of the file without its comment (from a ";" outside square
// brackets) and without white space at either end.
std::u16string_view CleanRuleLine(std::u16string_view line);

// Empties the list and adds the rules of every section whose header names
// HolidayCountry (ignoring the case of A to Z). 0 when a rule was added, -1
// otherwise (no file, no such section, no rules, or the list is in use).
int LoadHolidayFile();

// LoadHolidayFile, and the built-in rules when it adds none. Returns 0.
int LoadHolidayRules();

}  // namespace kalendra
