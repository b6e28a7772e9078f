// A plug-in built as its own shared library, so that the tests can load it
// through the shell's real loader: every entry point of the protocol, one
// listed name without an export, and a function that unloads its own
// plug-in. Environment variables make its record empty or its start fail.
#include <string>
#include <vector>

#include "contract/host_interface.h"

namespace {

bool IsSet(const char16_t* reference) {
  std::vector<KChar> buffer(kHostBufferLength, u'\0');
  std::char_traits<char16_t>::copy(buffer.data(), reference, std::char_traits<char16_t>::length(reference));
  return ExpandVariables(buffer.data(), 1) == 0 && buffer[0] != u'\0';
}

KChar name[] = u"PROBE";
KChar features[] = u"@probe,@gone,@leave,_probed,probecmd";
PluginInfo info{name, nullptr, nullptr, nullptr, nullptr, features, 1, 2, 3};

}  // namespace

PLUGIN_EXPORT PluginInfo* GetPluginInfo() { return IsSet(u"%TORVANE_PROBE_EMPTY") ? nullptr : &info; }

PLUGIN_EXPORT int InitializePlugin() {
  Printf(u"PROBE init\r\n");
  return IsSet(u"%TORVANE_PROBE_FAIL") ? 1 : 0;
}

PLUGIN_EXPORT int ShutdownPlugin() {
  Printf(u"PROBE shutdown\r\n");
  return 0;
}

PLUGIN_EXPORT int f_probe(KChar* buffer) {
  const std::u16string text = buffer;
  Sprintf(buffer, u"probe(%s)", text.c_str());
  return 0;
}

// Runs on after its own plug-in was unloaded: the shell must keep it mapped.
PLUGIN_EXPORT int f_leave(KChar* buffer) {
  const int unloaded = UnloadOnePlugin(name);
  Sprintf(buffer, u"left %d", unloaded);
  return 0;
}

PLUGIN_EXPORT int _probed(KChar* buffer) {
  Sprintf(buffer, u"yes");
  return 0;
}

PLUGIN_EXPORT int probecmd(KChar* tail) {
  Printf(u"probecmd [%s]\r\n", tail);
  return 0;
}

PLUGIN_EXPORT int Help(KChar* topic) {
  if (std::u16string_view(topic) != u"@probe") return 0;
  Printf(u"help for @probe\r\n");
  return 1;
}

PLUGIN_EXPORT int Usage(KChar* topic, KChar* buffer) {
  if (std::u16string_view(topic) != u"probecmd") return 0;
  Sprintf(buffer, u"PROBECMD [text]\r\n");
  return 1;
}
