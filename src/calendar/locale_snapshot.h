// LocaleSnapshot: the settings of the user's locale that dates, times and
// names depend on, and RefreshLocale, which re-reads them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "calendar/english_names.h"
#include "contract/host_interface.h"

namespace kalendra {

// How much of a text fits in maxLength characters without cutting a UTF-16
// surrogate pair in half. Not inlined: inlined for a short literal, GCC
// warns of the index it can never reach.
[[gnu::noinline]] constexpr std::size_t FittingLength(std::u16string_view text, std::size_t maxLength) {
  if (text.size() <= maxLength) return text.size();
  const bool splitsPair = maxLength > 0 && text[maxLength - 1] >= 0xD800 && text[maxLength - 1] <= 0xDBFF;
  return splitsPair ? maxLength - 1 : maxLength;
}

// A fixed slot for one locale text; a longer text is cut, never a UTF-16
// surrogate pair in half. The text is always zero-terminated.
template <std::size_t Capacity>
class TextSlot {
 public:
  constexpr TextSlot() = default;
  constexpr void Assign(std::u16string_view text) {
    const std::size_t n = FittingLength(text, Capacity - 1);
    for (std::size_t i = 0; i < n; ++i) text_[i] = text[i];
    text_[n] = u'\0';
    length_ = n;
    ++assignments_;
  }
  std::u16string_view View() const { return {text_.data(), length_}; }
  const KChar* c_str() const { return text_.data(); }
  // Counts the texts assigned; a copy of the slot takes the count with the
  // text, so a copy whose count is still its source's holds the same text.
  std::uint64_t Assignments() const { return assignments_; }

 private:
  std::array<KChar, Capacity> text_{};
  std::size_t length_ = 0;
  std::uint64_t assignments_ = 0;
};

inline constexpr std::size_t kNameSlotLength = 80;          // 79 characters and a terminator
inline constexpr std::size_t kCountryNameSlotLength = 128;  // 127 characters and a terminator
using NameSlot = TextSlot<kNameSlotLength>;
using CountryNameSlot = TextSlot<kCountryNameSlotLength>;

// Date orders: the default date order of the locale is 1, 2 or 3; 4 (ISO)
// is only ever asked for, and reads like 3.
enum DateOrder : int { kMonthDayYear = 1, kDayMonthYear = 2, kYearMonthDay = 3, kIsoOrder = 4 };

// Everything below starts as US English; a query that fails keeps the value
// that the field held before. Names are indexed as the calendar numbers them:
// months 1..12 (slot 0 unused), weekdays 0 = Sunday ... 6 = Saturday.
struct LocaleSnapshot {
  DateOrder dateOrder = kMonthDayYear;
  DateOrder longDateOrder = kMonthDayYear;
  KChar dateSeparator = u'/';
  KChar timeSeparator = u':';
  KChar decimalSeparator = u'.';
  int firstWeekday = 0;  // 0 = Sunday, 1 = Monday
  std::array<NameSlot, 13> monthNames;
  std::array<NameSlot, 13> abbreviatedMonthNames;
  std::array<NameSlot, 13> titleCaseMonthNames;  // empty until the first refresh
  std::array<NameSlot, 7> weekdayNames;
  std::array<NameSlot, 7> abbreviatedWeekdayNames;
  NameSlot amDesignator;  // "AM"
  NameSlot pmDesignator;  // "PM"
  CountryNameSlot holidayCountry;

  // The platform's locale generation the fields were read in; 0 until the
  // first refresh (and after the snapshot is replaced by a new one).
  std::uint64_t generation = 0;

  // US English: AM, PM and the English names.
  constexpr LocaleSnapshot() {
    amDesignator.Assign(u"AM");
    pmDesignator.Assign(u"PM");
    for (std::size_t month = 1; month <= 12; ++month) {
      monthNames[month].Assign(kEnglishMonthNames[month]);
      abbreviatedMonthNames[month].Assign(EnglishAbbreviation(kEnglishMonthNames[month]));
    }
    for (std::size_t weekday = 0; weekday < 7; ++weekday) {
      weekdayNames[weekday].Assign(kEnglishWeekdayNames[weekday]);
      abbreviatedWeekdayNames[weekday].Assign(EnglishAbbreviation(kEnglishWeekdayNames[weekday]));
    }
  }
};

// The one snapshot of the process, defined once in locale_snapshot.cpp and
// made before the program runs, so that every call reaches it without a
// guard. Callers that override HolidayCountry or FirstWeekday for one call
// write them here; the next RefreshLocale restores both from the locale.
extern LocaleSnapshot theLocaleSnapshot;

inline LocaleSnapshot& Locale() { return theLocaleSnapshot; }

// Brings Locale() up to date with the user's locale: every setting is read
// again when the platform reports a change, and the two that callers
// override (HolidayCountry, FirstWeekday) are restored from the locale on
// every call. Returns 0.
int RefreshLocale();

}  // namespace kalendra
