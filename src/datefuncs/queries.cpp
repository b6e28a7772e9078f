// The date query functions. Most read the common date arguments and write
// one fact about the date; @usweek, @leap, @monthlen, @monthname and @isdate
// read arguments of their own.
#include "datefuncs/queries.h"

#include "calendar/date_grammar.h"
#include "calendar/english_names.h"
#include "calendar/locale_snapshot.h"
#include "calendar/names.h"
#include "calendar/today.h"
#include "calendar/argument_reader.h"
#include "datefuncs/us_week.h"
#include "frame/errors.h"

namespace kalendra {
namespace {

constexpr Message kInvalidMonthMessage = u"Invalid month \"%s\"";

// The common date arguments, in the order of their checks: argument 2 the
// order preference (the locale's when empty), then argument 1 the date
// (today when empty).
CalendarDate ReadQueryDate(ArgumentReader& read) {
  const DateFormat order = read.Format(2, LocaleFormat());
  return read.Date(1, order, kInvalidDateMessage);
}

// Reads the common date arguments and writes a number about the date. Every
// number but @date's is positive, so "%d" writes it as "%u" would.
int AnswerNumberQuery(KChar* buffer, int (*number)(const CalendarDate& date)) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  const CalendarDate date = ReadQueryDate(read);
  if (read.Failed()) return kErrorResult;
  return AnswerNumber(buffer, number(date));
}

// Reads the common date arguments and writes a name for the date.
int AnswerNameQuery(KChar* buffer, std::u16string_view (*name)(const CalendarDate& date)) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  const CalendarDate date = ReadQueryDate(read);
  if (read.Failed()) return kErrorResult;
  return AnswerText(buffer, name(date));
}

int WeekdayOfDate(const CalendarDate& date) { return WeekdayOf(ToDayNumber(date)); }

// @monthlen's year argument: the text "0" or "1" is the leap flag itself,
// anything else a year that gives it; -1 for a bad year.
int ParseLeapFlag(std::u16string_view text) {
  if (text == u"0" || text == u"1") return text[0] - u'0';
  const int year = ParseYear(text);
  return year < 0 ? -1 : IsLeapYear(year);
}

// @monthname's styles, by the two lowest bits of the style number.
std::u16string_view MonthName(int month, int style) {
  switch (style % 4) {
    case 0: return kEnglishMonthNames[month];
    case 1: return EnglishAbbreviation(kEnglishMonthNames[month]);
    case 2: return Locale().monthNames[static_cast<std::size_t>(month)].View();
    default: return Locale().abbreviatedMonthNames[static_cast<std::size_t>(month)].View();
  }
}

}  // namespace

int DateFunction(KChar* buffer) {
  return AnswerNumberQuery(buffer, [](const CalendarDate& date) { return ToDayNumber(date) - kDay19800101; });
}

int DayFunction(KChar* buffer) {
  return AnswerNumberQuery(buffer, [](const CalendarDate& date) { return date.day; });
}

int MonthFunction(KChar* buffer) {
  return AnswerNumberQuery(buffer, [](const CalendarDate& date) { return date.month; });
}

int YearFunction(KChar* buffer) {
  return AnswerNumberQuery(buffer, [](const CalendarDate& date) { return date.year; });
}

int DowFunction(KChar* buffer) {
  return AnswerNameQuery(buffer, [](const CalendarDate& date) {
    return EnglishAbbreviation(kEnglishWeekdayNames[WeekdayOfDate(date)]);
  });
}

int DowfFunction(KChar* buffer) {
  return AnswerNameQuery(buffer, [](const CalendarDate& date) { return kEnglishWeekdayNames[WeekdayOfDate(date)]; });
}

int DowiFunction(KChar* buffer) {
  return AnswerNumberQuery(buffer, [](const CalendarDate& date) { return WeekdayOfDate(date) + 1; });
}

int IdowFunction(KChar* buffer) {
  return AnswerNameQuery(buffer, [](const CalendarDate& date) {
    return Locale().abbreviatedWeekdayNames[static_cast<std::size_t>(WeekdayOfDate(date))].View();
  });
}

int IdowfFunction(KChar* buffer) {
  return AnswerNameQuery(buffer, [](const CalendarDate& date) {
    return Locale().weekdayNames[static_cast<std::size_t>(WeekdayOfDate(date))].View();
  });
}

int DoyFunction(KChar* buffer) { return AnswerNumberQuery(buffer, DayOfYear); }

int IsoDowiFunction(KChar* buffer) {
  return AnswerNumberQuery(buffer, [](const CalendarDate& date) { return ToIsoWeekDate(date).weekday; });
}

int IsoWeekFunction(KChar* buffer) {
  return AnswerNumberQuery(buffer, [](const CalendarDate& date) { return ToIsoWeekDate(date).week; });
}

int IsoWeekYearFunction(KChar* buffer) {
  return AnswerNumberQuery(buffer, [](const CalendarDate& date) { return ToIsoWeekDate(date).year; });
}

int UsWeekFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  const CalendarDate date = ReadQueryDate(read);
  const int firstWeekday = read.Parsed(3, ParseWeekday, kSunday, kBadWeekdayMessage);
  const int flags = read.Number(4, 0, kBadFlagsMessage);
  if (read.Failed()) return kErrorResult;
  return AnswerNumber(buffer, UsWeekNumber(date, firstWeekday, flags));
}

int LeapFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  const int year = read.Parsed(1, ParseYear, Today().year, kInvalidYearMessage);
  if (read.Failed()) return kErrorResult;
  return AnswerNumber(buffer, IsLeapYear(year));
}

int MonthLenFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  const int month = read.Parsed(1, ParseMonth, Today().month, kInvalidMonthMessage);
  const int leap = read.Parsed(2, ParseLeapFlag, IsLeapYear(Today().year), kInvalidYearMessage);
  if (read.Failed()) return kErrorResult;
  return AnswerNumber(buffer, MonthLength(month, leap));
}

int MonthNameFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  const int style = read.Number(2, 0, u"Invalid arg \"%s\"");
  const int month = read.Parsed(1, ParseMonth, Today().month, kInvalidMonthMessage);
  if (read.Failed()) return kErrorResult;
  return AnswerText(buffer, MonthName(month, style));
}

int IsDateFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  if (!HasArgument(1)) return AnswerText(buffer, u"0");
  const DateFormat format = read.Format(2, LocaleFormat());
  if (read.Failed()) return kErrorResult;
  CalendarDate date;
  return AnswerText(buffer, ParseDate(Argument(1), date, format) == 0 ? u"1" : u"0");
}

}  // namespace kalendra
