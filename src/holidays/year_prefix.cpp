// Reading and applying the year prefixes of a holiday rule.
#include "holidays/year_prefix.h"

#include <cstddef>
#include <string_view>

#include "calendar/day_number.h"
#include "frame/numbers.h"
#include "frame/text.h"

namespace kalendra {
namespace {

inline constexpr int kMaxCycle = 100;

// The years a rule holds in. A later prefix changes only what it names.
struct YearLimits {
  int first = kFirstYear;
  int last = kLastYear;
  int cycle = 0;
  int remainder = 0;

  bool Hold(int year) const {
    if (year < first || year > last) return false;
    return cycle <= 1 || year % cycle == remainder;
  }
};

char16_t At(std::u16string_view text, std::size_t pos) { return pos < text.size() ? text[pos] : u'\0'; }

// Reads the number that must start at pos and checks it against low..high.
bool ReadBounded(std::u16string_view text, std::size_t& pos, int low, int high, int& value) {
  if (!IsDigit(At(text, pos))) return false;
  value = ReadDigits(text, pos);
  return value >= low && value <= high;
}

// Reads one prefix whose "(" is at the start; on success pos is just past
// its ")".
bool ReadPrefix(std::u16string_view text, std::size_t& pos, YearLimits& limits) {
  pos = 1;
  if (IsDigit(At(text, pos)) && !ReadBounded(text, pos, kFirstYear, kLastYear, limits.first)) return false;
  if (At(text, pos) == u'-') {
    ++pos;
    const char16_t next = At(text, pos);
    // "-" straight before ")" or "?" leaves the last year open.
    if (next != u')' && next != u'?' && !ReadBounded(text, pos, kFirstYear, kLastYear, limits.last)) return false;
  }
  if (At(text, pos) == u'?') {
    ++pos;
    if (!ReadBounded(text, pos, 1, kMaxCycle, limits.cycle)) return false;
    if (At(text, pos) == u'=') {
      ++pos;
      if (!ReadBounded(text, pos, 0, limits.cycle - 1, limits.remainder)) return false;
    }
  }
  if (At(text, pos) != u')') return false;
  ++pos;
  return true;
}

}  // namespace

int ApplyYearPrefix(std::u16string& text, int year) {
  YearLimits limits;
  while (!text.empty() && text[0] == u'(') {
    std::size_t pos = 0;
    if (!ReadPrefix(text, pos, limits)) return kMalformedPrefix;
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    text.erase(0, pos);
    if (!limits.Hold(year)) return kRuleNotThisYear;
  }
  return kRuleHoldsThisYear;
}

}  // namespace kalendra
