// POSIX front-end of the date picker: the picture of picker_screen drawn on
// the user's terminal by ncurses. It opens /dev/tty, so it works while
// standard output is redirected; keys and mouse clicks become the model's
// commands, and a one-second wait for a key drives the countdown.
#include <curses.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "frame/text.h"
#include "picker/picker_model.h"
#include "picker/picker_screen.h"
#include "picker/picker_view.h"

namespace kalendra {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTick = std::chrono::seconds(1);
constexpr int kEscape = 27;
constexpr int kDelete = 127;
constexpr int kEscapeDelayMilliseconds = 25;
constexpr int kDoubleClickMilliseconds = 300;
constexpr int kMaxEarlyWakeups = 1000;

enum ColourPair : short { kSundayPair = 1, kHolidayPair = 2 };

// Key codes of our own for the Ctrl keys, far past every code ncurses
// gives: it numbers the terminal description's own extra keys from KEY_MAX
// on, and a code of ours among them would be taken for another key.
enum ControlKey : int { kCtrlPageUp = 0x6001, kCtrlPageDown, kCtrlHome, kCtrlEnd };

// The sequences terminals send for the navigation keys, whatever their
// terminal description says: the xterm forms with the Ctrl modifier (";5"),
// which xterm, tmux, screen and most emulators send, and the other forms of
// Home and End. A description that lacks them (tmux's default "screen")
// would otherwise hand the picker a lone Escape, which cancels it.
void DefineNavigationKeys() {
  const struct {
    const char* sequence;
    int code;
  } kSequences[] = {
      {"\033[5;5~", kCtrlPageUp}, {"\033[6;5~", kCtrlPageDown}, {"\033[1;5H", kCtrlHome}, {"\033[1;5F", kCtrlEnd},
      {"\033[1;5~", kCtrlHome},   {"\033[4;5~", kCtrlEnd},      {"\033[7;5~", kCtrlHome}, {"\033[8;5~", kCtrlEnd},
      {"\033[H", KEY_HOME},       {"\033[F", KEY_END},          {"\033OH", KEY_HOME},     {"\033OF", KEY_END},
      {"\033[1~", KEY_HOME},      {"\033[4~", KEY_END},         {"\033[7~", KEY_HOME},    {"\033[8~", KEY_END},
  };
  for (const auto& key : kSequences) define_key(key.sequence, key.code);
}

// Holds the terminal for the picker and gives it back on every way out,
// with the C library's character set as it was.
class Terminal {
 public:
  Terminal() : savedCharacterSet_(CurrentCharacterSet()) {
    std::setlocale(LC_CTYPE, "");  // names go out in the user's encoding
    tty_ = std::fopen("/dev/tty", "r+");
    if (tty_ == nullptr) return;
    screen_ = newterm(nullptr, tty_, tty_);
    if (screen_ == nullptr) return;
    set_term(screen_);
    cbreak();
    noecho();
    keypad(stdscr, TRUE);
    DefineNavigationKeys();
    curs_set(0);
    set_escdelay(kEscapeDelayMilliseconds);
    mousemask(BUTTON1_CLICKED | BUTTON1_DOUBLE_CLICKED, nullptr);
    mouseinterval(kDoubleClickMilliseconds);
    if (has_colors() == TRUE) {
      start_color();
      use_default_colors();
      init_pair(kSundayPair, COLOR_RED, -1);
      init_pair(kHolidayPair, COLOR_BLUE, -1);
    }
  }
  ~Terminal() {
    if (screen_ != nullptr) {
      endwin();
      delscreen(screen_);
    }
    if (tty_ != nullptr) std::fclose(tty_);
    std::setlocale(LC_CTYPE, savedCharacterSet_.c_str());
  }
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  bool Ready() const { return screen_ != nullptr; }

 private:
  static std::string CurrentCharacterSet() {
    const char* current = std::setlocale(LC_CTYPE, nullptr);
    return current != nullptr ? current : "C";
  }

  std::string savedCharacterSet_;
  std::FILE* tty_ = nullptr;
  SCREEN* screen_ = nullptr;
};

attr_t AttributesOf(ScreenStyle style) {
  switch (style) {
    case ScreenStyle::kTitle: return A_BOLD;
    case ScreenStyle::kButton: return A_BOLD;
    case ScreenStyle::kDisabledButton: return A_DIM;
    case ScreenStyle::kSundayHeader:
    case ScreenStyle::kSunday: return COLOR_PAIR(kSundayPair);
    case ScreenStyle::kHoliday: return COLOR_PAIR(kHolidayPair);
    case ScreenStyle::kUnavailable: return A_DIM | A_ITALIC;
    case ScreenStyle::kSelected: return A_REVERSE;
    case ScreenStyle::kSelectedSunday: return A_REVERSE | COLOR_PAIR(kSundayPair);
    case ScreenStyle::kSelectedHoliday: return A_REVERSE | COLOR_PAIR(kHolidayPair);
    default: return A_NORMAL;
  }
}

// Where the picture's first line and column stand: in the middle.
struct Origin {
  int line = 0;
  int column = 0;
};

Origin Draw(const PickerState& state) {
  const std::vector<ScreenLine> lines = DrawPicker(state);
  const Origin origin{std::max(0, (LINES - static_cast<int>(lines.size())) / 2),
                      std::max(0, (COLS - kScreenWidth) / 2)};
  erase();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    move(origin.line + static_cast<int>(i), origin.column);
    for (const ScreenRun& run : lines[i]) {
      attrset(AttributesOf(run.style));
      addstr(ToUtf8(run.text).c_str());
    }
  }
  attrset(A_NORMAL);
  refresh();
  return origin;
}

// The model's key for a key code, with Ctrl as our own codes or as ncurses
// names it from the terminal description ("kPRV5" is Ctrl+Page Up); kOther
// for the rest.
PickerKey KeyOf(int code, bool& ctrl) {
  ctrl = code == kCtrlPageUp || code == kCtrlPageDown || code == kCtrlHome || code == kCtrlEnd;
  switch (code) {
    case kCtrlPageUp: return PickerKey::kPageUp;
    case kCtrlPageDown: return PickerKey::kPageDown;
    case kCtrlHome: return PickerKey::kHome;
    case kCtrlEnd: return PickerKey::kEnd;
    case KEY_LEFT: return PickerKey::kLeft;
    case KEY_RIGHT: return PickerKey::kRight;
    case KEY_UP: return PickerKey::kUp;
    case KEY_DOWN: return PickerKey::kDown;
    case KEY_PPAGE: return PickerKey::kPageUp;
    case KEY_NPAGE: return PickerKey::kPageDown;
    case KEY_HOME: return PickerKey::kHome;
    case KEY_END: return PickerKey::kEnd;
    case KEY_BACKSPACE:
    case kDelete:
    case '\b': return PickerKey::kBackspace;
    default: break;
  }
  const char* name = keyname(code);
  if (name == nullptr) return PickerKey::kOther;
  ctrl = true;
  if (std::strcmp(name, "kPRV5") == 0) return PickerKey::kPageUp;
  if (std::strcmp(name, "kNXT5") == 0) return PickerKey::kPageDown;
  if (std::strcmp(name, "kHOM5") == 0) return PickerKey::kHome;
  if (std::strcmp(name, "kEND5") == 0) return PickerKey::kEnd;
  ctrl = false;
  return PickerKey::kOther;
}

PickerEnd Click(PickerState& state, const Origin& origin) {
  MEVENT event{};
  if (getmouse(&event) != OK) return kPickerStaysOpen;
  const int command = CommandAt(state, event.y - origin.line, event.x - origin.column);
  if (command >= kFirstCell && command <= kLastCell) {
    return ClickCell(state, command - kFirstCell, (event.bstate & BUTTON1_DOUBLE_CLICKED) != 0);
  }
  return command != 0 ? RunPickerCommand(state, command) : kPickerStaysOpen;
}

PickerEnd HandleKey(PickerState& state, int code, const Origin& origin) {
  switch (code) {
    case '\n':
    case '\r':
    case KEY_ENTER: return RunPickerCommand(state, kPickerOk);
    case kEscape: return RunPickerCommand(state, kPickerCancel);
    case '<': return RunPickerCommand(state, kPreviousMonth);
    case '>': return RunPickerCommand(state, kNextMonth);
    case ',': return RunPickerCommand(state, kPreviousYear);
    case '.': return RunPickerCommand(state, kNextYear);
    case 'w':  // the terminal's Shift+Pause: the weekdays turn by one column
    case 'W': return RunPickerCommand(state, CommandOfKey(PickerKey::kPause, false, true));
    case KEY_MOUSE: return Click(state, origin);
    default: break;
  }
  bool ctrl = false;
  const PickerKey key = KeyOf(code, ctrl);  // sets ctrl: read it only after
  const int command = CommandOfKey(key, ctrl, false);
  return command != 0 ? RunPickerCommand(state, command) : kPickerStaysOpen;
}

// Draws, waits for a key until the next tick, and runs what comes.
int RunOnTerminal(PickerState& state) {
  Clock::time_point nextTick = Clock::now() + kTick;
  int earlyWakeups = 0;
  while (true) {
    const Origin origin = Draw(state);
    const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(nextTick - Clock::now()).count();
    timeout(static_cast<int>(std::max<long long>(wait, 0)));
    const int code = getch();
    PickerEnd end = kPickerStaysOpen;
    if (code == ERR && Clock::now() < nextTick) {
      // Woken early without a key; a terminal that has gone away does that
      // without end.
      if (++earlyWakeups > kMaxEarlyWakeups) return kNoTerminalForPicker;
      continue;
    }
    earlyWakeups = 0;
    if (code == ERR) {
      nextTick += kTick;
      end = CountdownTick(state);
    } else if (code != KEY_RESIZE) {
      NoteKeyEvent(state);
      end = HandleKey(state, code, origin);
    }
    if (end != kPickerStaysOpen) return end;
  }
}

}  // namespace

int RunPickerView(PickerState& state) {
  const Terminal terminal;
  if (!terminal.Ready()) return kNoTerminalForPicker;
  return RunOnTerminal(state);
}

}  // namespace kalendra
