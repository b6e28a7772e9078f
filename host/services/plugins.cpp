// The plug-in registry. Each plug-in is held by a shared pointer, and a call
// into it holds one more: a plug-in unloaded while one of its own calls runs
// (it may unload itself through UnloadOnePlugin) stays mapped until that
// call returns.
#include "services/plugins.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <unordered_map>

#include "contract/text.h"
#include "platform/host_platform.h"
#include "services/output.h"
#include "services/texts.h"

namespace torvane::plugins {
namespace {

struct Feature {
  std::u16string name;  // as listed, with its "@" or "_"
  FeatureKind kind;
  FeatureEntry entry;  // null when the plug-in lists the name but lacks the export
};

// Hashes and compares names without regard to ASCII case, and looks them
// up by view, so that a lookup makes no copy of the name.
struct FoldedHash {
  using is_transparent = void;
  std::size_t operator()(std::u16string_view name) const {
    std::size_t hash = 14695981039346656037u;  // FNV-1a
    for (const KChar c : name) hash = (hash ^ contract::FoldAscii(c)) * 1099511628211u;
    return hash;
  }
};

struct FoldedEqual {
  using is_transparent = void;
  bool operator()(std::u16string_view a, std::u16string_view b) const { return contract::EqualsIgnoringAsciiCase(a, b); }
};

}  // namespace

struct Plugin {
  std::u16string name;
  std::u16string featureList;
  int major = 0;
  int minor = 0;
  int build = 0;
  std::vector<Feature> features;
  // The index in features of each name the plug-in exports, its first
  // listing where a name is listed twice.
  std::unordered_map<std::u16string, std::size_t, FoldedHash, FoldedEqual> exported;
  ShutdownPluginEntry shutdown = nullptr;
  HelpEntry help = nullptr;
  UsageEntry usage = nullptr;
  platform::Module module = nullptr;  // null for a plug-in linked into the process

  Plugin() = default;
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;
  ~Plugin() {
    if (module != nullptr) platform::CloseModule(module);
  }
};

namespace {

using PluginPointer = std::shared_ptr<Plugin>;
using Resolver = std::function<FeatureEntry(std::u16string_view exportName)>;

std::vector<PluginPointer>& Loaded() {
  static std::vector<PluginPointer> loaded;
  return loaded;
}

// Calls may load or unload plug-ins, so loops walk a copy of the list.
std::vector<PluginPointer> Snapshot() { return Loaded(); }

// Every load and unload counts, so that a remembered lookup is known stale;
// 1 before the first, so that 0 is never current.
std::uint64_t& ListChanges() {
  static std::uint64_t changes = 1;
  return changes;
}

void AddLoaded(PluginPointer plugin) {
  Loaded().push_back(std::move(plugin));
  ++ListChanges();
}

void RemoveLoaded(const PluginPointer& plugin) {
  std::erase(Loaded(), plugin);
  ++ListChanges();
}

std::u16string TextOf(const KChar* text) { return text != nullptr ? std::u16string(text) : std::u16string(); }

// The names of a feature list, which separates them by "," (or ";").
std::vector<std::u16string> FeatureNames(std::u16string_view list) {
  std::vector<std::u16string> names;
  std::size_t begin = 0;
  while (begin <= list.size()) {
    std::size_t end = list.find_first_of(u",;", begin);
    if (end == std::u16string_view::npos) end = list.size();
    std::u16string name(TrimSpace(list.substr(begin, end - begin)));
    if (!name.empty()) names.push_back(std::move(name));
    begin = end + 1;
  }
  return names;
}

// Copies what the record says; the record itself may change later.
void ReadRecord(Plugin& plugin, const PluginInfo& info, const Resolver& resolve) {
  plugin.name = TrimSpace(TextOf(info.name));
  plugin.featureList = TextOf(info.featureList);
  plugin.major = info.major;
  plugin.minor = info.minor;
  plugin.build = info.build;
  for (std::u16string& name : FeatureNames(plugin.featureList)) {
    const FeatureKind kind = KindOf(name);
    const FeatureEntry entry = resolve(ExportName(name));
    if (entry != nullptr) plugin.exported.emplace(name, plugin.features.size());
    plugin.features.push_back(Feature{std::move(name), kind, entry});
  }
}

PluginPointer FindPlugin(std::u16string_view name) {
  for (const PluginPointer& plugin : Loaded()) {
    if (contract::EqualsIgnoringAsciiCase(plugin->name, name)) return plugin;
  }
  return nullptr;
}

FoundFeature SearchFeature(FeatureKind kind, std::u16string_view name) {
  for (const PluginPointer& plugin : Loaded()) {
    const auto found = plugin->exported.find(name);
    if (found == plugin->exported.end()) continue;
    const Feature& feature = plugin->features[found->second];
    if (feature.kind == kind) return FoundFeature{&plugin, feature.entry};
  }
  return {};
}

// A batch file uses the same few names line after line: the last lookup of
// each kind is remembered, as written, until a plug-in is loaded or
// unloaded.
struct RememberedLookup {
  bool valid = false;
  std::uint64_t changes = 0;
  std::u16string name;
  FoundFeature found;
};

// Equality alone needs no ordering: one comparison of the bytes.
bool SameName(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0;
}

// Reads the record and admits the plug-in unless its record is empty or its
// name is taken. Reports why not.
bool Admit(Plugin& plugin, std::u16string_view source, GetPluginInfoEntry getInfo, const Resolver& resolve) {
  const PluginInfo* info = getInfo();
  if (info == nullptr) {
    output::ReportError(u"Plug-in " + Quoted(source) + u" offers no names; not loaded");
    return false;
  }
  ReadRecord(plugin, *info, resolve);
  if (plugin.name.empty()) {
    output::ReportError(u"Plug-in " + Quoted(source) + u" has no name; not loaded");
    return false;
  }
  if (IsLoaded(plugin.name)) {
    output::ReportError(u"A plug-in named " + Quoted(plugin.name) + u" is already loaded");
    return false;
  }
  return true;
}

template <typename Entry>
Entry Symbol(platform::Module module, std::u16string_view name) {
  return reinterpret_cast<Entry>(platform::FindSymbol(module, contract::ToUtf8(name).c_str()));
}

}  // namespace

FeatureKind KindOf(std::u16string_view entry) {
  if (!entry.empty() && entry.front() == u'@') return FeatureKind::kFunction;
  if (!entry.empty() && entry.front() == u'_') return FeatureKind::kVariable;
  return FeatureKind::kCommand;
}

std::u16string ExportName(std::u16string_view entry) {
  if (KindOf(entry) == FeatureKind::kFunction) return u"f_" + std::u16string(entry.substr(1));
  return std::u16string(entry);
}

bool Load(std::u16string_view path) {
  const std::optional<std::u16string> fullPath = platform::FullPath(path);
  std::u16string error = u"no such path";
  const platform::Module module = fullPath ? platform::OpenModule(*fullPath, error) : nullptr;
  if (module == nullptr) {
    output::ReportError(u"Cannot load plug-in " + Quoted(path) + u": " + error);
    return false;
  }
  auto plugin = std::make_shared<Plugin>();
  plugin->module = module;  // closed again when the plug-in is not admitted
  const auto getInfo = Symbol<GetPluginInfoEntry>(module, u"GetPluginInfo");
  if (getInfo == nullptr) {
    output::ReportError(Quoted(*fullPath) + u" is not a plug-in: it exports no GetPluginInfo");
    return false;
  }
  const Resolver resolve = [module](std::u16string_view name) { return Symbol<FeatureEntry>(module, name); };
  if (!Admit(*plugin, *fullPath, getInfo, resolve)) return false;
  plugin->shutdown = Symbol<ShutdownPluginEntry>(module, u"ShutdownPlugin");
  plugin->help = Symbol<HelpEntry>(module, u"Help");
  plugin->usage = Symbol<UsageEntry>(module, u"Usage");
  const auto initialize = Symbol<InitializePluginEntry>(module, u"InitializePlugin");
  if (initialize != nullptr && initialize() != 0) {
    output::ReportError(u"Plug-in " + Quoted(plugin->name) + u" failed to initialize; not loaded");
    return false;
  }
  AddLoaded(std::move(plugin));
  return true;
}

bool Register(GetPluginInfoEntry getInfo, ExportLookup lookup) {
  if (getInfo == nullptr || lookup == nullptr) return false;
  auto plugin = std::make_shared<Plugin>();
  if (!Admit(*plugin, u"(in process)", getInfo, lookup)) return false;
  AddLoaded(std::move(plugin));
  return true;
}

bool Unload(std::u16string_view name) {
  const PluginPointer plugin = FindPlugin(name);
  if (plugin == nullptr) return false;
  RemoveLoaded(plugin);
  if (plugin->shutdown != nullptr) plugin->shutdown();
  return true;
}

void UnloadAll() {
  while (!Loaded().empty()) Unload(Loaded().back()->name);
}

bool IsLoaded(std::u16string_view name) { return FindPlugin(name) != nullptr; }

FoundFeature Find(FeatureKind kind, std::u16string_view name) {
  static std::array<RememberedLookup, 3> remembered;  // one per FeatureKind
  RememberedLookup& last = remembered[static_cast<std::size_t>(kind)];
  if (last.valid && last.changes == ListChanges() && SameName(last.name, name)) return last.found;
  last.found = SearchFeature(kind, name);
  last.name = name;
  last.changes = ListChanges();
  last.valid = true;
  return last.found;
}

std::uint64_t Changes() { return ListChanges(); }

int Call(const FoundFeature& feature, KChar* buffer) {
  const PluginPointer keepMapped = *feature.plugin;  // the call may unload its own plug-in
  return feature.entry(buffer);
}

std::vector<std::u16string> OfferedNames() {
  std::vector<std::u16string> names;
  for (const PluginPointer& plugin : Loaded()) {
    for (const Feature& feature : plugin->features) {
      if (feature.entry != nullptr) names.push_back(feature.name);
    }
  }
  return names;
}

std::vector<std::u16string> Describe() {
  std::vector<std::u16string> lines;
  for (const PluginPointer& plugin : Loaded()) {
    const std::string version =
        std::to_string(plugin->major) + "." + std::to_string(plugin->minor) + "." + std::to_string(plugin->build);
    lines.push_back(plugin->name + u" " + contract::Widen(version) + u": " + plugin->featureList);
  }
  return lines;
}

bool ShowHelp(std::u16string_view name) {
  for (const PluginPointer& plugin : Snapshot()) {
    std::u16string writable(name);
    if (plugin->help != nullptr && plugin->help(writable.data()) != 0) return true;
  }
  return false;
}

std::optional<std::u16string> Usage(std::u16string_view name) {
  for (const PluginPointer& plugin : Snapshot()) {
    std::u16string writable(name);
    std::u16string buffer(kHostBufferLength, u'\0');
    if (plugin->usage != nullptr && plugin->usage(writable.data(), buffer.data()) != 0) {
      buffer[kHostBufferLength - 1] = u'\0';
      return TextOf(buffer.data());
    }
  }
  return std::nullopt;
}

}  // namespace torvane::plugins
