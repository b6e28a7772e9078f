// @isholiday marks the date's year with the rules of the country and reads
// the date's flag; @inlieu moves a date by its weekday.
#include "holidays/holiday_functions.h"

#include <array>

#include "calendar/locale_snapshot.h"
#include "calendar/argument_reader.h"
#include "frame/errors.h"
#include "holidays/holiday_file.h"
#include "holidays/mark_holidays.h"
#include "holidays/rule_list.h"

namespace kalendra {
namespace {

inline constexpr DateFormat kDefaultInLieuFormat = kFourDigitYearBit;  // the locale's order, four-digit years

// Days a holiday moves by, per mode and weekday (Sunday first): to the
// nearest working day (0), to the Friday before (1), to the Monday after
// (2), off Sunday only (3), to the Monday of its week (4), and Tuesday or
// Wednesday to a Friday (5).
inline constexpr std::array<std::array<int, 7>, 6> kInLieuMoves{{
    {+1, 0, 0, 0, 0, 0, -1},
    {-2, 0, 0, 0, 0, 0, -1},
    {+1, 0, 0, 0, 0, 0, +2},
    {+1, 0, 0, 0, 0, 0, 0},
    {0, 0, -1, -2, -3, +3, 0},
    {0, 0, -4, +2, 0, 0, 0},
}};
inline constexpr int kMaxInLieuMode = static_cast<int>(kInLieuMoves.size()) - 1;

}  // namespace

int IsHolidayFunction(KChar* buffer) {
  // A rule that asks whether a day is a holiday would reload the list that
  // is being evaluated, and ask again without end.
  if (HolidayListInUse()) return ReportError(u"@isholiday cannot be used inside a holiday rule");
  ArgumentReader read(buffer, Separators::kCommasOnly);  // a country name may hold blanks
  const DateFormat order = read.Format(2, kLocalOrder);
  const CalendarDate date = read.Date(1, order, kInvalidDateMessage);
  if (read.Failed()) return kErrorResult;
  if (HasArgument(3)) Locale().holidayCountry.Assign(Argument(3));
  HolidayMarks marks;
  LoadHolidayRules();
  MarkHolidays(date.year, marks);
  FreeHolidayRules();
  return AnswerNumber(buffer, marks.At(date.month, date.day));
}

int InLieuFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  const DateFormat format = read.Format(2, kDefaultInLieuFormat);
  const DayNumber day = read.Day(1, format, kInvalidDateMessage);
  const int mode = read.Number(3, 0, kInvalidModeMessage, 0, kMaxInLieuMode);
  if (read.Failed()) return kErrorResult;
  const int move = kInLieuMoves[static_cast<std::size_t>(mode)][static_cast<std::size_t>(WeekdayOf(day))];
  return WriteDate(buffer, day + move, format);
}

}  // namespace kalendra
