// POSIX back-end of the console: terminal queries, UTF-8 output with LF line
// ends and ANSI colours, line input, keyboard polling.
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "contract/text.h"
#include "platform/host_platform.h"
#include "platform/posix/posix_text.h"

namespace torvane::platform {
namespace {

int Descriptor(Stream stream) { return static_cast<int>(stream); }

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // nowhere to report a failed console write
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

// A CR at the end of one write may be the first half of a CR LF that the
// next write completes, so it is held back until the next character is known.
std::array<bool, 3> heldCarriageReturn{};

// Console colour order (black, blue, green, cyan, red, magenta, yellow,
// grey) to ANSI order (black, red, green, yellow, blue, magenta, cyan, white).
constexpr std::array<int, 8> kAnsiColour{0, 4, 2, 6, 1, 5, 3, 7};

int AnsiForeground(int colour) { return ((colour & 8) != 0 ? 90 : 30) + kAnsiColour[colour & 7]; }
int AnsiBackground(int colour) { return ((colour & 8) != 0 ? 100 : 40) + kAnsiColour[colour & 7]; }

// What a terminal is assumed to show when TORVANE_ATTRIBUTE does not say.
constexpr int kAssumedAttribute = 0x07;

// The attribute TORVANE_ATTRIBUTE gives as two hexadecimal digits
// (background, then foreground, as "1F" for bright white on blue), or -1.
int ToldAttribute() {
  const char* given = std::getenv("TORVANE_ATTRIBUTE");
  if (given == nullptr || std::strlen(given) != 2 || !std::isxdigit(static_cast<unsigned char>(given[0])) ||
      !std::isxdigit(static_cast<unsigned char>(given[1]))) {
    return -1;
  }
  return static_cast<int>(std::strtol(given, nullptr, 16));
}

// The SGR sequence of an attribute. A terminal does not report its colours,
// so when it was not told them, the assumed attribute's own foreground and
// background are drawn as the terminal's default colours, whatever its
// theme, and their inverse (the highlight) as reverse video; every other
// colour is exact.
std::string SgrOf(int attribute) {
  const int foreground = attribute & 0xF;
  const int background = (attribute >> 4) & 0xF;
  if (ToldAttribute() >= 0) {
    return "\x1b[0;" + std::to_string(AnsiForeground(foreground)) + ";" + std::to_string(AnsiBackground(background)) +
           "m";
  }
  const int defaultForeground = kAssumedAttribute & 0xF;
  const int defaultBackground = kAssumedAttribute >> 4;
  if (foreground == defaultBackground && background == defaultForeground) return "\x1b[0;7m";
  const int sgrForeground = foreground == defaultForeground ? 39 : AnsiForeground(foreground);
  const int sgrBackground = background == defaultBackground ? 49 : AnsiBackground(background);
  return "\x1b[0;" + std::to_string(sgrForeground) + ";" + std::to_string(sgrBackground) + "m";
}

// The terminal mode saved when keyboard polling switched to single keys.
struct SavedTerminal {
  bool saved = false;
  termios mode{};
};
SavedTerminal savedTerminal;

void EnterKeyMode() {
  if (savedTerminal.saved || tcgetattr(STDIN_FILENO, &savedTerminal.mode) != 0) return;
  termios keys = savedTerminal.mode;
  keys.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  keys.c_cc[VMIN] = 0;
  keys.c_cc[VTIME] = 0;
  if (tcsetattr(STDIN_FILENO, TCSANOW, &keys) == 0) savedTerminal.saved = true;
}

}  // namespace

bool IsTerminal(Stream stream) { return ::isatty(Descriptor(stream)) == 1; }

bool IsPipe(Stream stream) {
  struct stat info{};
  if (::fstat(Descriptor(stream), &info) != 0) return false;
  return S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode);
}

int TerminalRows() {
  winsize size{};
  if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_row;
}

void WriteText(Stream stream, std::u16string_view text) {
  // Kept between writes at the largest size yet, so that a write neither
  // allocates nor clears.
  static std::string bytes;
  const std::size_t room = 1 + text.size() * 3;
  if (bytes.size() < room) bytes.resize(room);
  const char* end = ToPosixText(text, heldCarriageReturn[static_cast<std::size_t>(stream)], bytes.data());
  WriteAll(Descriptor(stream), std::string_view(bytes.data(), static_cast<std::size_t>(end - bytes.data())));
}

std::u16string_view LineEnd() { return u"\n"; }

void FlushText(Stream stream) {
  bool& held = heldCarriageReturn[static_cast<std::size_t>(stream)];
  if (!held) return;
  held = false;
  WriteAll(Descriptor(stream), "\r");
}

void SetTextAttribute(Stream stream, int attribute) {
  FlushText(stream);
  WriteAll(Descriptor(stream), SgrOf(attribute));
}

void ResetTextAttribute(Stream stream) {
  FlushText(stream);
  WriteAll(Descriptor(stream), "\x1b[0m");
}

// A terminal does not say which colours it shows: the assumed grey on black
// (drawn in the terminal's own colours, SgrOf), unless TORVANE_ATTRIBUTE
// tells them.
int CurrentTextAttribute() {
  const int told = ToldAttribute();
  return told >= 0 ? told : kAssumedAttribute;
}

std::optional<std::u16string> ReadInputLine() {
  // Bytes read past the line just returned wait here for the next call.
  static std::string pending;
  static bool atEnd = false;
  std::size_t lineEnd;
  while ((lineEnd = pending.find('\n')) == std::string::npos && !atEnd) {
    char chunk[4096];
    const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      atEnd = true;
    } else {
      pending.append(chunk, static_cast<std::size_t>(n));
    }
  }
  if (lineEnd == std::string::npos && pending.empty()) return std::nullopt;
  std::string line = pending.substr(0, lineEnd);
  pending.erase(0, lineEnd == std::string::npos ? pending.size() : lineEnd + 1);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return contract::FromUtf8(line);
}

bool KeyWaiting() {
  if (!IsTerminal(Stream::Input)) return true;
  EnterKeyMode();
  pollfd input{STDIN_FILENO, POLLIN, 0};
  return ::poll(&input, 1, 0) > 0 && (input.revents & POLLIN) != 0;
}

void DiscardKeystrokes() {
  if (!IsTerminal(Stream::Input)) return;
  ::tcflush(STDIN_FILENO, TCIFLUSH);
  RestoreTerminal();
}

void RestoreTerminal() {
  if (!savedTerminal.saved) return;
  ::tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal.mode);
  savedTerminal.saved = false;
}

void SleepMilliseconds(int milliseconds) {
  timespec wait{milliseconds / 1000, static_cast<long>(milliseconds % 1000) * 1000000L};
  while (::nanosleep(&wait, &wait) != 0 && errno == EINTR) {
  }
}

}  // namespace torvane::platform
