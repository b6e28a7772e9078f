// The picker's view on this system, one per system in picker/posix,
// picker/win32 and picker/fake, which the build picks: it draws a
// PickerState and turns its own events into the model's commands.
#pragma once

#include "picker/picker_model.h"

namespace kalendra {

// A code of RunPickerView: there is no terminal to draw the picker on.
inline constexpr int kNoTerminalForPicker = -201;

// Shows the picker over its state, modally, until OK (kPickerAccepted) or
// Cancel (kPickerCancelled) ends it; a negative code when it cannot be
// shown. Windows shows the dialog; POSIX draws it on the user's terminal.
int RunPickerView(PickerState& state);

}  // namespace kalendra
