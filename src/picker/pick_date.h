// @pickdate: reads and checks its nine arguments, settles the picker's
// starting state, runs the dialog and writes the date the user chose.
#pragma once

#include "contract/host_interface.h"
#include "picker/picker_model.h"

namespace kalendra {

// The function behind @pickdate, with the dialog of this system's front-end.
// Returns 0 with the date or "*CANCEL*", -1 with "Dialog error %d", or
// kErrorResult after a message about an argument.
int PickDateFunction(KChar* buffer);

// Moves a selected date on a masked weekday to the nearest selectable one,
// as the flags ask (kPickerMoveEarlier, kPickerMoveLater, both or neither:
// the nearer, the earlier on a tie). False when none lies in the range.
bool AdjustInitialDate(PickerState& state);

}  // namespace kalendra
