// The shell's one seam to the operating system: console, files, loadable
// modules, environment and locale. Each back-end folder (posix/, win32/)
// defines everything declared here; CMake compiles exactly one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "contract/host_interface.h"

namespace torvane::platform {

// ---- Console ----------------------------------------------------------------

enum class Stream { Input = 0, Output = 1, Error = 2 };

bool IsTerminal(Stream stream);
// True when the stream is a pipe (or socket), not a terminal, file or device.
bool IsPipe(Stream stream);
// Rows of the terminal on standard output, or 0 when it is not a terminal.
int TerminalRows();

// Writes UTF-16 text as this system's console expects it (on POSIX: UTF-8,
// CR LF as LF). Text is written at once, unbuffered, so that the two streams
// keep their order.
void WriteText(Stream stream, std::u16string_view text);
// Emits whatever WriteText still holds back (a CR that might begin a CR LF).
void FlushText(Stream stream);
// The line end WriteText writes for a CR LF (LF on POSIX): output gathered
// for a later write ends its lines so, and needs no translation then.
std::u16string_view LineEnd();
// Colour attribute for the text that follows (low 4 bits foreground, high 4
// bits background, console colour order); only called for terminals.
void SetTextAttribute(Stream stream, int attribute);
void ResetTextAttribute(Stream stream);
// The colour attribute in force on standard output, in the same form; light
// grey on black (0x07) where the system cannot tell.
int CurrentTextAttribute();

// Reads one line of standard input without its line end; nullopt at end of
// input.
std::optional<std::u16string> ReadInputLine();

// The words a partly typed word may become: the word itself and whether it
// starts the line.
using Completer = std::vector<std::u16string> (*)(std::u16string_view word, bool atLineStart);

// Shows the prompt and reads one line from the terminal with the system's
// line editing and the user's history (which the line joins); Tab offers
// the completer's words. nullopt at end of input.
std::optional<std::u16string> ReadEditedLine(std::u16string_view prompt, Completer completer);

// True when a keystroke waits; also true when standard input is no
// keyboard, so that nothing waits for a key that cannot come.
bool KeyWaiting();
// Discards waiting keystrokes (never piped input) and restores the
// terminal's line mode.
void DiscardKeystrokes();
// Puts the terminal back into the mode the shell found it in.
void RestoreTerminal();
void SleepMilliseconds(int milliseconds);

// ---- Files ------------------------------------------------------------------

inline constexpr HostFile kNoFile = -1;

bool IsPathSeparator(KChar c);
// The absolute, normalised path of name (no symbolic links resolved), or
// nullopt when none can be made.
std::optional<std::u16string> FullPath(std::u16string_view name);
// True when name is an existing file that is not a directory.
bool IsExistingFile(std::u16string_view name);

HostFile OpenForReading(std::u16string_view name);
void CloseFile(HostFile file);
// Reads up to size bytes at the current position; returns the count read,
// 0 at end of file, -1 on error.
std::int64_t ReadBytes(HostFile file, void* data, std::int64_t size);
// Reads up to size bytes at offset without moving the current position;
// -1 when the file cannot be read that way (a pipe).
std::int64_t ReadBytesAt(HostFile file, std::int64_t offset, void* data, std::int64_t size);
// The current position, or -1 when the file has none (a pipe).
std::int64_t FilePosition(HostFile file);
bool SetFilePosition(HostFile file, std::int64_t position);

// ---- Loadable modules -------------------------------------------------------

using Module = void*;

// Loads the module at path; on failure returns nullptr and sets error.
Module OpenModule(std::u16string_view path, std::u16string& error);
void* FindSymbol(Module module, const char* name);
void CloseModule(Module module);

// The file name of the kalendra plug-in, looked for beside the shell.
std::u16string_view DefaultPluginFileName();
// The full path of the running executable, or empty when unknown.
std::u16string ExecutablePath();
// The program's arguments after its name, as UTF-16.
std::vector<std::u16string> ProgramArguments(int argc, char** argv);

// ---- Environment and locale -------------------------------------------------

// The variable of exactly that name, or nullopt when unset.
std::optional<std::u16string> EnvironmentValue(std::u16string_view name);
// Every variable of the process as name and value.
std::vector<std::pair<std::u16string, std::u16string>> EnvironmentEntries();
bool SetEnvironmentValue(std::u16string_view name, std::u16string_view value);
bool RemoveEnvironmentValue(std::u16string_view name);

// The user's thousands separator; "," when the locale has none.
std::u16string ThousandsSeparator();

}  // namespace torvane::platform
