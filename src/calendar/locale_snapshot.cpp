// Reading the user's locale into the snapshot. The platform answers in the
// terms of the Windows locale items; the rules here turn them into settings.
#include "calendar/locale_snapshot.h"

#include <optional>

#include "calendar/english_names.h"
#include "frame/numbers.h"
#include "frame/text.h"
#include "platform/platform.h"

namespace kalendra {
namespace {

using platform::LocaleInfo;
using platform::LocaleItem;
using platform::LocaleName;
using platform::LocaleNameSet;

// The locale's ordering values 0, 1, 2 as our orders 1, 2, 3; anything else
// is no answer.
std::optional<DateOrder> OrderFromLocale(const std::optional<std::u16string>& value) {
  if (!value) return std::nullopt;
  switch (ParseNumber(*value)) {
    case 0: return kMonthDayYear;
    case 1: return kDayMonthYear;
    case 2: return kYearMonthDay;
    default: return std::nullopt;
  }
}

// A separator is taken only when it is one of the allowed characters alone.
std::optional<KChar> SeparatorFromLocale(const std::optional<std::u16string>& value, std::u16string_view allowed) {
  if (!value || value->size() != 1 || allowed.find((*value)[0]) == std::u16string_view::npos) return std::nullopt;
  return (*value)[0];
}

// The locale counts 0 = Monday ... 6 = Sunday; we count from Sunday.
std::optional<int> FirstWeekdayFromLocale(const std::optional<std::u16string>& value) {
  if (!value) return std::nullopt;
  const int monday0 = ParseNumber(*value);
  if (monday0 < 0 || monday0 > 6) return std::nullopt;
  return (monday0 + 1) % 7;
}

template <typename T>
void KeepIfRead(T& field, const std::optional<T>& value) {
  if (value) field = *value;
}

template <std::size_t Capacity>
void KeepIfRead(TextSlot<Capacity>& slot, const std::optional<std::u16string>& value) {
  if (value) slot.Assign(*value);
}

// First character and every character after white space upper-cased.
std::u16string TitleCase(std::u16string_view name) {
  std::u16string result(name);
  bool startsWord = true;
  for (KChar& c : result) {
    if (startsWord) c = ToUpper(c);
    startsWord = IsSpace(c);
  }
  return result;
}

void RefreshNames(LocaleSnapshot& locale) {
  for (int month = 1; month <= 12; ++month) {
    KeepIfRead(locale.monthNames[month], LocaleName(LocaleNameSet::kMonth, month));
    KeepIfRead(locale.abbreviatedMonthNames[month], LocaleName(LocaleNameSet::kAbbreviatedMonth, month));
    locale.titleCaseMonthNames[month].Assign(TitleCase(locale.monthNames[month].View()));
  }
  // The locale numbers weekdays 1 = Monday ... 7 = Sunday; Sunday is our 0.
  for (int monday1 = 1; monday1 <= 7; ++monday1) {
    const int weekday = monday1 % 7;
    KeepIfRead(locale.weekdayNames[weekday], LocaleName(LocaleNameSet::kWeekday, monday1));
    KeepIfRead(locale.abbreviatedWeekdayNames[weekday], LocaleName(LocaleNameSet::kAbbreviatedWeekday, monday1));
  }
}

}  // namespace

constinit LocaleSnapshot theLocaleSnapshot;

namespace {

// The two settings as the locale gave them, for the calls between changes.
struct LocaleOverridable {
  int firstWeekday = 0;
  CountryNameSlot holidayCountry;
};

LocaleOverridable& AsRead() {
  static LocaleOverridable read;
  return read;
}

}  // namespace

int RefreshLocale() {
  const std::uint64_t generation = platform::ReloadLocaleIfChanged();
  LocaleSnapshot& locale = Locale();
  if (locale.generation == generation) {
    locale.firstWeekday = AsRead().firstWeekday;
    // Copied back only when a call has set it since: the slot is large.
    if (locale.holidayCountry.Assignments() != AsRead().holidayCountry.Assignments()) {
      locale.holidayCountry = AsRead().holidayCountry;
    }
    return 0;
  }
  locale.generation = generation;
  KeepIfRead(locale.dateOrder, OrderFromLocale(LocaleInfo(LocaleItem::kShortDateOrder)));
  KeepIfRead(locale.longDateOrder, OrderFromLocale(LocaleInfo(LocaleItem::kLongDateOrder)));
  KeepIfRead(locale.dateSeparator, SeparatorFromLocale(LocaleInfo(LocaleItem::kDateSeparator), u"/-."));
  KeepIfRead(locale.timeSeparator, SeparatorFromLocale(LocaleInfo(LocaleItem::kTimeSeparator), u":."));
  KeepIfRead(locale.decimalSeparator, SeparatorFromLocale(LocaleInfo(LocaleItem::kDecimalSeparator), u".,"));
  KeepIfRead(locale.firstWeekday, FirstWeekdayFromLocale(LocaleInfo(LocaleItem::kFirstDayOfWeek)));
  RefreshNames(locale);
  KeepIfRead(locale.amDesignator, LocaleInfo(LocaleItem::kAmDesignator));
  KeepIfRead(locale.pmDesignator, LocaleInfo(LocaleItem::kPmDesignator));
  KeepIfRead(locale.holidayCountry, LocaleInfo(LocaleItem::kEnglishCountryName));
  AsRead() = {locale.firstWeekday, locale.holidayCountry};
  return 0;
}

}  // namespace kalendra
