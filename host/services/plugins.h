// The loaded plug-ins: loading with the full protocol, the names each one
// offers, calls into them, and unloading.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "contract/host_interface.h"

namespace torvane::plugins {

enum class FeatureKind { kFunction, kVariable, kCommand };

// The kind a feature-list entry names: "@" a function, "_" a variable, any
// other a command.
FeatureKind KindOf(std::u16string_view entry);
// The symbol a plug-in exports an entry under: "@x" as "f_x", others as
// themselves.
std::u16string ExportName(std::u16string_view entry);

// Loads the plug-in at path: GetPluginInfo, then InitializePlugin. Reports
// its own failures; returns false after one.
bool Load(std::u16string_view path);
// Registers a plug-in linked into this process (for tests): GetPluginInfo
// only, exports found through lookup.
using ExportLookup = FeatureEntry (*)(std::u16string_view exportName);
bool Register(GetPluginInfoEntry getInfo, ExportLookup lookup);
// Calls ShutdownPlugin and forgets the plug-in; false when none of that name
// (compared without regard to case) is loaded.
bool Unload(std::u16string_view name);
// Unloads every plug-in, the last loaded first.
void UnloadAll();

bool IsLoaded(std::u16string_view name);

// True when a loaded plug-in offers and exports the feature of that kind and
// name (as listed, with its "@" or "_").
bool Offers(FeatureKind kind, std::u16string_view name);

// Calls the feature of that kind and name (without regard to case) that the
// first plug-in offering it exports; nullopt when none does.
std::optional<int> Call(FeatureKind kind, std::u16string_view name, KChar* buffer);

// Every name that a loaded plug-in offers and exports, as listed ("@date",
// "_isoweek", "qcal").
std::vector<std::u16string> OfferedNames();

// One line per loaded plug-in: "NAME major.minor.build: feature list".
std::vector<std::u16string> Describe();

// Asks each plug-in's Help export about name; true when one answered.
bool ShowHelp(std::u16string_view name);
// Asks each plug-in's Usage export; the first usage text found.
std::optional<std::u16string> Usage(std::u16string_view name);

}  // namespace torvane::plugins
