// Helpers on UTF-16 text that the shell and the plug-in both use: character
// classes, case mapping, copying and the UTF-8 conversions. Parsing of dates,
// times and numbers lives with the plug-in's subsystems, not here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "contract/host_interface.h"

namespace contract {

constexpr bool IsDigit(KChar c) { return c >= u'0' && c <= u'9'; }

// White space beyond ASCII as the runtime's wide classification sees it.
bool IsSpaceBeyondAscii(KChar c);

// White space as the runtime's wide classification sees it. Tab to carriage
// return and the space answer alike in every locale, and no other ASCII
// character but the four separators 0x1C to 0x1F can be white space.
inline bool IsSpace(KChar c) {
  if (c > u' ' && c < 0x80) return false;  // printable ASCII, nearly every character asked
  if (c == u' ' || (c >= u'\t' && c <= u'\r')) return true;
  if (c < 0x1C) return false;
  return IsSpaceBeyondAscii(c);
}

// A letter as the runtime's wide classification sees it.
bool IsLetter(KChar c);

// The runtime's wide case mapping, one character at a time.
KChar ToUpper(KChar c);
KChar ToLower(KChar c);

// ASCII-only case folding, for comparisons that ignore the case of A to Z.
constexpr KChar FoldAscii(KChar c) { return (c >= u'A' && c <= u'Z') ? static_cast<KChar>(c + 32) : c; }

// True when a and b are equal ignoring the case of A to Z. Inline: every
// name, keyword and month a call reads is compared here.
constexpr bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

// Length of a zero-terminated text.
std::size_t TextLength(const KChar* text);

// Copies text into a buffer of capacity characters, terminator included,
// cutting what does not fit.
void CopyText(KChar* buffer, std::size_t capacity, std::u16string_view text);

// Widens 7-bit text (literals, compiler texts) to UTF-16.
std::u16string Widen(std::string_view ascii);

// UTF-8 to UTF-16 and back; a malformed sequence becomes U+FFFD. The
// Append forms add to a text the caller keeps, so a loop need not allocate.
std::u16string FromUtf8(std::string_view utf8);
std::string ToUtf8(std::u16string_view utf16);
void AppendFromUtf8(std::string_view utf8, std::u16string& out);
void AppendUtf8(std::u16string_view utf16, std::string& out);

}  // namespace contract
