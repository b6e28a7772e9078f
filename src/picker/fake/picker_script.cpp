// The scripted picker view of the unit tests.
#include "picker/fake/picker_script.h"

#include <utility>

#include "picker/picker_view.h"

namespace kalendra {
namespace {

struct PickerScript {
  std::vector<int> commands;
  int failure = 0;
  PickerState opened;
};

PickerScript& Script() {
  static PickerScript script;
  return script;
}

}  // namespace

namespace fake {

void SetPickerScript(std::vector<int> commands, int failure) {
  Script().commands = std::move(commands);
  Script().failure = failure;
}

const PickerState& OpenedPicker() { return Script().opened; }

}  // namespace fake

int RunPickerView(PickerState& state) {
  PickerScript& script = Script();
  script.opened = state;
  if (script.failure != 0) return script.failure;
  for (const int command : script.commands) {
    const PickerEnd end = RunPickerCommand(state, command);
    if (end != kPickerStaysOpen) return end;
  }
  return kPickerAccepted;
}

}  // namespace kalendra
