// The feature table (feature_table.inc) as data: every name the plug-in
// offers with its kind, its routine and, for a command, its usage text.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "contract/host_interface.h"

namespace kalendra {

enum class FeatureKind { kFunction, kTimeFunction, kVariable, kCommand };

struct Feature {
  std::u16string_view name;  // as the shell knows it: "@dateplus", "_isoweek", "qcal"
  FeatureKind kind;
  int (*entry)(KChar* buffer);
  std::u16string_view usage;  // empty but for commands
};

// Every row, in the order the shell is told them.
std::span<const Feature> Features();

// The names of every row joined by commas: the plug-in's whole feature list.
std::u16string AllFeatureNames();

}  // namespace kalendra
