// The picker view of the unit tests: no window, a script of commands.
#pragma once

#include <vector>

#include "picker/picker_model.h"

namespace kalendra::fake {

// The view keeps a copy of the state it opened with, then runs the commands
// in turn and presses OK (ending earlier when a command ends it), or, with a
// failure code, returns that code at once. A script holds until the next.
void SetPickerScript(std::vector<int> commands, int failure = 0);
const PickerState& OpenedPicker();

}  // namespace kalendra::fake
