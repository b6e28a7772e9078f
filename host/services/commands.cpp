// The command dispatcher and the built-in commands: echo, set, exit, help,
// plugin, call and rem. Plug-in commands come before built-ins of the same
// name; names compare without regard to case.
#include "services/commands.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "contract/text.h"
#include "platform/host_platform.h"
#include "services/batch.h"
#include "services/expansion.h"
#include "services/output.h"
#include "services/plugins.h"
#include "services/session.h"
#include "services/texts.h"

namespace torvane {
namespace {

using output::Stream;

void WriteLine(std::u16string_view text) { output::WriteLine(Stream::Output, text); }

bool Fail(std::u16string_view message) {
  output::ReportError(message);
  return false;
}

// A word of a command tail; double quotes group words with spaces and are
// dropped.
std::vector<std::u16string> Words(std::u16string_view tail) {
  std::vector<std::u16string> words;
  std::u16string word;
  bool quoted = false;
  bool inWord = false;
  for (const KChar c : tail) {
    if (c == u'"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && contract::IsSpace(c)) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

std::optional<int> ReadInteger(std::u16string_view text) {
  const std::string digits = contract::ToUtf8(text);
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

bool Echo(std::u16string_view tail) {
  WriteLine(tail);
  return true;
}

bool ListEnvironment() {
  auto entries = platform::EnvironmentEntries();
  std::sort(entries.begin(), entries.end());
  for (const auto& [name, value] : entries) WriteLine(name + u"=" + value);
  return true;
}

// set NAME=VALUE sets, set NAME= removes, set NAME shows, set lists.
bool Set(std::u16string_view tail) {
  if (TrimSpace(tail).empty()) return ListEnvironment();
  const std::size_t equals = tail.find(u'=');
  const std::u16string_view name = TrimSpace(tail.substr(0, equals));
  if (name.empty()) return Fail(u"set: no variable name in " + Quoted(tail));
  if (equals == std::u16string_view::npos) {
    const std::optional<std::u16string> value = LookupEnvironment(name);
    if (!value) return Fail(u"set: no variable named " + Quoted(name));
    WriteLine(std::u16string(name) + u"=" + *value);
    return true;
  }
  const std::u16string_view value = tail.substr(equals + 1);
  const bool done = value.empty() ? platform::RemoveEnvironmentValue(name) : platform::SetEnvironmentValue(name, value);
  return done || Fail(u"set: cannot set " + Quoted(name));
}

// exit [N]: N is the shell's exit status; without it the status says
// whether every line so far succeeded.
bool Exit(std::u16string_view tail) {
  Session& session = CurrentSession();
  const std::u16string_view text = TrimSpace(tail);
  if (!text.empty()) {
    const std::optional<int> status = ReadInteger(text);
    if (!status) return Fail(u"exit: not a number " + Quoted(text));
    session.exitStatus = *status;
  } else {
    session.exitStatus = session.lastLineFailed ? 1 : 0;
  }
  session.exitRequested = true;
  return true;
}

bool PluginCommand(std::u16string_view tail) {
  const std::vector<std::u16string> words = Words(tail);
  if (words.empty()) {
    const std::vector<std::u16string> lines = plugins::Describe();
    if (lines.empty()) WriteLine(u"No plug-ins loaded.");
    for (const std::u16string& line : lines) WriteLine(line);
    return true;
  }
  const bool load = contract::EqualsIgnoringAsciiCase(words[0], u"/L");
  const bool unload = contract::EqualsIgnoringAsciiCase(words[0], u"/U");
  if ((!load && !unload) || words.size() != 2) return Fail(u"Usage: plugin [/L path | /U name]");
  if (load) return plugins::Load(words[1]);
  return plugins::Unload(words[1]) || Fail(u"No plug-in named " + Quoted(words[1]) + u" is loaded");
}

bool Call(std::u16string_view tail) {
  std::vector<std::u16string> words = Words(tail);
  if (words.empty()) return Fail(u"Usage: call file [arguments]");
  return RunBatchFile(words);
}

bool Remark(std::u16string_view) { return true; }

bool Help(std::u16string_view tail);
bool UsageCommand(std::u16string_view tail);

struct BuiltinCommand {
  std::u16string_view name;
  bool (*run)(std::u16string_view tail);
  std::u16string_view summary;
};

constexpr std::array<BuiltinCommand, 8> kBuiltins{{
    {u"call", Call, u"call FILE [ARGS...]   run a batch file, then go on"},
    {u"echo", Echo, u"echo [TEXT]           write the text and a line end"},
    {u"exit", Exit, u"exit [N]              leave the shell with status N"},
    {u"help", Help, u"help [NAME]           help on a command or plug-in name"},
    {u"plugin", PluginCommand, u"plugin [/L PATH | /U NAME]   list, load or unload plug-ins"},
    {u"rem", Remark, u"rem [TEXT]            a remark; does nothing"},
    {u"set", Set, u"set [NAME[=[VALUE]]]  show, set or remove environment variables"},
    {u"usage", UsageCommand, u"usage NAME            the syntax of a plug-in's command"},
}};

const BuiltinCommand* FindBuiltin(std::u16string_view name) {
  for (const BuiltinCommand& command : kBuiltins) {
    if (contract::EqualsIgnoringAsciiCase(command.name, name)) return &command;
  }
  return nullptr;
}

// usage NAME asks the plug-ins for the syntax of one of their commands.
bool UsageCommand(std::u16string_view tail) {
  const std::u16string_view name = TrimSpace(tail);
  if (name.empty()) return Fail(u"Usage: usage NAME");
  if (const std::optional<std::u16string> usage = plugins::Usage(name)) {
    output::Write(Stream::Output, *usage);
    return true;
  }
  return Fail(u"No usage for " + Quoted(name));
}

// help NAME asks the plug-ins (Help, then Usage), then the built-ins.
bool Help(std::u16string_view tail) {
  const std::u16string_view name = TrimSpace(tail);
  if (name.empty()) {
    for (const BuiltinCommand& command : kBuiltins) WriteLine(command.summary);
    WriteLine(u"Plug-in names: see \"plugin\"; \"help NAME\" asks the plug-in.");
    return true;
  }
  if (plugins::ShowHelp(name)) return true;
  if (const std::optional<std::u16string> usage = plugins::Usage(name)) {
    output::Write(Stream::Output, *usage);
    return true;
  }
  if (const BuiltinCommand* command = FindBuiltin(name)) {
    WriteLine(command->summary);
    return true;
  }
  return Fail(u"No help for " + Quoted(name));
}

bool RunPluginCommand(const plugins::FoundFeature& found, const CommandLine& command) {
  if (command.tail.size() >= kHostBufferLength) {
    return Fail(u"The text after " + Quoted(command.name) + u" is longer than " + TextLimit());
  }
  const CallBuffer buffer;
  contract::CopyText(buffer.data(), kHostBufferLength, command.tail);
  return plugins::Call(found, buffer.data()) == 0;
}

// What a command name was found to be: a plug-in's command (which comes
// before a built-in of the same name), a built-in, or neither.
struct FoundCommand {
  plugins::FoundFeature plugin;
  const BuiltinCommand* builtin = nullptr;
};

// A batch file runs the same command line after line: the last name is
// remembered as written, with what it was found to be, until a plug-in is
// loaded or unloaded.
FoundCommand FindCommand(std::u16string_view name) {
  static std::u16string lastName;
  static std::uint64_t lastChanges = 0;
  static FoundCommand last;
  const std::uint64_t changes = plugins::Changes();
  if (changes == lastChanges && name.size() == lastName.size() &&
      std::memcmp(name.data(), lastName.data(), name.size() * sizeof(KChar)) == 0) {
    return last;
  }
  last.plugin = plugins::Find(plugins::FeatureKind::kCommand, name);
  last.builtin = last.plugin ? nullptr : FindBuiltin(name);
  lastName = name;
  lastChanges = changes;
  return last;
}

bool RunCommand(const CommandLine& command) {
  if (command.name.empty()) return true;
  const FoundCommand found = FindCommand(command.name);
  if (found.plugin) return RunPluginCommand(found.plugin, command);
  if (found.builtin != nullptr) return found.builtin->run(command.tail);
  return Fail(u"Unknown command " + Quoted(command.name));
}

}  // namespace

CommandLine SplitCommand(std::u16string_view line) {
  std::size_t start = 0;
  while (start < line.size() && contract::IsSpace(line[start])) ++start;
  std::size_t end = start;
  while (end < line.size() && !contract::IsSpace(line[end])) ++end;
  std::size_t tail = end;
  while (tail < line.size() && contract::IsSpace(line[tail])) ++tail;
  return CommandLine{line.substr(start, end - start), line.substr(tail)};
}

std::vector<std::u16string> BuiltinNames() {
  std::vector<std::u16string> names;
  for (const BuiltinCommand& command : kBuiltins) names.emplace_back(command.name);
  return names;
}

bool RunLine(std::u16string_view line) {
  Session& session = CurrentSession();
  const int errorsBefore = session.errorsReported;
  bool succeeded = false;
  const std::size_t percent = FindUnit(line, u'%');
  if (percent == std::u16string_view::npos) {  // nothing to expand: the line as it stands
    succeeded = RunCommand(SplitCommand(line));
  } else {
    // The room of the last line's text is used again; a line run from
    // within a line (a batch file it calls) finds none and makes its own.
    static std::u16string spare;
    std::u16string expanded = std::move(spare);
    expanded.clear();
    succeeded = ExpandInto(line, expanded, percent) && RunCommand(SplitCommand(expanded));
    spare = std::move(expanded);
  }
  // A message of the shell's fails the line, even one reported inside a
  // plug-in's call that the plug-in went on from.
  succeeded = succeeded && session.errorsReported == errorsBefore;
  session.lastLineFailed = !succeeded;
  return succeeded;
}

}  // namespace torvane
