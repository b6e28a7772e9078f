// POSIX back-end: the help pages lie beside their contents page
// "kalendra.html", each as HTML and as plain text. A page is shown as text,
// through the user's pager when the output is a terminal, or handed to the
// browser that KALENDRAHELP_BROWSER names.
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "contract/text.h"
#include "platform/platform.h"

extern char** environ;

namespace kalendra::platform {

using contract::FromUtf8;
using contract::ToUtf8;
namespace {

// The exit codes of a shell line whose command could not be run or found.
constexpr int kShellCannotRun = 126;
constexpr int kShellNotFound = 127;

// Runs a line of the user's shell with $1 set to argument and waits for it;
// its exit status, or nothing when it could not be started.
std::optional<int> RunShellLine(const char* line, const std::string& argument) {
  char shell[] = "/bin/sh";
  char dashC[] = "-c";
  char name[] = "sh";
  std::string script(line);
  std::string first(argument);
  char* arguments[] = {shell, dashC, script.data(), name, first.data(), nullptr};
  pid_t child = 0;
  if (posix_spawn(&child, shell, nullptr, nullptr, arguments, environ) != 0) return std::nullopt;
  // Ctrl+C belongs to the pager while it runs, not to the shell behind it.
  struct sigaction ignore{};
  struct sigaction previous{};
  ignore.sa_handler = SIG_IGN;
  sigaction(SIGINT, &ignore, &previous);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  sigaction(SIGINT, &previous, nullptr);
  if (!WIFEXITED(status)) return std::nullopt;
  return WEXITSTATUS(status);
}

bool IsRegularFile(const std::string& path) {
  struct stat info{};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The shell's line ends: CR LF.
std::u16string WithShellLineEnds(std::string_view utf8) {
  std::u16string text;
  for (const KChar c : FromUtf8(utf8)) {
    if (c == u'\n') text += u'\r';
    text += c;
  }
  return text;
}

bool IsTerminal() { return QueryIsConsole(kHostStdout) != 0 && ::isatty(STDIN_FILENO) != 0; }

}  // namespace

std::u16string_view HelpFileName() { return u"kalendra.html"; }

HelpPlaceNames HelpPlaces() { return {u"kalendra.html", u"libkalendra.so", u"library", u"help", u""}; }

std::optional<HelpWindow> ShowHelpPage(const std::u16string& helpFile, std::u16string_view page) {
  const std::string file = ToUtf8(helpFile);
  const std::string folder = file.substr(0, file.rfind('/'));
  // A page name is a name: it never leaves the help folder.
  if (page.empty() || page.find(u'/') != std::u16string_view::npos || page.starts_with(u'.')) return std::nullopt;
  const std::string base = folder + "/" + ToUtf8(page);
  if (!IsRegularFile(base + ".html")) return std::nullopt;
  const char* browser = std::getenv("KALENDRAHELP_BROWSER");
  if (browser != nullptr && *browser != '\0') {
    // The browser runs on by itself; the shell does not wait for it.
    RunShellLine("$KALENDRAHELP_BROWSER \"$1\" >/dev/null 2>&1 &", base + ".html");
    return kNoHelpWindow;
  }
  const std::optional<std::string> text = FileText(base + ".txt");
  if (!text) return std::nullopt;
  if (IsTerminal()) {
    // A pager that is not there is the shell's "not found" status, said
    // quietly: the page is then written here instead.
    const std::optional<int> status = RunShellLine(
        "page=$1; set -- ${PAGER:-less}; command -v \"$1\" >/dev/null 2>&1 || exit 127; exec \"$@\" \"$page\"",
        base + ".txt");
    if (status && *status != kShellCannotRun && *status != kShellNotFound) return kNoHelpWindow;
  }
  QPuts(WithShellLineEnds(*text).c_str());
  return kNoHelpWindow;
}

// The pager and the browser are no windows of the plug-in's: nothing to close.
void CloseHelpWindow(HelpWindow) {}

bool ShowMessageBox(std::u16string_view) { return false; }

}  // namespace kalendra::platform
