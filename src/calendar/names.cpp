// Name and list readers. Names compare without regard to the case of A to Z
// only, as the locale names may hold letters that have no ASCII case.
#include "calendar/names.h"

#include <cstdint>

#include "calendar/day_number.h"
#include "calendar/english_names.h"
#include "calendar/locale_snapshot.h"
#include "calendar/today.h"
#include "frame/numbers.h"
#include "frame/text.h"

namespace kalendra {
namespace {

using namespace std::string_view_literals;

bool IsTokenEnd(KChar c) { return IsSpace(c) || c == u';' || c == u'-' || c == u'.' || c == u','; }
bool IsListGap(KChar c) { return IsSpace(c) || c == u',' || c == u';'; }
constexpr bool IsWeekday(int token) { return token >= kSunday && token <= kSaturday; }

// True when the text is at least as long as the English name's first
// `letters` letters and begins with them.
bool BeginsWithEnglish(std::u16string_view text, std::u16string_view name, std::size_t letters) {
  return text.size() >= letters && EqualsIgnoringAsciiCase(text.substr(0, letters), name.substr(0, letters));
}

// The days from first to last, walking forward and wrapping past Saturday.
int RangeMask(int first, int last) {
  int mask = 0;
  for (int day = first;; day = (day + 1) % 7) {
    mask |= 1 << day;
    if (day == last) return mask;
  }
}

int TokenMask(int token) { return IsWeekday(token) ? 1 << token : token; }

// A "-" or ".." that makes a range; its length, or 0.
std::size_t RangeMarkLength(std::u16string_view text, std::size_t pos) {
  if (pos < text.size() && text[pos] == u'-') return 1;
  if (text.substr(pos).starts_with(u"..")) return 2;
  return 0;
}

}  // namespace

int ParseWeekday(std::u16string_view text) {
  if (text.empty()) return -1;
  if (IsDigit(text[0])) {
    const int value = ParseNumber(text);
    return (value < 0 || value > 7) ? -1 : value % 7;
  }
  const LocaleSnapshot& locale = Locale();
  for (int weekday = kSunday; weekday <= kSaturday; ++weekday) {
    if (EqualsIgnoringAsciiCase(text, locale.abbreviatedWeekdayNames[weekday].View())) return weekday;
  }
  for (int weekday = kSunday; weekday <= kSaturday; ++weekday) {
    if (BeginsWithEnglish(text, kEnglishWeekdayNames[weekday], 2)) return weekday;
  }
  return -1;
}

namespace {

// True when the first three letters of text and name agree, ignoring case
// beyond A to Z too.
bool SameFirstThreeLetters(std::u16string_view text, std::u16string_view name) {
  constexpr std::size_t kLetters = 3;
  if (text.size() < kLetters || name.size() < kLetters) return false;
  for (std::size_t i = 0; i < kLetters; ++i) {
    if (ToUpper(text[i]) != ToUpper(name[i])) return false;
  }
  return true;
}

}  // namespace

int MonthOfName(std::u16string_view text, MonthNameMatch match) {
  const LocaleSnapshot& locale = Locale();
  const auto localeName = [&](int month) { return locale.abbreviatedMonthNames[month].View(); };
  const auto english = [&](int month) { return BeginsWithEnglish(text, kEnglishMonthNames[month], 3); };
  if (match == MonthNameMatch::kWholeLocaleName) {
    for (int month = 1; month <= 12; ++month) {
      if (EqualsIgnoringAsciiCase(text, localeName(month))) return month;
    }
  }
  for (int month = 1; month <= 12; ++month) {
    if (english(month)) return month;
  }
  if (match == MonthNameMatch::kFirstThreeLetters) {
    for (int month = 1; month <= 12; ++month) {
      if (SameFirstThreeLetters(text, localeName(month))) return month;
    }
  }
  return -1;
}

int ParseMonth(std::u16string_view text) {
  if (text.empty()) return -1;
  if (IsDigit(text[0])) {
    const int value = ParseNumber(text);
    return (value < 1 || value > 12) ? -1 : value;
  }
  return MonthOfName(text, MonthNameMatch::kWholeLocaleName);
}

int ParseWeekdayToken(std::u16string_view text, std::size_t& length) {
  length = 0;
  while (length < text.size() && !IsTokenEnd(text[length])) ++length;
  const std::u16string_view token = text.substr(0, length);
  if (token.empty()) return -1;
  for (const std::u16string_view word : {u"weekday"sv, u"weekdays"sv}) {
    if (EqualsIgnoringAsciiCase(token, word)) return kWorkdaysMask;
  }
  for (const std::u16string_view word : {u"weekend"sv, u"weekends"sv}) {
    if (EqualsIgnoringAsciiCase(token, word)) return kWeekendMask;
  }
  return ParseWeekday(token);
}

int ParseWeekdayList(std::u16string_view text) {
  const bool negated = !text.empty() && (text[0] == u'!' || text[0] == u'^');
  if (negated) text.remove_prefix(1);
  int mask = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t length = 0;
    const int token = ParseWeekdayToken(text.substr(pos), length);
    if (token < 0) return -1;
    pos += length;
    int tokenMask = TokenMask(token);
    if (const std::size_t mark = IsWeekday(token) ? RangeMarkLength(text, pos) : 0) {
      pos += mark;
      const int last = ParseWeekdayToken(text.substr(pos), length);
      if (!IsWeekday(last)) return -1;
      pos += length;
      if (pos < text.size() && (text[pos] == u'-' || text[pos] == u'.')) return -1;
      tokenMask = RangeMask(token, last);
    }
    while (pos < text.size() && IsListGap(text[pos])) ++pos;
    mask |= tokenMask;
  }
  return negated ? kEveryDayMask - mask : mask;
}

int ParseYear(std::u16string_view text) {
  std::int64_t year = -1;
  if (text.empty()) {
    year = Today().year;
  } else if ((text[0] == u'+' || text[0] == u'-') && text.size() > 1 && IsDigit(text[1])) {
    const std::int32_t offset = ParseNumber(text.substr(1));
    if (offset < 0) return -1;
    year = text[0] == u'-' ? std::int64_t{Today().year} - offset : std::int64_t{Today().year} + offset;
  } else if (IsDigit(text[0])) {
    year = ParseNumber(text);
  }
  return (year >= kFirstYear && year <= kLastYear) ? static_cast<int>(year) : -1;
}

}  // namespace kalendra
