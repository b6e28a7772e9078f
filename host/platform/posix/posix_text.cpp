// The POSIX console's text: UTF-16 as UTF-8 with LF line ends.
#include "platform/posix/posix_text.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "contract/text.h"

namespace torvane::platform {
namespace {

// True when eight units are all ASCII: a block the compiler turns into
// vector instructions.
bool IsAsciiBlock(const char16_t* units) {
  unsigned any = 0;
  for (std::size_t k = 0; k < 8; ++k) any |= units[k];
  return any < 0x80;
}

void NarrowBlock(const char16_t* __restrict units, char* __restrict out) {
  for (std::size_t k = 0; k < 8; ++k) out[k] = static_cast<char>(units[k]);
}

// UTF-16 to UTF-8: ASCII, nearly all a shell writes, eight units at a time;
// other runs through the shared conversion. out has room for three bytes a
// unit; returns the end of what was written.
char* ToUtf8(std::u16string_view text, char* out) {
  const std::size_t size = text.size();
  std::string wide;
  for (std::size_t i = 0; i < size;) {
    if (i + 8 <= size && IsAsciiBlock(text.data() + i)) {
      NarrowBlock(text.data() + i, out);
      out += 8;
      i += 8;
    } else if (text[i] < 0x80) {
      *out++ = static_cast<char>(text[i++]);
    } else {
      std::size_t end = i;
      while (end < size && text[end] >= 0x80) ++end;
      wide.clear();
      contract::AppendUtf8(text.substr(i, end - i), wide);
      out = std::copy(wide.begin(), wide.end(), out);
      i = end;
    }
  }
  return out;
}

// Drops the CR of each CR LF in bytes (no UTF-8 sequence holds either),
// moving the rest down; returns the new end. A line's worth at a time.
char* DropCarriageReturns(char* begin, char* end) {
  auto* cr = static_cast<char*>(std::memchr(begin, '\r', static_cast<std::size_t>(end - begin)));
  if (cr == nullptr) return end;
  char* write = cr;
  while (cr != nullptr) {
    char* const read = cr + 1 < end && cr[1] == '\n' ? cr + 1 : cr;  // a lone CR stays
    cr = static_cast<char*>(std::memchr(cr + 1, '\r', static_cast<std::size_t>(end - cr - 1)));
    char* const stop = cr != nullptr ? cr : end;
    std::memmove(write, read, static_cast<std::size_t>(stop - read));
    write += stop - read;
  }
  return write;
}

}  // namespace

char* ToPosixText(std::u16string_view text, bool& heldCr, char* out) {
  if (text.empty()) return out;
  char* const start = out;
  if (heldCr && text.front() != u'\n') *out++ = '\r';
  heldCr = text.back() == u'\r';
  if (heldCr) text.remove_suffix(1);
  return DropCarriageReturns(start, ToUtf8(text, out));
}

}  // namespace torvane::platform
