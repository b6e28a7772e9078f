// The picker as a terminal draws it: lines of styled runs made from the
// picker state, and what a mouse click at a place on them means. The
// terminal front-end only paints these runs and reads keys.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "picker/picker_model.h"

namespace kalendra {

enum class ScreenStyle {
  kPlain,
  kTitle,
  kButton,
  kDisabledButton,
  kHeader,
  kSundayHeader,
  kDay,
  kSunday,
  kHoliday,
  kUnavailable,  // drawn dim and in italics
  kSelected,     // drawn reversed, in the Sunday or holiday colour when the day is one
  kSelectedSunday,
  kSelectedHoliday,
};

struct ScreenRun {
  std::u16string text;
  ScreenStyle style = ScreenStyle::kPlain;
  bool operator==(const ScreenRun&) const = default;
};
using ScreenLine = std::vector<ScreenRun>;

// Character cells of one day, and the width of the picture.
inline constexpr int kScreenCellWidth = 4;
inline constexpr int kScreenWidth = kScreenCellWidth * kDaysPerWeek;

// The lines of the picture, from the title to the OK button.
std::vector<ScreenLine> DrawPicker(const PickerState& state);

// The command of a click at the line and column of the picture (0 = the
// first of each): a button, the date line or a day cell; 0 for none.
int CommandAt(const PickerState& state, int line, int column);

}  // namespace kalendra
