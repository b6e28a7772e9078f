// POSIX back-end of the prompt: line editing, history and completion by
// libedit (through its readline interface). History is kept across sessions
// in $XDG_STATE_HOME/torvane/history, else ~/.local/state/torvane/history.
#include <editline/readline.h>
#include <sys/stat.h>

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "contract/text.h"
#include "platform/host_platform.h"

namespace torvane::platform {
namespace {

constexpr int kHistoryLength = 1000;
// Words end at white space and at the brackets and commas of a function's
// arguments; "%", "@" and "_" belong to the word, so "%@datep" is one.
char kWordBreaks[] = " \t\n\"'`<>=;|&([,]";

struct EditorState {
  bool started = false;
  std::string historyFile;
  Completer completer = nullptr;
  std::vector<std::string> matches;
};

EditorState& State() {
  static EditorState state;
  return state;
}

std::string HistoryFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && state[0] == '/') return std::string(state) + "/torvane";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.local/state/torvane";
  return {};
}

bool MakeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    if (::mkdir(folder.substr(0, slash).c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return true;
  }
}

char* NextMatch(const char* /*text*/, int index) {
  const std::vector<std::string>& matches = State().matches;
  if (index < 0 || static_cast<std::size_t>(index) >= matches.size()) return nullptr;
  return ::strdup(matches[static_cast<std::size_t>(index)].c_str());
}

// libedit asks with the word's text and where it starts in the line.
char** CompleteWord(const char* text, int start, int /*end*/) {
  rl_attempted_completion_over = 1;  // no file names instead
  EditorState& state = State();
  bool atLineStart = true;
  for (int i = 0; i < start; ++i) atLineStart = atLineStart && (rl_line_buffer[i] == ' ' || rl_line_buffer[i] == '\t');
  state.matches.clear();
  for (const std::u16string& word : state.completer(contract::FromUtf8(text), atLineStart)) {
    state.matches.push_back(contract::ToUtf8(word));
  }
  // A function name ends in "[" and a variable is followed by what the user
  // types next; only a command takes a space after it.
  rl_completion_append_character = text[0] == '%' ? '\0' : ' ';
  return rl_completion_matches(text, NextMatch);
}

void Start() {
  EditorState& state = State();
  state.started = true;
  std::setlocale(LC_CTYPE, "");  // UTF-8 input as the terminal sends it
  rl_readline_name = const_cast<char*>("torvane");
  rl_completer_word_break_characters = kWordBreaks;
  rl_basic_word_break_characters = kWordBreaks;  // the one libedit reads
  rl_attempted_completion_function = CompleteWord;
  stifle_history(kHistoryLength);
  const std::string folder = HistoryFolder();
  if (!folder.empty() && MakeFolders(folder)) {
    state.historyFile = folder + "/history";
    read_history(state.historyFile.c_str());
  }
}

}  // namespace

std::optional<std::u16string> ReadEditedLine(std::u16string_view prompt, Completer completer) {
  EditorState& state = State();
  if (!state.started) Start();
  state.completer = completer;
  const std::string promptText = contract::ToUtf8(prompt);
  char* line = readline(promptText.c_str());
  if (line == nullptr) return std::nullopt;
  std::u16string text = contract::FromUtf8(line);
  if (line[0] != '\0') {
    add_history(line);
    if (!state.historyFile.empty()) write_history(state.historyFile.c_str());
  }
  std::free(line);
  return text;
}

}  // namespace torvane::platform
