// @isholiday marks the date's year with the rules of the country and reads
// the date's flag; @inlieu moves a date by its weekday.
#include "holidays/holiday_functions.h"

#include <array>

#include "calendar/date_format.h"
#include "calendar/date_grammar.h"
#include "calendar/locale_snapshot.h"
#include "calendar/today.h"
#include "frame/arguments.h"
#include "frame/errors.h"
#include "frame/numbers.h"
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

int ReadModeArgument(int n, int& mode) {
  if (!HasArgument(n)) return 0;
  mode = ParseNumber(Argument(n));
  if (mode < 0 || mode > kMaxInLieuMode) return ReportError(u"Invalid mode \"%s\"", Argument(n).data());
  return 0;
}

}  // namespace

int IsHolidayFunction(KChar* buffer) {
  // A rule that asks whether a day is a holiday would reload the list that
  // is being evaluated, and ask again without end.
  if (HolidayListInUse()) return ReportError(u"@isholiday cannot be used inside a holiday rule");
  SplitArguments(buffer, false);
  RefreshLocale();
  RefreshToday();
  DateFormat order = 0;
  CalendarDate date;
  if (const int error = ReadDateFormatArgument(2, kLocalOrder, order)) return error;
  if (const int error = ReadDateOrToday(1, order, date)) return error;
  if (HasArgument(3)) Locale().holidayCountry.Assign(Argument(3));
  HolidayMarks marks;
  LoadHolidayRules();
  MarkHolidays(date.year, marks);
  FreeHolidayRules();
  Sprintf(buffer, u"%u", static_cast<unsigned>(marks.At(date.month, date.day)));
  return 0;
}

int InLieuFunction(KChar* buffer) {
  SplitArguments(buffer, true);
  RefreshLocale();
  RefreshToday();
  DateFormat format = kDefaultInLieuFormat;
  CalendarDate date;
  int mode = 0;
  if (const int error = ReadDateFormatArgument(2, kDefaultInLieuFormat, format)) return error;
  if (const int error = ReadDateOrToday(1, format, date)) return error;
  if (const int error = ReadModeArgument(3, mode)) return error;
  const DayNumber day = ToDayNumber(date);
  const DayNumber moved = day + kInLieuMoves[static_cast<std::size_t>(mode)][static_cast<std::size_t>(WeekdayOf(day))];
  if (!IsValidDayNumber(moved)) return ReportError(u"Resulting date out of range");
  return FormatDate(buffer, FromDayNumber(moved), format);
}

}  // namespace kalendra
