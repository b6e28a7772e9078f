// The process-wide argument table and the two splitters that fill it.
// Every function splits first, reads what it needs, then computes: any later
// split (a nested call through the shell, for one) overwrites the table.
#pragma once

#include <array>
#include <string_view>

#include "contract/host_interface.h"

namespace kalendra {

inline constexpr int kMaxArgs = 64;
inline constexpr int kMaxArgLength = 8192;

// The length first: it shares a cache line with the text's start.
struct ArgEntry {
  int length = 0;
  std::array<KChar, kMaxArgLength + 1> text{};
};

// The entries that the last split produced; entries past the count are empty.
struct ArgTable {
  std::array<ArgEntry, kMaxArgs> entries;
  int used = 0;  // entries the last split may have written; all after them are empty
};

// The one argument table of the process, defined once in arguments.cpp: a
// plain zero-filled object, which the linkers place in .bss (a static of an
// inline function would be a COMDAT, which the Windows linker puts in .data,
// a megabyte of zeros in the DLL file).
extern ArgTable theArgumentTable;

// Inline: every argument read asks for it.
inline ArgTable& Arguments() { return theArgumentTable; }

// Argument n, counted from 1; empty past the table. The view is
// zero-terminated (data()[size()] == 0) so it can be handed to Sprintf.
inline std::u16string_view Argument(int n) {
  if (n < 1 || n > kMaxArgs) return {};
  const ArgEntry& entry = Arguments().entries[static_cast<std::size_t>(n - 1)];
  return {entry.text.data(), static_cast<std::size_t>(entry.length)};
}

// True when argument n is present (not empty).
inline bool HasArgument(int n) { return !Argument(n).empty(); }

// Splits a function's text at commas outside double quotes (and, with
// spaceSeparates, at white space outside quotes); quotes are dropped,
// leading and trailing white space of each entry is cut. Returns the count of
// entries, 1 to kMaxArgs.
int SplitArguments(const KChar* text, bool spaceSeparates);

// Splits a command tail at white space outside quotes and brackets, and
// before a "/" that starts a new switch; every stored character is
// upper-cased. Returns the count of entries, 1 to kMaxArgs.
int SplitCommandLine(const KChar* tail);

}  // namespace kalendra
