// HolidayRuleList: the process-wide list of holiday rule texts, newest first,
// and the operations that fill and empty it. While the list is being walked
// (its rules are being evaluated, and a rule may call back into the plug-in)
// every operation that would change it is refused.
#pragma once

#include <cstddef>
#include <forward_list>
#include <string>
#include <string_view>

namespace kalendra {

// A rule text holds at most this many characters; a longer one is refused.
inline constexpr std::size_t kMaxRuleLength = 8191;

// Results of AddHolidayRule.
enum AddRuleResult : int {
  kRuleAdded = 0,
  kRuleMissing = -1,   // empty or overlong text: nothing added
  kRuleListBusy = -2,  // the list is being walked: nothing added
  kRuleNoMemory = 1,
};

// Places a copy of the rule at the head of the list.
int AddHolidayRule(std::u16string_view rule);

// Adds the rules of a qcal "/H" option: "/H", an optional ":" or "=", then
// rules separated by "," or ";" outside square brackets. Returns 0.
int AddHolidayRules(std::u16string_view option);

// Adds the built-in rules (United States holidays and observances).
// Returns 0.
int LoadDefaultHolidays();

// Empties the list, unless it is being walked.
void FreeHolidayRules();

// True while the rules are being walked.
bool HolidayListInUse();

// Holds the list still while its rules are evaluated: while one of these
// lives, the list refuses every change. Iterates the rules, newest first.
class HolidayListWalk {
 public:
  HolidayListWalk();
  ~HolidayListWalk();
  HolidayListWalk(const HolidayListWalk&) = delete;
  HolidayListWalk& operator=(const HolidayListWalk&) = delete;

  std::forward_list<std::u16string>::const_iterator begin() const;
  std::forward_list<std::u16string>::const_iterator end() const;
};

// Where ";" starts a comment in a line of a rule file, and where "," or ";"
// ends a rule of a "/H" list: the first of the separators that stands
// outside square brackets, or text.size() when there is none.
std::size_t FindOutsideBrackets(std::u16string_view text, std::u16string_view separators);

}  // namespace kalendra
