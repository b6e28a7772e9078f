// The contract between the torvane shell and its plug-ins: the text type,
// the plug-in record, the entry points a plug-in exports and the 21 host
// services a plug-in imports. Both sides compile against this one header.
#pragma once

#include <cstdint>

// Every text that crosses the plug-in boundary is zero-terminated UTF-16.
using KChar = char16_t;
static_assert(sizeof(KChar) == 2, "the interface text is UTF-16");

// Buffers that the shell fills or reads for a plug-in (a variable function's
// result, a buffer handed to ExpandVariables, Sprintf or QueryTrueName) hold
// this many characters, the terminator included.
inline constexpr int kHostBufferLength = 8192;

// Handles passed to Qprintf and QueryIsConsole.
inline constexpr int kHostStdout = 1;
inline constexpr int kHostStderr = 2;

// An open file as the operating system knows it (a descriptor on POSIX, a
// HANDLE on Windows), passed to QueryIsFileUnicode and GetLine.
using HostFile = std::intptr_t;

// GetLine flag: the file holds UTF-16 text.
inline constexpr int kGetLineUnicode = 65536;

// On Windows the shell's DLL marks its services for export (and its users
// for import); the plug-in's exports are listed in its .def file instead, so
// their names stay undecorated and nothing else is exported.
#if defined(_WIN32)
#if defined(TORVANE_BUILDING_SERVICES)
#define TORVANE_SERVICE extern "C" __declspec(dllexport)
#else
#define TORVANE_SERVICE extern "C" __declspec(dllimport)
#endif
#define PLUGIN_EXPORT extern "C"
#else
#define TORVANE_SERVICE extern "C" __attribute__((visibility("default")))
#define PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))
#endif

// The record a plug-in hands the shell from GetPluginInfo; it lives as long
// as the plug-in. The feature list names the plug-in's functions ("@name"),
// internal variables ("_name") and commands, separated by commas.
struct PluginInfo {
  KChar* name;
  KChar* author;
  KChar* email;
  KChar* webPage;
  KChar* description;
  KChar* featureList;
  std::int32_t major;
  std::int32_t minor;
  std::int32_t build;
};

// Entry points the shell looks up in a plug-in. A variable function "@x" is
// exported as "f_x", internal variables and commands under their own names.
using GetPluginInfoEntry = PluginInfo* (*)();
using InitializePluginEntry = int (*)();
using ShutdownPluginEntry = int (*)();
using FeatureEntry = int (*)(KChar* buffer);  // functions, variables, commands
using HelpEntry = int (*)(KChar* name);
using UsageEntry = int (*)(KChar* name, KChar* buffer);

// ---- Host services --------------------------------------------------------

// Replaces shell references (%name, %[name], %@func[...]) in place; the
// buffer holds kHostBufferLength characters. Returns 0, or nonzero when a
// function in the text failed (its message has been written).
TORVANE_SERVICE int ExpandVariables(KChar* buffer, int recursive);
// Evaluates the integer expression in the buffer and writes the result back
// into it. Returns 0, or nonzero (buffer unchanged) for a bad expression.
TORVANE_SERVICE int Evaluate(KChar* buffer);
// printf-style formatting of UTF-16 formats: %s is a UTF-16 string, %c a
// UTF-16 character, %q a 64-bit integer. Sprintf writes at most
// kHostBufferLength characters, the terminator included, and returns the
// length written.
TORVANE_SERVICE int Sprintf(KChar* buffer, const KChar* format, ...);
TORVANE_SERVICE int Printf(const KChar* format, ...);
TORVANE_SERVICE int Qprintf(int handle, const KChar* format, ...);
TORVANE_SERVICE int ColorPrintf(int attribute, const KChar* format, ...);
TORVANE_SERVICE void QPuts(const KChar* text);
TORVANE_SERVICE void CrLf();
// The console's current colour attribute (low 4 bits foreground, high 4
// bits background); the second value is not used.
TORVANE_SERVICE void GetAttribute(int* normal, int* inverse);
TORVANE_SERVICE int QueryIsConsole(int handle);
TORVANE_SERVICE int GetScrRows();
TORVANE_SERVICE int QueryKeyWaiting();
TORVANE_SERVICE void tty_yield(int milliseconds);
TORVANE_SERVICE void EatKeystrokes();
TORVANE_SERVICE void HoldSignals();
// Writes the full path of name into out (kHostBufferLength characters).
// Returns 0, or nonzero when no full path can be made.
TORVANE_SERVICE int QueryTrueName(const KChar* name, KChar* out);
TORVANE_SERVICE int QueryIsFile(const KChar* name);
TORVANE_SERVICE int QueryIsFileUnicode(HostFile file);
// Reads the next line of the file into buffer (at most maxChars characters
// and a terminator, so the buffer holds maxChars + 1; the line end removed,
// the rest of a longer line skipped); flags holds kGetLineUnicode for UTF-16
// files. Returns the number of characters consumed from the file, line end
// included, or 0 at end of file (the buffer then holds an empty text).
TORVANE_SERVICE int GetLine(HostFile file, KChar* buffer, int maxChars, int flags, int reserved);
// Widens 8-bit text into out (capacity characters, terminator included).
TORVANE_SERVICE int ASCIIToUnicode(const char* text, KChar* out, int capacity);
// Unloads the plug-in of that name. Returns 0, or nonzero if none is loaded.
TORVANE_SERVICE int UnloadOnePlugin(const KChar* name);
