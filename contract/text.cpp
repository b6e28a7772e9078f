// Character helpers over the standard library's wide classification.
#include "contract/text.h"

#include <algorithm>
#include <cwctype>

namespace contract {

bool IsSpaceBeyondAscii(KChar c) { return std::iswspace(static_cast<std::wint_t>(c)) != 0; }

bool IsLetter(KChar c) { return std::iswalpha(static_cast<std::wint_t>(c)) != 0; }

KChar ToUpper(KChar c) { return static_cast<KChar>(std::towupper(static_cast<std::wint_t>(c))); }

KChar ToLower(KChar c) { return static_cast<KChar>(std::towlower(static_cast<std::wint_t>(c))); }

std::size_t TextLength(const KChar* text) { return std::char_traits<KChar>::length(text); }

void CopyText(KChar* buffer, std::size_t capacity, std::u16string_view text) {
  if (capacity == 0) return;
  const std::size_t n = std::min(text.size(), capacity - 1);
  std::copy_n(text.data(), n, buffer);
  buffer[n] = u'\0';
}

std::u16string Widen(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 sequence at pos; moves pos past it.
char32_t DecodeUtf8(std::string_view s, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(pos++);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, value = lead & 0x1Fu, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, value = lead & 0x0Fu, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, value = lead & 0x07u, minimum = 0x10000;
  } else {
    return kReplacement;
  }
  for (int i = 0; i < extra; ++i) {
    if (pos >= s.size() || (byte(pos) & 0xC0) != 0x80) return kReplacement;
    value = (value << 6) | (byte(pos++) & 0x3Fu);
  }
  const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
  return (value < minimum || value > 0x10FFFF || surrogate) ? kReplacement : value;
}

}  // namespace

// Both conversions write into text sized for the longest result and cut it
// to what was written: one allocation, no growth checks per character.
void AppendFromUtf8(std::string_view utf8, std::u16string& out) {
  const std::size_t start = out.size();
  out.resize(start + utf8.size());  // never more units than bytes
  char16_t* next = out.data() + start;
  for (std::size_t pos = 0; pos < utf8.size();) {
    if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
      *next++ = static_cast<char16_t>(utf8[pos++]);
      continue;
    }
    const char32_t c = DecodeUtf8(utf8, pos);
    if (c >= 0x10000) {
      *next++ = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      *next++ = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      *next++ = static_cast<char16_t>(c);
    }
  }
  out.resize(static_cast<std::size_t>(next - out.data()));
}

std::u16string FromUtf8(std::string_view utf8) {
  std::u16string out;
  AppendFromUtf8(utf8, out);
  return out;
}

void AppendUtf8(std::u16string_view utf16, std::string& out) {
  const std::size_t start = out.size();
  out.resize(start + utf16.size() * 3);  // at most three bytes a unit
  char* next = out.data() + start;
  const auto put = [&](char32_t v) { *next++ = static_cast<char>(v); };
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    // Runs of ASCII, eight units at a time, narrowed as they are.
    while (i + 8 <= utf16.size()) {
      char16_t any = 0;
      for (std::size_t k = 0; k < 8; ++k) any |= utf16[i + k];
      if (any >= 0x80) break;
      for (std::size_t k = 0; k < 8; ++k) next[k] = static_cast<char>(utf16[i + k]);
      next += 8;
      i += 8;
    }
    if (i == utf16.size()) break;
    char32_t c = utf16[i];
    if (c < 0x80) {
      put(c);
      continue;
    }
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00u);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;  // a lone surrogate
    }
    if (c < 0x800) {
      put(0xC0 | (c >> 6)), put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      put(0xE0 | (c >> 12)), put(0x80 | ((c >> 6) & 0x3F)), put(0x80 | (c & 0x3F));
    } else {
      put(0xF0 | (c >> 18)), put(0x80 | ((c >> 12) & 0x3F)), put(0x80 | ((c >> 6) & 0x3F)), put(0x80 | (c & 0x3F));
    }
  }
  out.resize(static_cast<std::size_t>(next - out.data()));
}

std::string ToUtf8(std::u16string_view utf16) {
  std::string out;
  AppendUtf8(utf16, out);
  return out;
}

}  // namespace contract
