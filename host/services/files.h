// Reading text files line by line (UTF-16 with a byte-order mark, or 8-bit
// text) and widening 8-bit text: GetLine, QueryIsFileUnicode,
// ASCIIToUnicode and the batch file reader share these.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "contract/host_interface.h"
#include "platform/export.h"

namespace torvane {

// True when the file begins with the UTF-16 little-endian byte-order mark.
// The read position does not move.
TORVANE_API bool IsUnicodeFile(HostFile file);

// Reads the next line into buffer: at most maxChars characters and a
// terminator (the buffer holds maxChars + 1); a longer line is cut and its
// rest skipped. The line end (LF, or CR LF) is removed, and a byte-order
// mark at the start of the file is skipped. 8-bit lines are read as UTF-8
// when they are valid UTF-8, else as Latin-1. Returns the count of file
// units consumed (bytes, or UTF-16 units), line end included; 0 at end of
// file.
int ReadLine(HostFile file, KChar* buffer, int maxChars, bool unicode);

class UnitReader;

// What reading one line found.
struct LineRead {
  int consumed = 0;     // file units, line end included; 0 at end of file
  bool cut = false;     // the line held more characters than were asked for
  bool hasNul = false;  // the line held a zero unit: no text file
  std::size_t length = 0;  // the characters in the buffer before its terminator
};

// Every line of a file in turn, as ReadLine reads them, for a reader that
// owns the file: a regular file is read ahead in large chunks instead of
// being positioned after each line; a pipe is still read unit by unit, so
// nothing past a line is taken from it.
class TORVANE_API FileLines {
 public:
  FileLines(HostFile file, bool unicode);
  ~FileLines();
  FileLines(const FileLines&) = delete;
  FileLines& operator=(const FileLines&) = delete;

  // As ReadLine: the next line into buffer.
  LineRead Next(KChar* buffer, int maxChars);

 private:
  HostFile file_;
  bool unicode_;
  bool first_ = true;
  std::unique_ptr<UnitReader> reader_;
};

bool IsValidUtf8(std::string_view bytes);
// 8-bit text as UTF-8 when valid, else as Latin-1; the Append form adds it
// to a text the caller keeps.
std::u16string WidenEightBit(std::string_view bytes);
void AppendEightBit(std::string_view bytes, std::u16string& out);

}  // namespace torvane
