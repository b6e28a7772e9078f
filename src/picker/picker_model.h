// The date picker as a model free of any window system: the state that
// @pickdate sets up, the grid of one month, every command of the dialog and
// the countdown. A front-end draws what this holds and feeds it commands; it
// computes no dates itself.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calendar/date_format_word.h"
#include "calendar/day_number.h"
#include "holidays/mark_holidays.h"

namespace kalendra {

// Enough day cells for any month: six leading blanks and 31 days.
inline constexpr int kPickerCells = 37;
inline constexpr unsigned kMaxPickerTimeout = 600;  // seconds

// The caller's flags (the sixth argument of @pickdate).
using PickerFlags = std::uint32_t;
inline constexpr PickerFlags kPickerNoCancel = 2;
inline constexpr PickerFlags kPickerClampRange = 4;
inline constexpr PickerFlags kPickerMaskWeekend = 8;
inline constexpr PickerFlags kPickerMoveEarlier = 16;
inline constexpr PickerFlags kPickerMoveLater = 32;
inline constexpr PickerFlags kPickerNoHolidays = 128;
inline constexpr PickerFlags kPickerEnglishNames = 256;
inline constexpr PickerFlags kPickerDateLineInOutputFormat = 1024;

// One value per day cell: the day in the low five bits (the whole value is
// 0 for a blank cell) and these marks.
using DayCellFlags = std::uint32_t;
inline constexpr DayCellFlags kCellDayBits = 0x1F;
inline constexpr DayCellFlags kCellUnavailable = 0x100;  // outside the range or on a masked weekday
inline constexpr DayCellFlags kCellSunday = 0x200;       // only on selectable cells
inline constexpr DayCellFlags kCellSelected = 0x400;
inline constexpr DayCellFlags kCellHoliday = 0x800;      // only on selectable cells

// The command ids of the dialog: its buttons, the date line, the day cells,
// and the ids the keyboard map posts.
enum PickerCommand : int {
  kPickerOk = 1,
  kPickerCancel = 2,
  kPreviousMonth = 101,
  kNextMonth = 102,
  kDateLine = 103,
  kRotateWeekdays = 104,
  kPreviousYear = 105,
  kNextYear = 106,
  kFirstCell = 200,
  kLastCell = kFirstCell + kPickerCells - 1,
  kKeyLeft = 130,
  kKeyRight,
  kKeyUp,
  kKeyDown,
  kKeyPageUp,
  kKeyPageDown,
  kKeyCtrlPageUp,
  kKeyCtrlPageDown,
  kKeyHome,
  kKeyEnd,
  kKeyCtrlHome,
  kKeyCtrlEnd,
  kKeyBackspace,
};

// How a command or a tick leaves the dialog: open, or ended with OK's or
// Cancel's result.
enum PickerEnd : int { kPickerStaysOpen = 0, kPickerAccepted = kPickerOk, kPickerCancelled = kPickerCancel };

struct PickerState {
  std::u16string title;      // empty: the dialog's own, "Select Date"
  CalendarDate selected{};   // always selectable
  CalendarDate displayed{};  // the month shown (its day is not used)
  CalendarDate initial{};    // Backspace returns here
  CalendarDate minimum{kFirstYear, 1, 1};
  CalendarDate maximum{kLastYear, 12, 31};
  int weekdayMask = 0;  // bit k: weekday k (0 = Sunday) cannot be picked
  PickerFlags flags = 0;
  DateFormat outputFormat = kFourDigitYearBit;
  // The weekday of the left column (0 = Sunday). It lives here, not in the
  // locale snapshot, because marking holidays runs rules that re-read the
  // locale.
  int firstWeekday = 0;
  // The countdown: seconds left, whether OK counts down, whether the first
  // tick has come (keys before it do not stop the countdown), and whether
  // the one-second timer still runs.
  unsigned timeout = 0;
  bool countdownActive = false;
  bool ticked = false;
  bool timerRunning = false;
  HolidayMarks marks;
  int marksYear = 0;  // the year the marks belong to; 0 = none yet
  // What the grid shows, as FillMonthGrid left it.
  std::array<DayCellFlags, kPickerCells> cells{};
  bool earlierEnabled = false;  // "<" and "<<"
  bool laterEnabled = false;    // ">" and ">>"
};

// The picker of the one dialog that can be open.
PickerState& Picker();

// Opens the dialog's state: the displayed month and the initial date become
// the selected date, and the countdown starts when there is a timeout.
void StartPicker(PickerState& state);

// Lays out the displayed month: cell values, the enabled buttons, and the
// holiday marks of the displayed year.
void FillMonthGrid(PickerState& state);

// The texts a front-end shows.
std::u16string MonthTitle(const PickerState& state);
std::u16string WeekdayHeader(const PickerState& state, int column);
std::u16string DateLine(const PickerState& state);
std::u16string OkButtonText(const PickerState& state);
// The column whose header is drawn in the Sunday colour.
int SundayColumn(const PickerState& state);

// A command of the dialog (buttons, date line, keys); it stops the
// countdown first. Day cells go through ClickCell.
PickerEnd RunPickerCommand(PickerState& state, int command);
// A click on day cell 0..36; a double click also accepts a selectable day.
PickerEnd ClickCell(PickerState& state, int cell, bool doubleClick);
// The one-second timer.
PickerEnd CountdownTick(PickerState& state);

// The keys of the keyboard map.
enum class PickerKey { kLeft, kRight, kUp, kDown, kPageUp, kPageDown, kHome, kEnd, kBackspace, kPause, kOther };
// Every key event, pressed or released, before the map: once the first tick
// has passed, any key stops the countdown.
void NoteKeyEvent(PickerState& state);
// The command a pressed key posts, 0 for none (Pause alone, other keys).
int CommandOfKey(PickerKey key, bool ctrl, bool shift);

// Whether the day's weekday is one the mask takes out.
bool IsMaskedDay(const PickerState& state, DayNumber day);

// The nearest selectable weekday from day forwards (not after the maximum)
// or backwards (not before the minimum); false when there is none.
bool NextUnmaskedDay(const PickerState& state, DayNumber& day);
bool PrevUnmaskedDay(const PickerState& state, DayNumber& day);

}  // namespace kalendra
