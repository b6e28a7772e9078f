// What the picker dialog shows, as plain data (its face), and the drawing of
// the changes between two faces: a view redraws only the controls whose part
// of the face changed, so the one-second tick redraws the OK button while a
// countdown runs and nothing otherwise.
#pragma once

#include <array>
#include <initializer_list>
#include <string>

#include "picker/picker_model.h"

namespace kalendra {

// The dialog's controls that show a text but send no command.
inline constexpr int kMonthTitle = 100;
inline constexpr int kFirstHeader = 260;  // seven weekday headers

struct PickerFace {
  std::u16string title;
  std::array<std::u16string, kDaysPerWeek> headers;
  std::array<DayCellFlags, kPickerCells> cells{};  // 0: a hidden cell
  bool earlierEnabled = false;
  bool laterEnabled = false;
  std::u16string dateLine;
  std::u16string okText;
  friend bool operator==(const PickerFace&, const PickerFace&) = default;
};

PickerFace FaceOf(const PickerState& state);

// The font a day cell is drawn in.
enum class CellFont { kDay, kSelected, kUnavailable };

// What a view draws on, by the dialog's control ids.
class PickerSurface {
 public:
  virtual ~PickerSurface() = default;
  virtual void SetText(int control, const std::u16string& text) = 0;
  virtual void SetCellFont(int control, CellFont font) = 0;
  virtual void ShowControl(int control, bool shown) = 0;
  virtual void EnableControl(int control, bool enabled) = 0;
  // Draws a control again whose colours changed but not its text.
  virtual void Repaint(int control) = 0;
};

// Draws on the surface every part of next that differs from shown, or all
// of next when nothing is shown yet (shown is nullptr).
void DrawChanges(const PickerFace* shown, const PickerFace& next, PickerSurface& surface);

}  // namespace kalendra
