// The terminal picture of the picker: a fixed grid of character cells, four
// to a day, laid out from the state alone.
#include "picker/picker_screen.h"

#include <algorithm>
#include <string>

#include "frame/numbers.h"
#include "frame/text.h"

namespace kalendra {
namespace {

// The lines of the picture.
constexpr int kTitleLine = 0;
constexpr int kMonthLine = 2;
constexpr int kHeaderLine = 4;
constexpr int kFirstGridLine = 5;
constexpr int kGridLines = (kPickerCells + kDaysPerWeek - 1) / kDaysPerWeek;
constexpr int kDateLineLine = kFirstGridLine + kGridLines + 1;
constexpr int kButtonLine = kDateLineLine + 2;

// The month line: "<< <", the title, "> >>".
constexpr int kPreviousYearColumn = 0;
constexpr int kPreviousMonthColumn = 3;
constexpr int kMonthTitleWidth = kScreenWidth - 8;
constexpr int kNextMonthColumn = kScreenWidth - 4;
constexpr int kNextYearColumn = kScreenWidth - 2;

constexpr std::u16string_view kCancelText = u"[ Cancel ]";

std::u16string Fitted(std::u16string_view text, std::size_t width) { return std::u16string(text.substr(0, width)); }

std::u16string Centred(std::u16string_view text, std::size_t width) {
  const std::u16string shown = Fitted(text, width);
  const std::size_t left = (width - shown.size()) / 2;
  return std::u16string(left, u' ') + shown + std::u16string(width - left - shown.size(), u' ');
}

std::u16string RightAligned(std::u16string_view text, std::size_t width) {
  const std::u16string shown = Fitted(text, width);
  return std::u16string(width - shown.size(), u' ') + shown;
}

// The OK and Cancel buttons, right-aligned on their line.
struct ButtonSpans {
  std::u16string ok;
  int okColumn;
  int cancelColumn;  // -1 when Cancel is hidden
};

ButtonSpans Buttons(const PickerState& state) {
  ButtonSpans spans;
  spans.ok = u"[ " + OkButtonText(state) + u" ]";
  spans.okColumn = kScreenWidth - static_cast<int>(spans.ok.size());
  spans.cancelColumn = (state.flags & kPickerNoCancel) != 0 ? -1 : spans.okColumn - 2 - static_cast<int>(kCancelText.size());
  return spans;
}

ScreenStyle CellStyle(DayCellFlags value) {
  const bool sunday = (value & kCellSunday) != 0;
  const bool holiday = (value & kCellHoliday) != 0;
  if ((value & kCellSelected) != 0) {
    return holiday ? ScreenStyle::kSelectedHoliday : sunday ? ScreenStyle::kSelectedSunday : ScreenStyle::kSelected;
  }
  if ((value & kCellUnavailable) != 0) return ScreenStyle::kUnavailable;
  if (holiday) return ScreenStyle::kHoliday;
  return sunday ? ScreenStyle::kSunday : ScreenStyle::kDay;
}

ScreenLine MonthLine(const PickerState& state) {
  const ScreenStyle earlier = state.earlierEnabled ? ScreenStyle::kButton : ScreenStyle::kDisabledButton;
  const ScreenStyle later = state.laterEnabled ? ScreenStyle::kButton : ScreenStyle::kDisabledButton;
  return {{u"<<", earlier},
          {u" ", ScreenStyle::kPlain},
          {u"<", earlier},
          {Centred(MonthTitle(state), kMonthTitleWidth), ScreenStyle::kTitle},
          {u">", later},
          {u" ", ScreenStyle::kPlain},
          {u">>", later}};
}

ScreenLine HeaderLine(const PickerState& state) {
  ScreenLine line;
  for (int column = 0; column < kDaysPerWeek; ++column) {
    const ScreenStyle style = column == SundayColumn(state) ? ScreenStyle::kSundayHeader : ScreenStyle::kHeader;
    line.push_back({RightAligned(WeekdayHeader(state, column), kScreenCellWidth - 1) + u" ", style});
  }
  return line;
}

ScreenLine GridLine(const PickerState& state, int row) {
  ScreenLine line;
  for (int cell = row * kDaysPerWeek; cell < std::min(kPickerCells, (row + 1) * kDaysPerWeek); ++cell) {
    const DayCellFlags value = state.cells[static_cast<std::size_t>(cell)];
    if (value == 0) {
      line.push_back({std::u16string(kScreenCellWidth, u' '), ScreenStyle::kPlain});
      continue;
    }
    const std::u16string day(NumberText(value & kCellDayBits).View());
    line.push_back({RightAligned(day, kScreenCellWidth - 1) + u" ", CellStyle(value)});
  }
  return line;
}

ScreenLine ButtonLine(const PickerState& state) {
  const ButtonSpans spans = Buttons(state);
  ScreenLine line;
  const int okStart = spans.cancelColumn >= 0 ? spans.cancelColumn : spans.okColumn;
  line.push_back({std::u16string(static_cast<std::size_t>(std::max(okStart, 0)), u' '), ScreenStyle::kPlain});
  if (spans.cancelColumn >= 0) {
    line.push_back({std::u16string(kCancelText), ScreenStyle::kButton});
    line.push_back({u"  ", ScreenStyle::kPlain});
  }
  line.push_back({spans.ok, ScreenStyle::kButton});
  return line;
}

bool Within(int column, int first, std::size_t width) {
  return column >= first && column < first + static_cast<int>(width);
}

}  // namespace

std::vector<ScreenLine> DrawPicker(const PickerState& state) {
  const std::u16string_view title = state.title;
  std::vector<ScreenLine> lines(static_cast<std::size_t>(kButtonLine + 1));
  lines[kTitleLine] = {{Centred(title.empty() ? u"Select Date" : title, kScreenWidth), ScreenStyle::kTitle}};
  lines[kMonthLine] = MonthLine(state);
  lines[kHeaderLine] = HeaderLine(state);
  for (int row = 0; row < kGridLines; ++row) lines[static_cast<std::size_t>(kFirstGridLine + row)] = GridLine(state, row);
  lines[kDateLineLine] = {{RightAligned(DateLine(state), kScreenWidth), ScreenStyle::kPlain}};
  lines[kButtonLine] = ButtonLine(state);
  return lines;
}

int CommandAt(const PickerState& state, int line, int column) {
  if (line == kMonthLine) {
    if (Within(column, kPreviousYearColumn, 2)) return kPreviousYear;
    if (column == kPreviousMonthColumn) return kPreviousMonth;
    if (column == kNextMonthColumn) return kNextMonth;
    if (Within(column, kNextYearColumn, 2)) return kNextYear;
    return 0;
  }
  if (line >= kFirstGridLine && line < kFirstGridLine + kGridLines && column >= 0 && column < kScreenWidth) {
    const int cell = (line - kFirstGridLine) * kDaysPerWeek + column / kScreenCellWidth;
    return cell < kPickerCells ? kFirstCell + cell : 0;
  }
  if (line == kDateLineLine) return kDateLine;
  if (line == kButtonLine) {
    const ButtonSpans spans = Buttons(state);
    if (Within(column, spans.okColumn, spans.ok.size())) return kPickerOk;
    if (spans.cancelColumn >= 0 && Within(column, spans.cancelColumn, kCancelText.size())) return kPickerCancel;
  }
  return 0;
}

}  // namespace kalendra
