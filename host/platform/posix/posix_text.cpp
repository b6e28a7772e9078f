// The POSIX console's text: UTF-16 as UTF-8 with LF line ends.
#include "platform/posix/posix_text.h"

#include <algorithm>
#include <cstring>
#include <string>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "contract/text.h"

namespace torvane::platform {
namespace {

// Narrows a block of ASCII units, and says how many it took: sixteen by
// the CPU's vector instructions where it has them, else eight, or none when
// the block holds a unit above ASCII (or the text has fewer left).
std::size_t NarrowAsciiBlock(const char16_t* __restrict units, std::size_t left, char* __restrict out) {
#if defined(__SSE2__)
  if (left >= 16) {
    const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units));
    const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(units + 8));
    const __m128i above = _mm_and_si128(_mm_or_si128(first, second), _mm_set1_epi16(static_cast<short>(0xFF80)));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(above, _mm_setzero_si128())) != 0xFFFF) return 0;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(first, second));
    return 16;
  }
#endif
  if (left < 8) return 0;
  unsigned any = 0;
  for (std::size_t k = 0; k < 8; ++k) any |= units[k];
  if (any >= 0x80) return 0;
  for (std::size_t k = 0; k < 8; ++k) out[k] = static_cast<char>(units[k]);
  return 8;
}

// UTF-16 to UTF-8: ASCII, nearly all a shell writes, a block at a time;
// other runs through the shared conversion. out has room for three bytes a
// unit; returns the end of what was written.
char* ToUtf8(std::u16string_view text, char* out) {
  const std::size_t size = text.size();
  std::string wide;
  for (std::size_t i = 0; i < size;) {
    if (const std::size_t narrowed = NarrowAsciiBlock(text.data() + i, size - i, out)) {
      out += narrowed;
      i += narrowed;
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
// moving the runs between them down; returns the new end.
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
