// The shell's run: options, the plug-in beside the executable, the three
// ways of reading lines, and the orderly unload at the end.
#include "services/shell.h"

#include "contract/text.h"
#include "platform/host_platform.h"
#include "services/batch.h"
#include "services/commands.h"
#include "services/completion.h"
#include "services/output.h"
#include "services/plugins.h"
#include "services/session.h"
#include "services/texts.h"

namespace torvane {
namespace {

constexpr std::u16string_view kPrompt = u"torvane> ";
constexpr std::u16string_view kUsage =
    u"Usage: torvane [--no-plugins] [-c LINE]...\r\n"
    u"       torvane [--no-plugins] FILE [ARGS...]\r\n"
    u"       torvane --help | --version\r\n"
    u"Without -c or FILE, reads command lines from standard input.\r\n";

// The kalendra plug-in lives in the shell's own folder.
void LoadDefaultPlugin() {
  plugins::Load(DirectoryPart(platform::ExecutablePath()) + std::u16string(platform::DefaultPluginFileName()));
}

void RunCommands(const std::vector<std::u16string>& lines) {
  for (const std::u16string& line : lines) {
    if (CurrentSession().exitRequested) break;
    RunLine(line);
  }
}

void RunInteractive() {
  const bool prompt = platform::IsTerminal(platform::Stream::Input);
  CurrentSession().interactive = prompt;
  while (!CurrentSession().exitRequested) {
    platform::RestoreTerminal();  // a plug-in may have left it in key mode
    output::Flush();
    const std::optional<std::u16string> line =
        prompt ? platform::ReadEditedLine(kPrompt, CompletionsFor) : platform::ReadInputLine();
    if (!line) break;
    RunLine(*line);
  }
  if (prompt && !CurrentSession().exitRequested) output::Write(output::Stream::Output, output::kLineEnd);
}

int ExitStatus() {
  const Session& session = CurrentSession();
  if (session.exitRequested) return session.exitStatus;
  return session.lastLineFailed ? 1 : 0;
}

}  // namespace

ShellOptions ParseShellArguments(const std::vector<std::u16string>& arguments) {
  ShellOptions options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::u16string& argument = arguments[i];
    if (argument == u"--no-plugins") {
      options.loadPlugins = false;
    } else if (argument == u"-h" || argument == u"--help") {
      options.showUsage = true;
    } else if (argument == u"--version") {
      options.showVersion = true;
    } else if (argument == u"-c") {
      if (++i == arguments.size()) {
        options.error = u"-c needs a command line";
        break;
      }
      options.commands.push_back(arguments[i]);
    } else if (argument.size() > 1 && argument.front() == u'-') {
      options.error = u"Unknown option \"" + argument + u"\"";
      break;
    } else {
      options.batch.assign(arguments.begin() + static_cast<std::ptrdiff_t>(i), arguments.end());
      break;
    }
  }
  if (options.error.empty() && !options.commands.empty() && !options.batch.empty()) {
    options.error = u"-c and a batch file cannot be combined";
  }
  return options;
}

int RunShell(const std::vector<std::u16string>& arguments) {
  const ShellOptions options = ParseShellArguments(arguments);
  if (!options.error.empty()) {
    output::ReportError(options.error);
    output::Write(output::Stream::Error, kUsage);
    return 2;
  }
  if (options.showUsage || options.showVersion) {
    output::Write(output::Stream::Output,
                  options.showUsage ? std::u16string(kUsage) : u"torvane " + contract::Widen(TORVANE_VERSION) + u"\r\n");
    output::Flush();
    return 0;
  }
  CurrentSession() = Session{};
  // -c lines and batch files run in a transient shell: no load message.
  CurrentSession().transient = !options.commands.empty() || !options.batch.empty();
  if (options.loadPlugins) LoadDefaultPlugin();
  if (!options.commands.empty()) {
    RunCommands(options.commands);
  } else if (!options.batch.empty()) {
    RunBatchFile(options.batch);
  } else {
    RunInteractive();
  }
  plugins::UnloadAll();
  platform::RestoreTerminal();
  output::Flush();
  return ExitStatus();
}

int ShellMain(int argc, char** argv) { return RunShell(platform::ProgramArguments(argc, argv)); }

}  // namespace torvane
