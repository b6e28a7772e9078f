// The plug-in record with its feature list as Disable_Features leaves it,
// and the load and unload steps.
#include "frame/plugin.h"


#include "frame/arguments.h"
#include "frame/features.h"
#include "frame/text.h"
#include "help/help.h"
#include "platform/platform.h"
#include "qcal/qcal_colors.h"

namespace kalendra {
namespace {

constexpr bool IsListSeparator(KChar c) { return c == u',' || c == u';'; }

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (ToUpper(a[i]) != ToUpper(b[i])) return false;
  }
  return true;
}

// Removes the first entry equal to word, with the separator after it.
void RemoveFeature(std::u16string& list, std::u16string_view word) {
  std::size_t begin = 0;
  while (begin < list.size()) {
    std::size_t end = begin;
    while (end < list.size() && !IsListSeparator(list[end])) ++end;
    if (SameName(std::u16string_view(list).substr(begin, end - begin), word)) {
      if (end < list.size()) {
        list.erase(begin, end - begin + 1);
      } else {
        list.erase(begin);
      }
      if (!list.empty() && IsListSeparator(list.back())) list.pop_back();
      return;
    }
    begin = end + 1;
  }
}

struct PluginState {
  std::u16string featureList = AllFeatureNames();
  std::u16string name{kPluginName};
  std::u16string author{u"The kalendra developers"};
  std::u16string email{u"kalendra@example.org"};
  std::u16string webPage{u"https://kalendra.example.org/"};
  std::u16string description{u"Adds support for ISO 8601 date formats"};
  PluginInfo record{};
};

PluginState& State() {
  static PluginState state;
  return state;
}

// The longest "Disable_Features" value that is read.
constexpr std::size_t kMaxDisabledLength = 8192;

}  // namespace

void WithholdFeatures(std::u16string& featureList, std::u16string_view disabled) {
  disabled = disabled.substr(0, kMaxDisabledLength);
  std::size_t pos = 0;
  while (pos < disabled.size()) {
    while (pos < disabled.size() && (IsListSeparator(disabled[pos]) || IsSpace(disabled[pos]))) ++pos;
    std::size_t end = pos;
    while (end < disabled.size() && !IsListSeparator(disabled[end]) && !IsSpace(disabled[end])) ++end;
    if (end > pos && !featureList.empty()) RemoveFeature(featureList, disabled.substr(pos, end - pos));
    pos = end;
  }
}

const std::u16string& FeatureList() { return State().featureList; }

PluginInfo* GetPluginInfoRecord() {
  PluginState& state = State();
  WithholdFeatures(state.featureList, platform::EnvironmentValue(u"Disable_Features"));
  if (state.featureList.empty()) return nullptr;
  state.record = PluginInfo{state.name.data(),        state.author.data(),      state.email.data(),
                            state.webPage.data(),     state.description.data(), state.featureList.data(),
                            kVersionMajor,            kVersionMinor,            kVersionBuild};
  return &state.record;
}

int InitializePluginNow() {
  LoadQcalColorDefaults();
  HostBuffer buffer;
  CopyText(buffer.data(), buffer.size(), u"%[_transient]%[_pipe]%[noloadmsg]");
  ExpandVariables(buffer.data(), 1);
  if (std::u16string_view(buffer.data()) == u"00") {
    Printf(u"%s plugin v%d.%d.%d loaded.\r\n", kPluginName.data(), kVersionMajor, kVersionMinor, kVersionBuild);
  }
  // Our own qcal replaces a separately loaded plug-in of that name.
  CopyText(buffer.data(), buffer.size(), u"%@if[plugin QCAL,1,0]");
  ExpandVariables(buffer.data(), 1);
  if (std::u16string_view(buffer.data()) == u"1") UnloadOnePlugin(u"QCAL");
  return 0;
}

int ShutdownPluginNow() {
  CloseHelpWindowAtShutdown();
  return 0;
}

}  // namespace kalendra
