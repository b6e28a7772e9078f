// The loaded plug-ins: loading with the full protocol, the names each one
// offers, calls into them, and unloading.
#pragma once

#include <cstdint>
#include <memory>
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

struct Plugin;

// A feature that a loaded plug-in exports, as Find found it: valid only
// until a plug-in is loaded or unloaded, so it is called at once, and found
// again after anything that may load or unload one (an expansion may).
struct FoundFeature {
  const std::shared_ptr<Plugin>* plugin = nullptr;  // its entry in the loaded list
  FeatureEntry entry = nullptr;
  explicit operator bool() const { return entry != nullptr; }
};

// The feature of that kind and name (as listed, with its "@" or "_", without
// regard to case) that the first plug-in offering it exports; empty when
// none does.
FoundFeature Find(FeatureKind kind, std::u16string_view name);

// Counts the loads and unloads of plug-ins (starting above 0): what was
// found while it stays the same is still valid.
std::uint64_t Changes();

// Calls a feature just found; its plug-in stays mapped until the call
// returns, even if the call unloads it.
int Call(const FoundFeature& feature, KChar* buffer);

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
