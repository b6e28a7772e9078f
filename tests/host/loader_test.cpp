// Plug-ins loaded through the shell's real loader: the load protocol, calls
// into every kind of name, help, unloading (also from inside the plug-in's
// own call) and the refusals.
#include "host_kit.h"

namespace {

const std::u16string kProbe = Widen(TORVANE_PROBE_PLUGIN);
const std::u16string kServices = Widen(TORVANE_SERVICES_LIBRARY);

// Messages name a library by the full path the shell made of it, which under
// Wine is a path on drive Z: even when the build's path was not.
std::u16string FullPath(const std::u16string& name) {
  std::u16string path(kHostBufferLength, u'\0');
  if (QueryTrueName(name.c_str(), path.data()) != 0) return name;
  path.resize(std::char_traits<char16_t>::length(path.c_str()));
  return path;
}

// Loads the probe plug-in, then runs the lines.
Outcome RunWithProbe(std::vector<std::u16string> lines) {
  lines.insert(lines.begin(), u"plugin /L \"" + kProbe + u"\"");
  return RunLines(lines);
}

TEST(Loader, CallsEveryKindOfNameAndShutsDownAtExit) {
  const Outcome run = RunWithProbe({u"plugin", u"echo %@PROBE[a b] %_probed", u"probecmd x  y", u"help @probe",
                                    u"help probecmd", u"echo %@if[plugin probe,loaded,absent]"});
  EXPECT_EQ(run.status, 0) << Narrow(run.err);
  EXPECT_EQ(run.out,
            u"PROBE init\r\n"
            u"PROBE 1.2.3: @probe,@gone,@leave,_probed,probecmd\r\n"
            u"probe(a b) yes\r\n"
            u"probecmd [x  y]\r\n"
            u"help for @probe\r\n"
            u"PROBECMD [text]\r\n"
            u"loaded\r\n"
            u"PROBE shutdown\r\n");
}

// A name the plug-in answers with its usage alone is help given.
TEST(Loader, HelpByUsageSucceeds) {
  const Outcome run = RunWithProbe({u"help probecmd"});
  EXPECT_EQ(run.status, 0) << Narrow(run.err);
  EXPECT_EQ(run.out, u"PROBE init\r\nPROBECMD [text]\r\nPROBE shutdown\r\n");
}

TEST(Loader, UnloadCallsShutdownAndForgetsTheNames) {
  const Outcome run = RunWithProbe({u"plugin /U Probe", u"echo %@probe[1]", u"plugin"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, u"PROBE init\r\nPROBE shutdown\r\nNo plug-ins loaded.\r\n");
  EXPECT_EQ(run.err, u"torvane: Unknown function \"@probe\"\r\n");
}

TEST(Loader, APluginMayUnloadItselfInItsOwnCall) {
  const Outcome run = RunWithProbe({u"echo %@leave[]", u"echo %@if[plugin PROBE,1,0]"});
  EXPECT_EQ(run.status, 0) << Narrow(run.err);
  EXPECT_EQ(run.out, u"PROBE init\r\nPROBE shutdown\r\nleft 0\r\n0\r\n");
}

TEST(Loader, RefusesWhatCannotBeAPlugin) {
  const struct { std::u16string_view variable; std::u16string line; std::u16string out; std::u16string err; } rows[] = {
      {u"TORVANE_PROBE_EMPTY", u"plugin", u"No plug-ins loaded.\r\n",
       u"torvane: Plug-in \"" + FullPath(kProbe) + u"\" offers no names; not loaded\r\n"},
      {u"TORVANE_PROBE_FAIL", u"plugin", u"PROBE init\r\nNo plug-ins loaded.\r\n",
       u"torvane: Plug-in \"PROBE\" failed to initialize; not loaded\r\n"},
      {u"", u"plugin /L \"" + kProbe + u"\"", u"PROBE init\r\nPROBE shutdown\r\n",
       u"torvane: A plug-in named \"PROBE\" is already loaded\r\n"},
      {u"", u"plugin /L \"" + kServices + u"\"", u"PROBE init\r\nPROBE shutdown\r\n",
       u"torvane: \"" + FullPath(kServices) + u"\" is not a plug-in: it exports no GetPluginInfo\r\n"},
  };
  for (const auto& row : rows) {
    if (!row.variable.empty()) torvane::testing::SetEnvironment(row.variable, u"1");
    const Outcome run = RunWithProbe({row.line});
    if (!row.variable.empty()) torvane::testing::SetEnvironment(row.variable, u"");
    // The status is the last line's: the listing succeeds after a refused load.
    EXPECT_EQ(run.status, row.line == u"plugin" ? 0 : 1) << Narrow(row.variable) << Narrow(row.line);
    EXPECT_EQ(run.out, row.out) << Narrow(row.variable) << Narrow(row.line);
    EXPECT_EQ(run.err, row.err) << Narrow(row.variable) << Narrow(row.line);
  }
}

}  // namespace
