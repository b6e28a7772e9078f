// Readers of weekday and month names, weekday lists and years. Each returns
// -1 for a text it cannot read and prints nothing.
#pragma once

#include <cstddef>
#include <string_view>

namespace kalendra {

// Day masks: bit 0 Sunday ... bit 6 Saturday.
inline constexpr int kWorkdaysMask = 62;  // "weekday(s)": Monday to Friday
inline constexpr int kWeekendMask = 65;   // "weekend(s)": Saturday and Sunday
inline constexpr int kEveryDayMask = 127;

// 0 = Sunday ... 6 = Saturday: a number 0 to 7 (7 is Sunday), the locale's
// abbreviated name, or the first two letters of an English name.
int ParseWeekday(std::u16string_view text);

// How a month's name is matched: a date's month argument by the locale's
// abbreviated name, whole (case-blind for A to Z), else by an English name's
// first three letters; a qcal word by an English name's first three letters,
// else by the locale's abbreviated name's (case-blind).
enum class MonthNameMatch { kWholeLocaleName, kFirstThreeLetters };

// 1 to 12 for the month a text names, -1 for none.
int MonthOfName(std::u16string_view text, MonthNameMatch match);

// 1 to 12: a number, or a name matched whole (MonthNameMatch::
// kWholeLocaleName); -1 for neither.
int ParseMonth(std::u16string_view text);

// The token at the start of text, up to white space, ";", "-", ".", "," or
// the end: a weekday 0 to 6, kWorkdaysMask, kWeekendMask, or -1 (also for an
// empty token). length receives the token's length.
int ParseWeekdayToken(std::u16string_view text, std::size_t& length);

// A list of weekdays, day ranges ("Mon-Fri", "Fri..Mon", wrapping past
// Saturday) and the words weekday(s) and weekend(s), separated by white
// space, "," or ";"; a leading "!" or "^" negates it. The day mask 0 to 127,
// or -1.
int ParseWeekdayList(std::u16string_view text);

// 1601 to 9999: a year, or "+n" / "-n" years from Today (which the caller
// refreshes first); an empty text is Today's year.
int ParseYear(std::u16string_view text);

}  // namespace kalendra
