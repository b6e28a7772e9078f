// The picker's grid and commands, on day numbers.
#include "picker/picker_model.h"

#include <algorithm>
#include <array>

#include "calendar/date_format.h"
#include "calendar/english_names.h"
#include "calendar/locale_snapshot.h"
#include "calendar/month_grid.h"
#include "datefuncs/weekday_search.h"
#include "contract/host_interface.h"
#include "frame/numbers.h"
#include "frame/text.h"

namespace kalendra {
namespace {

constexpr int kEveryWeekdayMasked = 127;

bool SameMonth(const CalendarDate& a, const CalendarDate& b) { return a.year == b.year && a.month == b.month; }
DayNumber FirstOfMonth(const CalendarDate& date) { return ToDayNumber(date.year, date.month, 1); }
DayNumber LastOfMonth(const CalendarDate& date) {
  return ToDayNumber(date.year, date.month, MonthLength(date.month, IsLeapYear(date.year)));
}
// Months counted from year 0, so that "before" and "after" are comparisons.
int MonthIndex(const CalendarDate& date) { return date.year * 12 + date.month - 1; }
CalendarDate MonthOfIndex(int index) { return {index / 12, index % 12 + 1, 1}; }

void Select(PickerState& state, DayNumber day) {
  state.selected = FromDayNumber(day);
  state.displayed = {state.selected.year, state.selected.month, 1};
  FillMonthGrid(state);
}

// Where a navigation key moves the selection; kInvalidDay when it refuses.
DayNumber KeyTarget(const PickerState& state, int command) {
  const DayNumber s = ToDayNumber(state.selected);
  const DayNumber min = ToDayNumber(state.minimum);
  const DayNumber max = ToDayNumber(state.maximum);
  const CalendarDate& date = state.selected;
  DayNumber target = kInvalidDay;
  const auto forward = [&](DayNumber day) { return NextUnmaskedDay(state, day) ? day : kInvalidDay; };
  const auto backward = [&](DayNumber day) { return PrevUnmaskedDay(state, day) ? day : kInvalidDay; };
  // The first day of the selection's grid row.
  const DayNumber rowStart = s - (WeekdayOf(s) - state.firstWeekday + kDaysPerWeek) % kDaysPerWeek;
  switch (command) {
    case kKeyLeft: return s - 1 < min ? kInvalidDay : backward(s - 1);
    case kKeyRight: return s + 1 > max ? kInvalidDay : forward(s + 1);
    case kKeyUp: return s - 7 < min ? kInvalidDay : s - 7;
    case kKeyDown: return s + 7 > max ? kInvalidDay : s + 7;
    case kKeyPageUp: {
      const DayNumber first = s == min ? kInvalidDay : forward(FirstOfMonth(date));
      if (first == kInvalidDay) return kInvalidDay;
      if (SameMonth(date, state.minimum)) return forward(min);
      if (s != first) return first;
      // The previous month may be the minimum's, whose first days are out of range.
      return forward(std::max(ToDayNumber(MonthOfIndex(MonthIndex(date) - 1)), min));
    }
    case kKeyPageDown:
      if (SameMonth(date, state.maximum)) {
        if (s == max) return kInvalidDay;
        target = max;
      } else {
        target = ToDayNumber(MonthOfIndex(MonthIndex(date) + 1));
      }
      // Late in the last month, the nearest earlier day is the one to reach.
      return SameMonth(FromDayNumber(target), state.maximum) && FromDayNumber(target).day >= 16 ? backward(target)
                                                                                               : forward(target);
    case kKeyCtrlPageUp: {
      const DayNumber first = s == min ? kInvalidDay : forward(FirstOfMonth(date));
      if (first == kInvalidDay) return kInvalidDay;
      if (date.year <= state.minimum.year) {
        target = min;
      } else if (date.month != 1 || s != first) {
        target = ToDayNumber(date.year, 1, 1);
      } else {
        target = date.year - 1 == state.minimum.year ? min : ToDayNumber(date.year - 1, 1, 1);
      }
      return forward(target);
    }
    case kKeyCtrlPageDown:
      if (date.year == state.maximum.year) {
        if (s == max) return kInvalidDay;
        target = max;
      } else {
        target = ToDayNumber(date.year + 1, 1, 1);
      }
      return SameMonth(FromDayNumber(target), state.maximum) ? backward(target) : forward(target);
    case kKeyHome: return forward(std::max({rowStart, FirstOfMonth(date), min}));
    case kKeyEnd: return backward(std::min({rowStart + kDaysPerWeek - 1, LastOfMonth(date), max}));
    case kKeyCtrlHome: return forward(min);
    case kKeyCtrlEnd: return backward(max);
    default: return kInvalidDay;
  }
}

// The month the buttons "<", ">", "<<" and ">>" show; -1 when they refuse.
int ButtonMonth(const PickerState& state, int command) {
  const int shown = MonthIndex(state.displayed);
  const int first = MonthIndex(state.minimum);
  const int last = MonthIndex(state.maximum);
  const int year = state.displayed.year;
  switch (command) {
    case kPreviousMonth: return shown - 1 < first ? -1 : shown - 1;
    case kNextMonth: return shown + 1 > last ? -1 : shown + 1;
    case kPreviousYear:
      if (year == state.minimum.year) return shown == first ? -1 : first;
      return year - 1 == state.minimum.year ? std::max(shown - 12, first) : shown - 12;
    case kNextYear:
      if (year == state.maximum.year) return shown == last ? -1 : last;
      return year + 1 == state.maximum.year ? std::min(shown + 12, last) : shown + 12;
    default: return -1;
  }
}

// Kills the timer: OK stops counting for good.
void StopCountdown(PickerState& state) { state.timerRunning = false; }

bool IsNavigationKey(int command) { return command >= kKeyLeft && command <= kKeyCtrlEnd; }

}  // namespace

// Also below day 1, where the searches past the range may step.
bool IsMaskedDay(const PickerState& state, DayNumber day) { return IsListedDay(day, state.weekdayMask); }

PickerState& Picker() {
  static PickerState state;
  return state;
}

void StartPicker(PickerState& state) {
  state.initial = state.selected;
  state.displayed = {state.selected.year, state.selected.month, 1};
  state.ticked = false;
  state.countdownActive = state.timeout != 0;
  state.timerRunning = true;  // also without a countdown: the ticks mark when keys may stop one
  FillMonthGrid(state);
}

void FillMonthGrid(PickerState& state) {
  const int year = state.displayed.year;
  const int month = state.displayed.month;
  if (year != state.marksYear && (state.flags & kPickerNoHolidays) == 0) {
    MarkHolidays(year, state.marks);
    state.marksYear = year;
  }
  const int selectedDay = SameMonth(state.displayed, state.selected) ? state.selected.day : 0;
  const MonthBlock block = BuildMonthBlock(year, month, state.firstWeekday, state.marks, selectedDay);
  const bool firstMonth = SameMonth(state.displayed, state.minimum);
  const bool lastMonth = SameMonth(state.displayed, state.maximum);
  static_assert(kPickerCells <= kGridRows * kGridColumns);
  for (std::size_t cell = 0; cell < state.cells.size(); ++cell) {
    const DayCell& day = block.cells[cell];
    DayCellFlags& value = state.cells[cell];
    value = static_cast<DayCellFlags>(day.day);
    if (day.day == 0) continue;
    if ((firstMonth && day.day < state.minimum.day) || (lastMonth && day.day > state.maximum.day) ||
        ((state.weekdayMask >> day.weekday) & 1) != 0) {
      value |= kCellUnavailable;
      continue;
    }
    if (day.highlighted) value |= kCellSelected;
    if (day.weekday == kSunday) value |= kCellSunday;
    if (day.holiday) value |= kCellHoliday;
  }
  state.earlierEnabled = !firstMonth;
  state.laterEnabled = !lastMonth;
}

std::u16string MonthTitle(const PickerState& state) {
  const std::u16string_view name = (state.flags & kPickerEnglishNames) != 0
                                       ? kEnglishMonthNames[state.displayed.month]
                                       : Locale().monthNames[state.displayed.month].View();
  return std::u16string(name) + u" " + std::u16string(NumberText(state.displayed.year).View());
}

std::u16string WeekdayHeader(const PickerState& state, int column) {
  const int weekday = (state.firstWeekday + column) % kDaysPerWeek;
  if ((state.flags & kPickerEnglishNames) != 0) return std::u16string(EnglishAbbreviation(kEnglishWeekdayNames[weekday]));
  return std::u16string(Locale().abbreviatedWeekdayNames[weekday].View());
}

int SundayColumn(const PickerState& state) { return (kDaysPerWeek - state.firstWeekday) % kDaysPerWeek; }

std::u16string DateLine(const PickerState& state) {
  const DateFormat format = (state.flags & kPickerDateLineInOutputFormat) != 0 ? state.outputFormat
                            : (state.flags & kPickerEnglishNames) != 0          ? DateFormat{kEnglishLongDate}
                                                                                : DateFormat{kLocaleLongDate};
  DateText text;
  FormatDate(text.data(), state.selected, format);
  return text.data();
}

std::u16string OkButtonText(const PickerState& state) {
  if (!state.countdownActive || !state.timerRunning) return u"OK";
  return u"OK - " + std::u16string(NumberText(state.timeout).View());
}

bool NextUnmaskedDay(const PickerState& state, DayNumber& day) {
  if (state.weekdayMask == kEveryWeekdayMasked) return false;
  if (!IsMaskedDay(state, day)) return true;
  DayNumber next = day;
  while (IsMaskedDay(state, next)) ++next;
  if (next > ToDayNumber(state.maximum)) return false;
  day = next;
  return true;
}

bool PrevUnmaskedDay(const PickerState& state, DayNumber& day) {
  if (state.weekdayMask == kEveryWeekdayMasked) return false;
  if (!IsMaskedDay(state, day)) return true;
  DayNumber previous = day;
  while (IsMaskedDay(state, previous)) --previous;
  if (previous < ToDayNumber(state.minimum)) return false;
  day = previous;
  return true;
}

PickerEnd RunPickerCommand(PickerState& state, int command) {
  StopCountdown(state);
  if (command == kPickerOk) return kPickerAccepted;
  // Without its Cancel button the picker cannot be cancelled, by Escape either.
  if (command == kPickerCancel) return (state.flags & kPickerNoCancel) != 0 ? kPickerStaysOpen : kPickerCancelled;
  if (command >= kFirstCell && command <= kLastCell) return ClickCell(state, command - kFirstCell, false);
  if (IsNavigationKey(command)) {
    const DayNumber target = KeyTarget(state, command);
    if (target != kInvalidDay) Select(state, target);
  } else if (command == kKeyBackspace) {
    Select(state, ToDayNumber(state.initial));
  } else if (command == kDateLine) {
    state.displayed = {state.selected.year, state.selected.month, 1};
    FillMonthGrid(state);
  } else if (command == kRotateWeekdays) {
    state.firstWeekday = (state.firstWeekday + 1) % kDaysPerWeek;
    FillMonthGrid(state);
  } else if (const int month = ButtonMonth(state, command); month >= 0) {
    state.displayed = MonthOfIndex(month);
    FillMonthGrid(state);
  }
  return kPickerStaysOpen;
}

PickerEnd ClickCell(PickerState& state, int cell, bool doubleClick) {
  StopCountdown(state);
  if (cell < 0 || cell >= kPickerCells) return kPickerStaysOpen;
  const DayCellFlags value = state.cells[static_cast<std::size_t>(cell)];
  if (value == 0 || (value & kCellUnavailable) != 0) return kPickerStaysOpen;
  Select(state, ToDayNumber(state.displayed.year, state.displayed.month, static_cast<int>(value & kCellDayBits)));
  return doubleClick ? kPickerAccepted : kPickerStaysOpen;
}

PickerEnd CountdownTick(PickerState& state) {
  if (!state.timerRunning) return kPickerStaysOpen;
  state.ticked = true;
  if (!state.countdownActive) return kPickerStaysOpen;
  if (state.timeout == 0) return kPickerAccepted;
  --state.timeout;
  return kPickerStaysOpen;
}

void NoteKeyEvent(PickerState& state) {
  if (!state.ticked) return;
  state.countdownActive = false;
  state.timeout = 0;
}

int CommandOfKey(PickerKey key, bool ctrl, bool shift) {
  switch (key) {
    case PickerKey::kLeft: return kKeyLeft;
    case PickerKey::kRight: return kKeyRight;
    case PickerKey::kUp: return kKeyUp;
    case PickerKey::kDown: return kKeyDown;
    case PickerKey::kPageUp: return ctrl ? kKeyCtrlPageUp : kKeyPageUp;
    case PickerKey::kPageDown: return ctrl ? kKeyCtrlPageDown : kKeyPageDown;
    case PickerKey::kHome: return ctrl ? kKeyCtrlHome : kKeyHome;
    case PickerKey::kEnd: return ctrl ? kKeyCtrlEnd : kKeyEnd;
    case PickerKey::kBackspace: return kKeyBackspace;
    case PickerKey::kPause: return shift ? kRotateWeekdays : 0;
    case PickerKey::kOther: return 0;
  }
  return 0;
}

}  // namespace kalendra
