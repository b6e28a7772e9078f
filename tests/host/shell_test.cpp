// The shell as a program, in-process: its options, how it cuts a command
// line, -c lines, batch files (parameters, line numbers, nesting), built-in
// and plug-in commands, and the exit status.
#include "host_kit.h"

#include "services/batch.h"
#include "services/commands.h"
#include "services/completion.h"

namespace {

TEST(ShellArguments, ChooseHowTheShellRuns) {
  const struct {
    std::vector<std::u16string> arguments;
    bool loadPlugins;
    std::vector<std::u16string> commands;
    std::vector<std::u16string> batch;
    std::u16string error;
  } rows[] = {
      {{}, true, {}, {}, u""}, {{u"--no-plugins"}, false, {}, {}, u""},
      {{u"-c", u"echo a", u"-c", u"echo b"}, true, {u"echo a", u"echo b"}, {}, u""},
      {{u"-c", u"-c"}, true, {u"-c"}, {}, u""},  // the line after -c is taken as it is
      {{u"job.btm", u"a", u"-c", u"--no-plugins"}, true, {}, {u"job.btm", u"a", u"-c", u"--no-plugins"}, u""},
      {{u"--no-plugins", u"job.btm"}, false, {}, {u"job.btm"}, u""}, {{u"-"}, true, {}, {u"-"}, u""},
      {{u"-c"}, true, {}, {}, u"-c needs a command line"}, {{u"-x"}, true, {}, {}, u"Unknown option \"-x\""},
      {{u"-c", u"x", u"job.btm"}, true, {u"x"}, {u"job.btm"}, u"-c and a batch file cannot be combined"},
  };
  for (const auto& row : rows) {
    const torvane::ShellOptions options = torvane::ParseShellArguments(row.arguments);
    const std::string label = row.arguments.empty() ? "(none)" : Narrow(row.arguments.front());
    EXPECT_EQ(options.error, row.error) << label;
    if (!row.error.empty()) continue;
    EXPECT_EQ(options.loadPlugins, row.loadPlugins) << label;
    EXPECT_EQ(options.commands, row.commands) << label;
    EXPECT_EQ(options.batch, row.batch) << label;
    EXPECT_FALSE(options.showUsage) << label;
  }
  EXPECT_TRUE(torvane::ParseShellArguments({u"--help"}).showUsage);
  EXPECT_TRUE(torvane::ParseShellArguments({u"-h"}).showUsage);
}

TEST(CommandLine, SplitsNameFromTail) {
  const struct { std::u16string_view line, name, tail; } rows[] = {
      {u"", u"", u""}, {u"echo", u"echo", u""},
      {u"echo hi  there ", u"echo", u"hi  there "},  // the tail keeps its inner and trailing blanks
      {u"  set\tA=1", u"set", u"A=1"}, {u"qcal /3 2025", u"qcal", u"/3 2025"}, {u"a=b", u"a=b", u""},
  };
  for (const auto& row : rows) {
    const torvane::CommandLine command = torvane::SplitCommand(row.line);
    EXPECT_EQ(command.name, row.name) << Narrow(row.line);
    EXPECT_EQ(command.tail, row.tail) << Narrow(row.line);
  }
}

// ---- Whole runs --------------------------------------------------------------

struct RunRow { std::vector<std::u16string> lines; int status; std::u16string out; std::u16string err; };

void ExpectRuns(const std::vector<RunRow>& rows) {
  for (const RunRow& row : rows) {
    const Outcome run = RunLines(row.lines);
    const std::string label = Narrow(row.lines.front());
    EXPECT_EQ(run.status, row.status) << label;
    EXPECT_EQ(run.out, row.out) << label;
    EXPECT_EQ(run.err, row.err) << label;
  }
}

TEST(ShellRun, EchoSetAndExit) {
  ExpectRuns({
      {{u"echo hello", u"echo %%_x"}, 0, u"hello\r\n%_x\r\n", u""}, {{u"echo"}, 0, u"\r\n", u""},
      {{u"ECHO Mixed Case"}, 0, u"Mixed Case\r\n", u""}, {{u"echo %_transient%_batch"}, 0, u"10\r\n", u""},
      {{u""}, 0, u"", u""}, {{u"rem a remark"}, 0, u"", u""},
      {{u"set TORVANE_SHELL_T=a b", u"echo [%TORVANE_SHELL_T]", u"set TORVANE_SHELL_T", u"set TORVANE_SHELL_T=",
        u"echo [%TORVANE_SHELL_T]"},
       0,
       u"[a b]\r\nTORVANE_SHELL_T=a b\r\n[]\r\n",
       u""},
      {{u"set TORVANE_SHELL_UNSET"}, 1, u"", u"torvane: set: no variable named \"TORVANE_SHELL_UNSET\"\r\n"},
      {{u"set =x"}, 1, u"", u"torvane: set: no variable name in \"=x\"\r\n"}, {{u"exit 7", u"echo never"}, 7, u"", u""},
      {{u"exit -1"}, -1, u"", u""}, {{u"bogus", u"exit"}, 1, u"", u"torvane: Unknown command \"bogus\"\r\n"},
      {{u"bogus", u"exit 0"}, 0, u"", u"torvane: Unknown command \"bogus\"\r\n"},
      {{u"exit 1x", u"echo still"}, 0, u"still\r\n", u"torvane: exit: not a number \"1x\"\r\n"},
      {{u"echo still", u"exit 1x"}, 1, u"still\r\n", u"torvane: exit: not a number \"1x\"\r\n"},
  });
}

// A failed line does not stop the next; the exit status is the last line's.
TEST(ShellRun, AFailedLineDoesNotStopTheNext) {
  ExpectRuns({
      {{u"bogus", u"echo after"}, 0, u"after\r\n", u"torvane: Unknown command \"bogus\"\r\n"},
      {{u"echo before", u"bogus"}, 1, u"before\r\n", u"torvane: Unknown command \"bogus\"\r\n"},
      {{u"echo %@nosuch[x]", u"echo after"}, 0, u"after\r\n", u"torvane: Unknown function \"@nosuch\"\r\n"},
      {{u"echo %@eval[6*7]", u"echo %@eval[1/0]"}, 1, u"42\r\n", u"torvane: Division by zero in \"1/0\"\r\n"},
  });
}

TEST(ShellRun, PluginAndHelpCommands) {
  ExpectRuns({
      {{u"plugin"}, 0, u"No plug-ins loaded.\r\n", u""},
      {{u"plugin /U nothing"}, 1, u"", u"torvane: No plug-in named \"nothing\" is loaded\r\n"},
      {{u"plugin /X y"}, 1, u"", u"torvane: Usage: plugin [/L path | /U name]\r\n"},
      {{u"help nosuch"}, 1, u"", u"torvane: No help for \"nosuch\"\r\n"},
      {{u"call"}, 1, u"", u"torvane: Usage: call file [arguments]\r\n"},
      {{u"help ECHO"}, 0, u"echo [TEXT]           write the text and a line end\r\n", u""},
  });
  const Outcome missing = RunLines({u"plugin /L /no/such/dir/libnothing.so"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.err.starts_with(u"torvane: Cannot load plug-in \"/no/such/dir/libnothing.so\": "))
      << Narrow(missing.err);
  const Outcome help = RunLines({u"help"});
  EXPECT_NE(help.out.find(u"plugin [/L PATH | /U NAME]"), std::u16string::npos);
}

// ---- Plug-in commands --------------------------------------------------------

TEST(ShellRun, PluginCommandsGetTheExpandedTail) {
  const struct { std::u16string line; int status; std::u16string out, err; } rows[] = {
      {u"greet world", 0, u"hello <world>\r\n", u""}, {u"GREET  %@eval[1+1] x ", 0, u"hello <2 x >\r\n", u""},
      {u"greet", 0, u"hello <>\r\n", u""}, {u"refuse", 1, u"", u"TESTPLUG: refused\r\n"},
      {u"echo shadowed", 0, u"plugin echo: shadowed\r\n", u""},  // plug-in commands come first
      {u"_count", 1, u"", u"torvane: Unknown command \"_count\"\r\n"},  // a variable is no command
      {u"plugin", 0, u"TESTPLUG 2.0.7: @twice,@fail,@nested,@missing,_answer,_count,greet,refuse,echo\r\n", u""},
  };
  for (const auto& row : rows) {
    RegisterTestPlugin();
    const Outcome run = RunLines({row.line});  // the run unloads every plug-in at its end
    EXPECT_EQ(run.status, row.status) << Narrow(row.line);
    EXPECT_EQ(run.out, row.out) << Narrow(row.line);
    EXPECT_EQ(run.err, row.err) << Narrow(row.line);
  }
}

// Tab at the prompt: commands at the start of a line (built-in and loaded,
// once each), the shell's and the plug-ins' variables after "%_".
TEST(Completion, OffersWhatTheShellAndItsPluginsKnow) {
  RegisterTestPlugin();
  const struct { std::u16string_view word; bool atLineStart; std::vector<std::u16string> words; } rows[] = {
      {u"gr", true, {u"greet"}}, {u"GR", true, {u"greet"}},
      {u"e", true, {u"echo", u"exit"}},  // the plug-in's echo and the built-in, once
      {u"gr", false, {}},
      {u"", true, {u"call", u"echo", u"exit", u"greet", u"help", u"plugin", u"refuse", u"rem", u"set", u"usage"}},
      {u"%_ba", false, {u"%_batch", u"%_batchline", u"%_batchname"}},
      {u"%_c", true, {u"%_cmdspec"}},  // _count is listed but not exported
      {u"%@", false, {u"%@fail[", u"%@nested[", u"%@twice["}}, {u"x", true, {}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(torvane::CompletionsFor(row.word, row.atLineStart), row.words) << Narrow(row.word);
  }
  ASSERT_TRUE(torvane::testing::RemovePlugin(kTestPlugin));
}

TEST(ShellRun, PluginUnloadForgetsItsCommands) {
  RegisterTestPlugin();
  const Outcome run = RunLines({u"greet a", u"plugin /U testplug", u"greet b", u"echo %@if[plugin TESTPLUG,yes,no]"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, u"hello <a>\r\nno\r\n");
  EXPECT_EQ(run.err, u"torvane: Unknown command \"greet\"\r\n");
}

// ---- Batch files -----------------------------------------------------------

using BatchTest = FolderTest;

TEST_F(BatchTest, LinesParametersAndLineNumbers) {
  const std::u16string path = Write("job.btm",
                                    "echo %_batch %_batchline [%1] [%2] [%3]\r\n"
                                    "bogus\r\n"
                                    "echo %_batchname\r\n"
                                    "\r\n"
                                    "echo %_transient line %_batchline\r\n");
  const Outcome run = RunShell({path, u"A", u"B c"});
  EXPECT_EQ(run.status, 0);  // the last line succeeded
  EXPECT_EQ(run.out, u"1 1 [A] [B c] []\r\n" + path + u"\r\n1 line 5\r\n");
  EXPECT_EQ(run.err, u"torvane: Unknown command \"bogus\"\r\n");
}

TEST_F(BatchTest, CallNestsAndReturns) {
  const std::u16string inner = Write("inner.btm", "echo in %_batch %1 line %_batchline\necho %0\n");
  const std::string innerPath(inner.begin(), inner.end());
  const std::u16string outer =
      Write("outer.btm", "echo out %_batch\ncall \"" + innerPath + "\" X\necho back %_batch line %_batchline\n");
  const Outcome run = RunShell({outer});
  EXPECT_EQ(run.status, 0) << Narrow(run.err);
  EXPECT_EQ(run.out, u"out 1\r\nin 2 X line 1\r\n" + inner + u"\r\nback 1 line 3\r\n");
}

TEST_F(BatchTest, ExitEndsTheBatchAndTheShell) {
  const std::u16string inner = Write("inner.btm", "echo one\nexit 3\necho never\n");
  const std::string innerPath(inner.begin(), inner.end());
  const std::u16string outer = Write("outer.btm", "call " + innerPath + "\necho never either\n");
  const Outcome run = RunShell({outer});
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.out, u"one\r\n");
}

// Lines up to the limit run whole, however long; a longer one is reported
// by its number and skipped. A text too long for a plug-in's buffer is
// refused rather than cut; a zero byte ends a batch that is no text file.
TEST_F(BatchTest, LongLinesAndFilesThatAreNoText) {
  const std::string justFits = "echo " + std::string(torvane::kMaxBatchLineLength - 5, 'a');
  const std::string tooLong = justFits + "a";
  const std::u16string path = Write("long.btm", "echo %@eval[1+1]\r\n" + justFits + "\r\n" + tooLong + "\r\necho end\r\n");
  const Outcome run = RunShell({path});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, u"2\r\n" + std::u16string(justFits.begin() + 5, justFits.end()) + u"\r\nend\r\n");
  EXPECT_EQ(run.err, u"torvane: Line 3 of \"" + path + u"\" is longer than 65535 characters; not run\r\n");

  RegisterTestPlugin();
  const Outcome tail = RunLines({u"greet " + std::u16string(8192, u'x'), u"greet " + std::u16string(8191, u'x')});
  EXPECT_EQ(tail.status, 0);
  EXPECT_EQ(tail.err, u"torvane: The text after \"greet\" is longer than 8191 characters\r\n");
  EXPECT_EQ(tail.out.size(), 8191u + 10u);  // "hello <", the tail, ">" and the line end

  const std::u16string binary = Write("binary.btm", std::string("echo a\r\n\x01\0\x02\r\necho b\r\n", 17));
  const Outcome stopped = RunShell({binary});
  EXPECT_EQ(stopped.status, 1);
  EXPECT_EQ(stopped.out, u"a\r\n");
  EXPECT_EQ(stopped.err, u"torvane: \"" + binary + u"\" is not a text file: line 2 holds a zero byte\r\n");
  const Outcome folder = RunShell({directory_.u16string()});
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.err, u"torvane: Cannot open batch file \"" + directory_.u16string() + u"\"\r\n");
}

}  // namespace
