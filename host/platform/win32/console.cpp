// Windows back-end of the console: console queries, output through the
// console API when the stream is a console and as raw UTF-8 bytes otherwise,
// colour through console attributes, line input, keyboard polling.
#include <windows.h>

#include <array>
#include <string>

#include "contract/text.h"
#include "platform/host_platform.h"
#include "contract/win32/wide.h"

namespace torvane::platform {
namespace {

using contract::AsUtf16;
using contract::AsWide;

HANDLE StandardHandle(Stream stream) {
  switch (stream) {
    case Stream::Input:
      return GetStdHandle(STD_INPUT_HANDLE);
    case Stream::Output:
      return GetStdHandle(STD_OUTPUT_HANDLE);
    case Stream::Error:
      break;
  }
  return GetStdHandle(STD_ERROR_HANDLE);
}

// A console answers GetConsoleMode; pipes, files and devices do not. (Under
// Wine GetConsoleMode also fails on pipes, so this is the one test used.)
bool IsConsoleHandle(HANDLE handle) {
  DWORD mode = 0;
  return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0;
}

void WriteBytes(HANDLE handle, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    if (WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) == 0 || written == 0) {
      return;  // nowhere to report a failed console write
    }
    bytes.remove_prefix(written);
  }
}

void WriteConsoleText(HANDLE handle, std::u16string_view text) {
  while (!text.empty()) {
    DWORD written = 0;
    if (WriteConsoleW(handle, AsWide(text.data()), static_cast<DWORD>(text.size()), &written, nullptr) == 0 ||
        written == 0) {
      return;
    }
    text.remove_prefix(written);
  }
}

// The attribute in force before SetTextAttribute, put back by
// ResetTextAttribute; one per output stream.
std::array<WORD, 3> savedAttribute{};
std::array<bool, 3> attributeSaved{};

// Key-down events waiting in the console input buffer that carry a character
// or a key (not a bare shift or control key).
bool IsKeystroke(const INPUT_RECORD& record) {
  if (record.EventType != KEY_EVENT || record.Event.KeyEvent.bKeyDown == 0) return false;
  const WORD key = record.Event.KeyEvent.wVirtualKeyCode;
  return key != VK_SHIFT && key != VK_CONTROL && key != VK_MENU && key != VK_CAPITAL;
}

// Windows that a plug-in leaves open on this thread (the help viewer's)
// are served while the shell waits for the user, so that they paint and
// answer; reading starts once the console has input.
void ServeWindowsUntilInput(HANDLE input) {
  while (MsgWaitForMultipleObjects(1, &input, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

std::optional<std::u16string> ReadConsoleLine(HANDLE input) {
  ServeWindowsUntilInput(input);
  // Enter ends a line; so does a line feed (Ctrl+J), which is what a
  // terminal delivers for Enter when Wine runs the console on it.
  CONSOLE_READCONSOLE_CONTROL control{};
  control.nLength = sizeof control;
  control.dwCtrlWakeupMask = 1u << u'\n';
  std::u16string line;
  for (;;) {
    std::array<wchar_t, 1024> chunk{};
    DWORD read = 0;
    if (ReadConsoleW(input, chunk.data(), static_cast<DWORD>(chunk.size()), &read, &control) == 0 || read == 0) {
      if (line.empty()) return std::nullopt;
      return line;
    }
    line.append(AsUtf16(chunk.data()), read);
    const std::size_t lineEnd = line.find(u'\n');
    if (lineEnd != std::u16string::npos) {
      line.resize(lineEnd);
      break;
    }
  }
  if (!line.empty() && line.back() == u'\r') line.pop_back();
  // Control-Z at the start of a line is the console's end of input.
  if (line == u"\x1a") return std::nullopt;
  return line;
}

std::optional<std::u16string> ReadByteLine(HANDLE input) {
  // Bytes read past the line just returned wait here for the next call.
  static std::string pending;
  static bool atEnd = false;
  std::size_t lineEnd;
  while ((lineEnd = pending.find('\n')) == std::string::npos && !atEnd) {
    std::array<char, 4096> chunk{};
    DWORD read = 0;
    if (ReadFile(input, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr) == 0 || read == 0) {
      atEnd = true;
    } else {
      pending.append(chunk.data(), read);
    }
  }
  if (lineEnd == std::string::npos && pending.empty()) return std::nullopt;
  std::string line = pending.substr(0, lineEnd);
  pending.erase(0, lineEnd == std::string::npos ? pending.size() : lineEnd + 1);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return contract::FromUtf8(line);
}

}  // namespace

bool IsTerminal(Stream stream) { return IsConsoleHandle(StandardHandle(stream)); }

bool IsPipe(Stream stream) { return GetFileType(StandardHandle(stream)) == FILE_TYPE_PIPE; }

int TerminalRows() {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (GetConsoleScreenBufferInfo(StandardHandle(Stream::Output), &info) == 0) return 0;
  return info.srWindow.Bottom - info.srWindow.Top + 1;
}

void WriteText(Stream stream, std::u16string_view text) {
  const HANDLE handle = StandardHandle(stream);
  if (IsConsoleHandle(handle)) {
    WriteConsoleText(handle, text);
  } else {
    // Not the C runtime's text mode: the bytes go out exactly as written.
    WriteBytes(handle, contract::ToUtf8(text));
  }
}

std::u16string_view LineEnd() { return u"\r\n"; }

// Nothing is held back: line ends go out as the shell writes them.
void FlushText(Stream /*stream*/) {}

void SetTextAttribute(Stream stream, int attribute) {
  const HANDLE handle = StandardHandle(stream);
  const auto index = static_cast<std::size_t>(stream);
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (!attributeSaved[index] && GetConsoleScreenBufferInfo(handle, &info) != 0) {
    savedAttribute[index] = info.wAttributes;
    attributeSaved[index] = true;
  }
  SetConsoleTextAttribute(handle, static_cast<WORD>(attribute & 0xFF));
}

void ResetTextAttribute(Stream stream) {
  const auto index = static_cast<std::size_t>(stream);
  if (!attributeSaved[index]) return;
  SetConsoleTextAttribute(StandardHandle(stream), savedAttribute[index]);
  attributeSaved[index] = false;
}

int CurrentTextAttribute() {
  CONSOLE_SCREEN_BUFFER_INFO info{};
  if (GetConsoleScreenBufferInfo(StandardHandle(Stream::Output), &info) == 0) return 0x07;
  return info.wAttributes & 0xFF;
}

std::optional<std::u16string> ReadInputLine() {
  const HANDLE input = StandardHandle(Stream::Input);
  return IsConsoleHandle(input) ? ReadConsoleLine(input) : ReadByteLine(input);
}

// The console edits the line itself and keeps its own history (Up, F7);
// it offers no completion hook, so the completer goes unused here.
std::optional<std::u16string> ReadEditedLine(std::u16string_view prompt, Completer /*completer*/) {
  WriteText(Stream::Output, prompt);
  return ReadInputLine();
}

bool KeyWaiting() {
  const HANDLE input = StandardHandle(Stream::Input);
  if (!IsConsoleHandle(input)) return true;
  std::array<INPUT_RECORD, 64> records{};
  DWORD count = 0;
  if (PeekConsoleInputW(input, records.data(), static_cast<DWORD>(records.size()), &count) == 0) return false;
  for (DWORD i = 0; i < count; ++i) {
    if (IsKeystroke(records[i])) return true;
  }
  return false;
}

void DiscardKeystrokes() {
  const HANDLE input = StandardHandle(Stream::Input);
  if (IsConsoleHandle(input)) FlushConsoleInputBuffer(input);
}

// The console's modes are never changed, so there is nothing to put back.
void RestoreTerminal() {}

void SleepMilliseconds(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds < 0 ? 0 : milliseconds)); }

}  // namespace torvane::platform
