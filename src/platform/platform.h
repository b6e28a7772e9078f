// The plug-in's one seam to the operating system. Each back-end folder
// (posix/, win32/, fake/) defines every function declared here; CMake links
// exactly one. Nothing outside src/platform/ includes a system header.
#pragma once

#include <cstdint>
#include <string>

#include "frame/host_interface.h"

namespace kalendra::platform {

// ---- Clock -----------------------------------------------------------------

// A local date and time as the system clock reads it.
struct LocalDateTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

// The current local date and time.
LocalDateTime LocalNow();

// ---- Module ----------------------------------------------------------------

// Called by the library's load hook with its own module handle (Windows);
// other back-ends find themselves without it.
void RecordModuleHandle(void* module);

// The full path of the plug-in's own library file, or empty on failure.
std::u16string ModulePath();

// ---- Files -----------------------------------------------------------------

// What OpenFileForReading gives when the file cannot be opened.
inline constexpr HostFile kNoFile = -1;

// Opens an existing file (not a folder) for reading, sharing read access
// with others, as a handle for the shell's QueryIsFileUnicode and GetLine.
HostFile OpenFileForReading(const std::u16string& path);

// Closes a file that OpenFileForReading opened.
void CloseFile(HostFile file);

// ---- Environment -----------------------------------------------------------

// The value of an environment variable; empty when it is unset.
std::u16string EnvironmentValue(const std::u16string& name);

}  // namespace kalendra::platform
