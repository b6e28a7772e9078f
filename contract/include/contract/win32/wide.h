// The Win32 boundary of the text type: UTF-16 char16_t and the API's
// wchar_t are the same 16-bit units, so pointers are reinterpreted, never
// converted. Included only by the win32 back-ends (the plug-in's and the
// shell's).
#pragma once

#include <string>

namespace contract {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide text is UTF-16");

inline const wchar_t* AsWide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
inline wchar_t* AsWide(char16_t* text) { return reinterpret_cast<wchar_t*>(text); }
inline const char16_t* AsUtf16(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

}  // namespace contract
