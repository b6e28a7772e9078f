// Year prefixes of holiday rules: "(first-last?cycle=remainder)" limits a
// rule to some years; a rule may start with several.
#pragma once

#include <string>

namespace kalendra {

enum YearPrefixResult : int {
  kRuleHoldsThisYear = 0,  // every prefix has been removed from the text
  kRuleNotThisYear = 1,
  kMalformedPrefix = -1,  // the malformed prefix is left in the text
};

// Checks the prefixes at the start of a working rule text against the year,
// removing each prefix (and the white space after it) as it is read.
int ApplyYearPrefix(std::u16string& text, int year);

}  // namespace kalendra
