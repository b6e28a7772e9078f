// POSIX back-end: the user's locale, as the environment selects it (LC_ALL,
// then LC_TIME, then LANG), read from ICU's locale data. The items are read
// once per selection; ReloadLocaleIfChanged only compares the selection with
// the last one.
#include <unicode/calendar.h>
#include <unicode/datefmt.h>
#include <unicode/dcfmtsym.h>
#include <unicode/dtfmtsym.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/strenum.h>
#include <unicode/timezone.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/posix/environment.h"

namespace kalendra::platform {
namespace {

using Text = std::optional<std::u16string>;

std::u16string FromIcu(const icu::UnicodeString& text) {
  return std::u16string(text.getBuffer(), static_cast<std::size_t>(text.length()));
}

// The environment's locale name, first of LC_ALL, LC_TIME and LANG that is
// set and not empty; empty when none is. One pass over the environment, as
// this is asked on every call.
const char* SelectedLocaleName() {
  constexpr std::string_view kNames[] = {"LC_ALL=", "LC_TIME=", "LANG="};
  const char* found[3] = {nullptr, nullptr, nullptr};
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if ((*entry)[0] != 'L') continue;
    // Compared by prefix alone: a long entry (LS_COLORS) is never measured.
    for (std::size_t i = 0; i < 3; ++i) {
      if (found[i] == nullptr && std::strncmp(*entry, kNames[i].data(), kNames[i].size()) == 0) {
        found[i] = *entry + kNames[i].size();
      }
    }
  }
  for (const char* value : found) {
    if (value != nullptr && *value != '\0') return value;
  }
  return "";
}

// "de_DE.UTF-8@euro" names the ICU locale "de_DE"; C and POSIX behave as US
// English.
icu::Locale IcuLocaleFor(const std::string& selection) {
  const std::string name = selection.substr(0, selection.find_first_of(".@"));
  if (name.empty() || name == "C" || name == "POSIX") return icu::Locale("en_US");
  return icu::Locale(name.c_str());
}

// ---- Date patterns ---------------------------------------------------------

bool IsPatternLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// The fields of a pattern in order (one letter per run), and the literal
// text that follows each field up to the next one; quoted text is literal.
struct PatternFields {
  std::u16string letters;
  std::vector<std::u16string> literalsAfter;
};

PatternFields SplitPattern(std::u16string_view pattern) {
  PatternFields fields;
  bool quoted = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char16_t c = pattern[i];
    if (c == u'\'') {
      const bool doubled = i + 1 < pattern.size() && pattern[i + 1] == u'\'';
      if (doubled) {
        ++i;
      } else {
        quoted = !quoted;
        continue;
      }
    } else if (!quoted && IsPatternLetter(c)) {
      if (i == 0 || pattern[i - 1] != c) {
        fields.letters += c;
        fields.literalsAfter.emplace_back();
      }
      continue;
    }
    if (!fields.literalsAfter.empty()) fields.literalsAfter.back() += c;
  }
  return fields;
}

std::u16string PatternOf(icu::DateFormat* format) {
  icu::UnicodeString pattern;
  if (auto* simple = dynamic_cast<icu::SimpleDateFormat*>(format)) simple->toPattern(pattern);
  return FromIcu(pattern);
}

std::u16string DatePattern(icu::DateFormat::EStyle style, const icu::Locale& locale) {
  std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(style, locale));
  return format ? PatternOf(format.get()) : std::u16string();
}

std::u16string TimePattern(const icu::Locale& locale) {
  std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createTimeInstance(icu::DateFormat::kShort, locale));
  return format ? PatternOf(format.get()) : std::u16string();
}

char16_t FieldKind(char16_t letter) {
  switch (letter) {
    case u'y': case u'Y': case u'u': case u'U': case u'r': return u'y';
    case u'M': case u'L': return u'M';
    case u'd': return u'd';
    case u'h': case u'H': case u'k': case u'K': return u'h';
    case u'm': return u'm';
    default: return 0;
  }
}

// The kinds of the pattern's fields among the wanted ones, in order.
std::u16string KindsInOrder(const PatternFields& fields, std::u16string_view wanted) {
  std::u16string kinds;
  for (const char16_t letter : fields.letters) {
    const char16_t kind = FieldKind(letter);
    if (kind != 0 && wanted.find(kind) != std::u16string_view::npos && kinds.find(kind) == std::u16string::npos) {
      kinds += kind;
    }
  }
  return kinds;
}

// "0" month-day-year, "1" day-month-year, "2" year-month-day.
Text OrderOfPattern(std::u16string_view pattern) {
  const std::u16string kinds = KindsInOrder(SplitPattern(pattern), u"yMd");
  if (kinds == u"Mdy") return u"0";
  if (kinds == u"dMy") return u"1";
  if (kinds == u"yMd") return u"2";
  return std::nullopt;
}

// The literal text after the first field of one of the given kinds.
Text SeparatorAfter(std::u16string_view pattern, std::u16string_view kinds) {
  const PatternFields fields = SplitPattern(pattern);
  for (std::size_t i = 0; i + 1 < fields.letters.size(); ++i) {
    if (kinds.find(FieldKind(fields.letters[i])) != std::u16string_view::npos) return fields.literalsAfter[i];
  }
  return std::nullopt;
}

// ---- The locale's items, read once -----------------------------------------

struct LocaleData {
  std::string selection;
  icu::Locale locale;
  std::map<LocaleItem, Text> items;
  std::map<std::pair<LocaleNameSet, int>, Text> names;
};

Text Symbol(const icu::DecimalFormatSymbols& symbols, icu::DecimalFormatSymbols::ENumberFormatSymbol which) {
  return FromIcu(symbols.getSymbol(which));
}

void ReadItems(LocaleData& data) {
  const std::u16string shortDate = DatePattern(icu::DateFormat::kShort, data.locale);
  const std::u16string longDate = DatePattern(icu::DateFormat::kFull, data.locale);
  data.items[LocaleItem::kShortDateOrder] = OrderOfPattern(shortDate);
  data.items[LocaleItem::kLongDateOrder] = OrderOfPattern(longDate);
  data.items[LocaleItem::kDateSeparator] = SeparatorAfter(shortDate, u"yMd");
  data.items[LocaleItem::kTimeSeparator] = SeparatorAfter(TimePattern(data.locale), u"h");

  UErrorCode status = U_ZERO_ERROR;
  const icu::DecimalFormatSymbols numbers(data.locale, status);
  if (U_SUCCESS(status)) {
    data.items[LocaleItem::kDecimalSeparator] = Symbol(numbers, icu::DecimalFormatSymbols::kDecimalSeparatorSymbol);
    data.items[LocaleItem::kThousandsSeparator] = Symbol(numbers, icu::DecimalFormatSymbols::kGroupingSeparatorSymbol);
  }

  status = U_ZERO_ERROR;
  const std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(data.locale, status));
  if (U_SUCCESS(status)) {
    const UCalendarDaysOfWeek first = calendar->getFirstDayOfWeek(status);  // UCAL_SUNDAY = 1
    if (U_SUCCESS(status)) {
      data.items[LocaleItem::kFirstDayOfWeek] = std::u16string(1, static_cast<char16_t>(u'0' + (first + 5) % 7));
    }
  }

  icu::UnicodeString country;
  data.locale.getDisplayCountry(icu::Locale::getEnglish(), country);
  data.items[LocaleItem::kEnglishCountryName] = FromIcu(country);

  status = U_ZERO_ERROR;
  const icu::DateFormatSymbols symbols(data.locale, status);
  if (U_FAILURE(status)) return;
  int32_t count = 0;
  const icu::UnicodeString* amPm = symbols.getAmPmStrings(count);
  if (count >= 2) {
    data.items[LocaleItem::kAmDesignator] = FromIcu(amPm[0]);
    data.items[LocaleItem::kPmDesignator] = FromIcu(amPm[1]);
  }
}

// Names as they stand alone (nominative, no abbreviation dot), the way the
// locale lists them.
void ReadNames(LocaleData& data) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::DateFormatSymbols symbols(data.locale, status);
  if (U_FAILURE(status)) return;
  using Symbols = icu::DateFormatSymbols;
  const auto months = [&](LocaleNameSet set, Symbols::DtWidthType width) {
    int32_t count = 0;
    const icu::UnicodeString* names = symbols.getMonths(count, Symbols::STANDALONE, width);
    for (int month = 1; month <= 12 && month <= count; ++month) data.names[{set, month}] = FromIcu(names[month - 1]);
  };
  // ICU lists weekdays from index 1 = Sunday; the locale items start on Monday.
  const auto weekdays = [&](LocaleNameSet set, Symbols::DtWidthType width) {
    int32_t count = 0;
    const icu::UnicodeString* names = symbols.getWeekdays(count, Symbols::STANDALONE, width);
    for (int monday1 = 1; monday1 <= 7; ++monday1) {
      const int icuIndex = monday1 % 7 + 1;
      if (icuIndex < count) data.names[{set, monday1}] = FromIcu(names[icuIndex]);
    }
  };
  months(LocaleNameSet::kMonth, Symbols::WIDE);
  months(LocaleNameSet::kAbbreviatedMonth, Symbols::ABBREVIATED);
  weekdays(LocaleNameSet::kWeekday, Symbols::WIDE);
  weekdays(LocaleNameSet::kAbbreviatedWeekday, Symbols::ABBREVIATED);
}

std::unique_ptr<LocaleData>& LoadedLocale() {
  static std::unique_ptr<LocaleData> loaded;
  return loaded;
}

// Counts the locales loaded: each load is a new generation.
std::uint64_t& Generation() {
  static std::uint64_t generation = 0;
  return generation;
}

void LoadLocale(const char* selection) {
  ++Generation();
  auto data = std::make_unique<LocaleData>();
  data->selection = selection;
  data->locale = IcuLocaleFor(data->selection);
  ReadItems(*data);
  ReadNames(*data);
  LoadedLocale() = std::move(data);
}

// The data of the locale last loaded; the selected one on first use.
const LocaleData& CurrentLocale() {
  if (!LoadedLocale()) LoadLocale(SelectedLocaleName());
  return *LoadedLocale();
}

template <typename Map, typename Key>
Text Lookup(const Map& map, const Key& key) {
  const auto found = map.find(key);
  return found == map.end() ? std::nullopt : found->second;
}

std::u16string NameOf(const LocaleData& data, LocaleNameSet set, int index) {
  return Lookup(data.names, std::make_pair(set, index)).value_or(u"");
}

// ---- Writing dates ---------------------------------------------------------

// Noon UTC of the date, so that no zone offset moves it to another day.
std::optional<UDate> NoonUtc(const LocaleDate& date) {
  UErrorCode status = U_ZERO_ERROR;
  icu::GregorianCalendar calendar(*icu::TimeZone::getGMT(), status);
  if (U_FAILURE(status)) return std::nullopt;
  calendar.clear();
  calendar.set(date.year, date.month - 1, date.day, 12, 0, 0);
  const UDate when = calendar.getTime(status);
  return U_SUCCESS(status) ? std::optional<UDate>(when) : std::nullopt;
}

Text FormatWith(icu::DateFormat* format, const LocaleDate& date) {
  const std::optional<UDate> when = NoonUtc(date);
  if (format == nullptr || !when) return std::nullopt;
  format->setTimeZone(*icu::TimeZone::getGMT());
  icu::UnicodeString text;
  format->format(*when, text);
  return FromIcu(text);
}

Text FormatInStyle(icu::DateFormat::EStyle style, const icu::Locale& locale, const LocaleDate& date) {
  std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateInstance(style, locale));
  return FormatWith(format.get(), date);
}

// The locale's other calendar: the first of its commonly used calendars that
// is not its default one; the default when it has no other.
icu::Locale WithAlternativeCalendar(const icu::Locale& locale) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::StringEnumeration> calendars(
      icu::Calendar::getKeywordValuesForLocale("calendar", locale, true, status));
  if (U_FAILURE(status) || !calendars) return locale;
  const char* defaultCalendar = calendars->next(nullptr, status);
  while (const char* calendar = calendars->next(nullptr, status)) {
    if (defaultCalendar == nullptr || std::string(calendar) != defaultCalendar) {
      icu::Locale alternative(locale);
      alternative.setKeywordValue("calendar", calendar, status);
      return U_SUCCESS(status) ? alternative : locale;
    }
  }
  return locale;
}

std::u16string Digits(int value, std::size_t width) {
  std::u16string text;
  do {
    text.insert(text.begin(), static_cast<char16_t>(u'0' + value % 10));
    value /= 10;
  } while (value > 0);
  if (text.size() < width) text.insert(0, width - text.size(), u'0');
  return text;
}

// Month names in a picture that also writes the day number are in the form
// that goes with a day (the genitive in some languages).
std::u16string FullMonthName(const LocaleData& data, int month, bool withDay) {
  if (withDay) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::DateFormatSymbols symbols(data.locale, status);
    int32_t count = 0;
    const icu::UnicodeString* names =
        symbols.getMonths(count, icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::WIDE);
    if (U_SUCCESS(status) && month <= count) return FromIcu(names[month - 1]);
  }
  return NameOf(data, LocaleNameSet::kMonth, month);
}

std::u16string EraName(const LocaleData& data) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::DateFormatSymbols symbols(data.locale, "gregorian", status);
  int32_t count = 0;
  const icu::UnicodeString* eras = symbols.getEras(count);
  return (U_SUCCESS(status) && count >= 2) ? FromIcu(eras[1]) : std::u16string();  // era 1 is AD
}

// One run of a picture letter ("dddd", "yy") as text.
std::u16string PictureField(const LocaleData& data, const LocaleDate& date, char16_t letter, std::size_t count,
                            bool withDay) {
  const int monday1 = date.weekday == 0 ? 7 : date.weekday;
  switch (letter) {
    case u'd':
      if (count <= 2) return Digits(date.day, count);
      return NameOf(data, count == 3 ? LocaleNameSet::kAbbreviatedWeekday : LocaleNameSet::kWeekday, monday1);
    case u'M':
      if (count <= 2) return Digits(date.month, count);
      if (count == 3) return NameOf(data, LocaleNameSet::kAbbreviatedMonth, date.month);
      return FullMonthName(data, date.month, withDay);
    case u'y':
      if (count >= 4) return Digits(date.year, 4);
      return Digits(date.year % 100, count == 1 ? 1 : 2);
    default:  // g, gg
      return EraName(data);
  }
}

bool IsPictureLetter(char16_t c) { return c == u'd' || c == u'M' || c == u'y' || c == u'g'; }

// A picture cut into runs of one field letter ("dddd") and literal text.
struct PictureToken {
  char16_t letter = 0;  // 0 for literal text
  std::size_t count = 0;
  std::u16string literal;
};

// Quoted text is literal; '' is an apostrophe, inside quotes or out.
std::vector<PictureToken> TokenizePicture(std::u16string_view picture) {
  std::vector<PictureToken> tokens;
  const auto literal = [&](char16_t c) {
    if (tokens.empty() || tokens.back().letter != 0) tokens.emplace_back();
    tokens.back().literal += c;
  };
  bool quoted = false;
  for (std::size_t i = 0; i < picture.size(); ++i) {
    const char16_t c = picture[i];
    if (c == u'\'') {
      if (i + 1 < picture.size() && picture[i + 1] == u'\'') {
        literal(picture[++i]);
      } else {
        quoted = !quoted;
      }
    } else if (quoted || !IsPictureLetter(c)) {
      literal(c);
    } else if (i > 0 && picture[i - 1] == c && !tokens.empty() && tokens.back().letter == c) {
      ++tokens.back().count;
    } else {
      tokens.push_back({c, 1, {}});
    }
  }
  return tokens;
}

std::u16string TranslatePicture(const LocaleData& data, const LocaleDate& date, std::u16string_view picture) {
  const std::vector<PictureToken> tokens = TokenizePicture(picture);
  bool withDay = false;  // d or dd: the day of the month as a number
  for (const PictureToken& token : tokens) withDay = withDay || (token.letter == u'd' && token.count <= 2);
  std::u16string text;
  for (const PictureToken& token : tokens) {
    text += token.letter == 0 ? token.literal : PictureField(data, date, token.letter, token.count, withDay);
  }
  return text;
}

}  // namespace

std::uint64_t ReloadLocaleIfChanged() {
  // The selection is read again only when the environment may have changed.
  static EnvironmentWatch watch{"LC_ALL", "LC_TIME", "LANG"};
  if (!watch.Changed() && LoadedLocale()) return Generation();
  const char* selection = SelectedLocaleName();
  if (!LoadedLocale() || LoadedLocale()->selection != selection) LoadLocale(selection);
  return Generation();
}

std::optional<std::u16string> LocaleInfo(LocaleItem item) { return Lookup(CurrentLocale().items, item); }

std::optional<std::u16string> LocaleName(LocaleNameSet set, int index) {
  return Lookup(CurrentLocale().names, std::make_pair(set, index));
}

std::optional<std::u16string> FormatLocaleDate(LocaleDateStyle style, const LocaleDate& date,
                                               std::u16string_view picture) {
  const LocaleData& data = CurrentLocale();
  switch (style) {
    case LocaleDateStyle::kLongDate: return FormatInStyle(icu::DateFormat::kFull, data.locale, date);
    case LocaleDateStyle::kAlternativeCalendar:
      return FormatInStyle(icu::DateFormat::kShort, WithAlternativeCalendar(data.locale), date);
    case LocaleDateStyle::kPicture:
      if (!picture.empty()) return TranslatePicture(data, date, picture);
      [[fallthrough]];
    case LocaleDateStyle::kShortDate: break;
  }
  return FormatInStyle(icu::DateFormat::kShort, data.locale, date);
}

}  // namespace kalendra::platform
