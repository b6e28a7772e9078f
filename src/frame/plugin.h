// The plug-in record, its list of names and the load and unload steps the
// shell calls.
#pragma once

#include <string>
#include <string_view>

#include "contract/host_interface.h"

namespace kalendra {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 5;
inline constexpr int kVersionBuild = 3;
inline constexpr std::u16string_view kPluginName = u"KALENDRA";

// Removes from a feature list every name that the words of a
// "Disable_Features" value name (words cut at ",", ";" and white space,
// compared without regard to case). Unknown words are ignored.
void WithholdFeatures(std::u16string& featureList, std::u16string_view disabled);

// The feature list as the shell was last told it.
const std::u16string& FeatureList();

// Applies "Disable_Features" and returns the record, or nullptr when no name
// is left to offer.
PluginInfo* GetPluginInfoRecord();

// Writes the load message unless the shell is transient, piped or told to
// keep quiet, and unloads a separate "QCAL" plug-in. Returns 0.
int InitializePluginNow();

// Returns 0.
int ShutdownPluginNow();

}  // namespace kalendra
