// The shell's one printf engine for UTF-16 formats, shared by Sprintf,
// Printf, Qprintf and ColorPrintf.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

#include "contract/host_interface.h"
#include "platform/export.h"

namespace torvane {

// Widths and precisions are capped here, so that a stray "%999999999d"
// cannot exhaust memory; every buffer of the interface is shorter anyway.
inline constexpr int kMaxFieldWidth = kHostBufferLength;

// Formats a UTF-16 printf format. Conversions: %s (UTF-16 text, "(null)"
// for a null pointer), %c (a UTF-16 unit passed as int), %d %i (int), %u %x
// %X (unsigned int), %q (64-bit signed), %f (double), %%; flags - + 0 and
// space; width and precision as digits or "*". No length modifiers: %q is
// the 64-bit conversion. An unknown conversion is copied as it stands and
// counted in faults (when given).
struct FormatFaults {
  bool unknownConversion = false;
  bool cut = false;  // the bounded form ran out of room
};
TORVANE_API std::u16string FormatText(const KChar* format, std::va_list args, FormatFaults* faults = nullptr);

// The same into text of capacity units, terminator included, cut where it
// is full. Returns the units written before the terminator.
std::size_t FormatText(KChar* text, std::size_t capacity, const KChar* format, std::va_list args,
                       FormatFaults* faults = nullptr);

}  // namespace torvane
