// The picker's face and the drawing of its changes.
#include "picker/picker_face.h"

#include "frame/numbers.h"

namespace kalendra {
namespace {

CellFont FontOf(DayCellFlags value) {
  if ((value & kCellUnavailable) != 0) return CellFont::kUnavailable;
  return (value & kCellSelected) != 0 ? CellFont::kSelected : CellFont::kDay;
}

void DrawCell(int control, const DayCellFlags* shown, DayCellFlags next, PickerSurface& surface) {
  const bool wasShown = shown != nullptr && *shown != 0;
  if (shown == nullptr || wasShown != (next != 0)) surface.ShowControl(control, next != 0);
  if (next == 0) return;
  const bool newText = !wasShown || (*shown & kCellDayBits) != (next & kCellDayBits);
  const bool newFont = !wasShown || FontOf(*shown) != FontOf(next);
  if (newText) surface.SetText(control, std::u16string(NumberText(next & kCellDayBits).View()));
  if (newFont) surface.SetCellFont(control, FontOf(next));
  // Sunday and holiday colours: drawn again by the changes above, or now.
  if (!newText && !newFont && *shown != next) surface.Repaint(control);
}

}  // namespace

PickerFace FaceOf(const PickerState& state) {
  PickerFace face;
  face.title = MonthTitle(state);
  for (int column = 0; column < kDaysPerWeek; ++column) {
    face.headers[static_cast<std::size_t>(column)] = WeekdayHeader(state, column);
  }
  face.cells = state.cells;
  face.earlierEnabled = state.earlierEnabled;
  face.laterEnabled = state.laterEnabled;
  face.dateLine = DateLine(state);
  face.okText = OkButtonText(state);
  return face;
}

void DrawChanges(const PickerFace* shown, const PickerFace& next, PickerSurface& surface) {
  const auto text = [&](int control, const std::u16string& before, const std::u16string& after) {
    if (shown == nullptr || before != after) surface.SetText(control, after);
  };
  const auto enabled = [&](std::initializer_list<int> controls, bool before, bool after) {
    if (shown != nullptr && before == after) return;
    for (const int control : controls) surface.EnableControl(control, after);
  };
  const PickerFace none;
  const PickerFace& before = shown != nullptr ? *shown : none;
  text(kMonthTitle, before.title, next.title);
  for (std::size_t column = 0; column < next.headers.size(); ++column) {
    text(kFirstHeader + static_cast<int>(column), before.headers[column], next.headers[column]);
  }
  for (std::size_t cell = 0; cell < next.cells.size(); ++cell) {
    DrawCell(kFirstCell + static_cast<int>(cell), shown != nullptr ? &before.cells[cell] : nullptr, next.cells[cell],
             surface);
  }
  enabled({kPreviousMonth, kPreviousYear}, before.earlierEnabled, next.earlierEnabled);
  enabled({kNextMonth, kNextYear}, before.laterEnabled, next.laterEnabled);
  text(kDateLine, before.dateLine, next.dateLine);
  text(kPickerOk, before.okText, next.okText);
}

}  // namespace kalendra
