// The date arithmetic functions. All of them compute on day numbers, so
// month and year ends need no care of their own; every result date is
// checked against the calendar's range before it is written.
#include "datefuncs/arithmetic.h"

#include <algorithm>
#include <cstdlib>

#include "calendar/date_format.h"
#include "calendar/names.h"
#include "calendar/argument_reader.h"
#include "frame/errors.h"

namespace kalendra {
namespace {

constexpr std::u16string_view kInvalidStartMessage = u"Invalid start date \"%s\"";
constexpr std::u16string_view kInvalidEndMessage = u"Invalid end date \"%s\"";

// @makedate's numbers count from 1980-01-01 as @date writes them.
constexpr std::int64_t kFirstDateNumber = kFirstDay - kDay19800101;  // -138426
constexpr std::int64_t kLastDateNumber = kLastDay - kDay19800101;    // 2929244

// The year of the first date with this month and day strictly after the
// reference date; February 29 waits for a leap year.
int NextYearOf(const CalendarDate& reference, int month, int day) {
  int year = reference.year;
  if (month < reference.month || (month == reference.month && day <= reference.day)) ++year;
  if (month == 2 && day == 29) {
    while (IsLeapYear(year) == 0) ++year;
  }
  return year;
}

}  // namespace

int DatePlusFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  read.Require(1, kNoDateMessage);
  const DateFormat format = read.Format(3, kFourDigitYearBit);
  const DayNumber start = read.Day(1, format, kInvalidDateMessage);
  read.Require(2, u"No offset");
  const std::int64_t offset = read.SignedNumber(2, kBadOffsetMessage);
  if (read.Failed()) return kErrorResult;
  return WriteDate(buffer, start + offset, format);
}

int DaysFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  read.Require(1, u"No start date");
  read.Require(2, u"No end date");
  const DateFormat format = read.Format(3, LocaleFormat());
  const DayNumber start = read.Day(1, format, kInvalidStartMessage);
  const DayNumber end = read.Day(2, format, kInvalidEndMessage);
  const int countBothEnds = read.Number(4, 0, kInvalidModeMessage, 0, 1);
  if (read.Failed()) return kErrorResult;
  return AnswerNumber(buffer, countBothEnds ? std::abs(end - start) + 1 : end - start);
}

int MakeDateFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  read.Require(1, u"No day number");
  const std::int64_t number = read.SignedNumber(1, u"Invalid day number \"%s\"", kFirstDateNumber, kLastDateNumber);
  const DateFormat format = read.Format(2, LocaleFormat());
  if (read.Failed()) return kErrorResult;
  return WriteDate(buffer, number + kDay19800101, format);
}

int DateConvFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  const DateFormat input = read.Format(2, LocaleFormat());
  const DateFormat output = read.Format(3, input);
  read.Require(1, kNoDateMessage);
  const CalendarDate date = read.Date(1, input, kInvalidDateMessage);
  if (read.Failed()) return kErrorResult;
  return FormatDate(buffer, date, output);
}

int InRangeFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  read.Require(1, kNoDateMessage);
  read.Require(2, u"No start date");
  read.Require(3, u"No end date");
  const DateFormat format = read.Format(4, LocaleFormat());
  const DayNumber day = read.Day(1, format, kInvalidDateMessage);
  const DayNumber start = read.Day(2, format, kInvalidStartMessage);
  const DayNumber end = read.Day(3, format, kInvalidEndMessage);
  if (read.Failed()) return kErrorResult;
  // The ends may come in either order; both belong to the range.
  if (day < std::min(start, end)) return AnswerText(buffer, u"-1");
  return AnswerText(buffer, day > std::max(start, end) ? u"1" : u"0");
}

int NextDateFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  read.Require(1, kNoMonthMessage);
  const int month = read.Parsed(1, ParseMonth, 0, kBadMonthMessage);
  read.Require(2, u"No day");
  if (read.Failed()) return kErrorResult;  // the day's bound below needs the month
  // The month's length in a leap year, so that February 29 can be asked for.
  const int day = read.Number(2, 0, u"Bad day \"%s\"", 1, MonthLength(month, 1));
  const DateFormat format = read.Format(4, kFourDigitYearBit);
  const CalendarDate reference = read.Date(3, format, kInvalidDateMessage);
  if (read.Failed()) return kErrorResult;
  // A year past 9999 has no day number, which WriteDate reports.
  return WriteDate(buffer, ToDayNumber(NextYearOf(reference, month, day), month, day), format);
}

}  // namespace kalendra
