// The printf engine: parses each conversion of a UTF-16 format and writes
// numbers and texts without the platform's wide printf.
#include "services/format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "contract/text.h"

namespace torvane {
namespace {

struct Conversion {
  bool leftAlign = false;
  bool plusSign = false;
  bool spaceSign = false;
  bool zeroPad = false;
  int width = 0;
  int precision = -1;  // -1: none given
  KChar type = 0;
};

bool IsFlag(KChar c) { return c == u'-' || c == u'+' || c == u' ' || c == u'0'; }

void ApplyFlag(Conversion& conversion, KChar flag) {
  switch (flag) {
    case u'-': conversion.leftAlign = true; break;
    case u'+': conversion.plusSign = true; break;
    case u' ': conversion.spaceSign = true; break;
    default: conversion.zeroPad = true; break;
  }
}

// Reads digits or "*" at pos; nullopt when there are neither.
std::optional<int> ReadCount(const KChar*& pos, std::va_list& args) {
  if (*pos == u'*') {
    ++pos;
    return va_arg(args, int);
  }
  if (!contract::IsDigit(*pos)) return std::nullopt;
  int value = 0;
  for (; contract::IsDigit(*pos); ++pos) value = std::min(value * 10 + (*pos - u'0'), kMaxFieldWidth);
  return value;
}

int CappedMagnitude(int value) {
  return static_cast<int>(std::min<std::int64_t>(std::abs(static_cast<std::int64_t>(value)), kMaxFieldWidth));
}

// Parses flags, width and precision after a "%"; pos is left on the type.
Conversion ParseConversion(const KChar*& pos, std::va_list& args) {
  Conversion conversion;
  for (; IsFlag(*pos); ++pos) ApplyFlag(conversion, *pos);
  if (const std::optional<int> width = ReadCount(pos, args)) {
    if (*width < 0) conversion.leftAlign = true;  // a negative "*" width aligns left
    conversion.width = CappedMagnitude(*width);
  }
  if (*pos == u'.') {
    ++pos;
    const std::optional<int> precision = ReadCount(pos, args);
    // "." alone is precision 0; a negative "*" precision counts as none.
    conversion.precision = !precision ? 0 : (*precision < 0 ? -1 : std::min(*precision, kMaxFieldWidth));
  }
  conversion.type = *pos;
  return conversion;
}

// Pads a converted field to the width; zeros go between sign and digits
// (the precision's zeros first, then those of the width).
template <typename Out>
void AppendField(Out& out, const Conversion& conversion, std::u16string_view sign,
                 std::u16string_view body, bool zeroPadAllowed, std::size_t precisionZeros = 0) {
  const std::size_t length = sign.size() + precisionZeros + body.size();
  const std::size_t padding = static_cast<std::size_t>(conversion.width) > length ? conversion.width - length : 0;
  if (conversion.leftAlign) {
    out.append(sign).append(precisionZeros, u'0').append(body).append(padding, u' ');
  } else if (conversion.zeroPad && zeroPadAllowed) {
    out.append(sign).append(padding + precisionZeros, u'0').append(body);
  } else {
    out.append(padding, u' ').append(sign).append(precisionZeros, u'0').append(body);
  }
}

std::u16string_view SignOf(bool negative, const Conversion& conversion) {
  if (negative) return u"-";
  if (conversion.plusSign) return u"+";
  if (conversion.spaceSign) return u" ";
  return u"";
}

// The digits of a magnitude, written from the end of a buffer that holds
// the longest (twenty decimal digits of a 64-bit number).
struct DigitText {
  std::array<KChar, 20> text;
  std::size_t length = 0;
  std::u16string_view View() const { return {text.data() + text.size() - length, length}; }
};

DigitText Digits(std::uint64_t magnitude, unsigned base, bool upper) {
  const char* symbols = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  DigitText digits;
  do {
    digits.text[digits.text.size() - ++digits.length] = static_cast<KChar>(symbols[magnitude % base]);
    magnitude /= base;
  } while (magnitude != 0);
  return digits;
}

template <typename Out>
void AppendInteger(Out& out, const Conversion& conversion, bool negative, std::uint64_t magnitude,
                   bool isSigned) {
  const bool hex = conversion.type == u'x' || conversion.type == u'X';
  const DigitText text = Digits(magnitude, hex ? 16 : 10, conversion.type == u'X');
  std::u16string_view digits = text.View();
  if (conversion.precision == 0 && magnitude == 0) digits = {};
  const std::size_t precisionZeros = conversion.precision > static_cast<int>(digits.size())
                                         ? static_cast<std::size_t>(conversion.precision) - digits.size()
                                         : 0;
  const std::u16string_view sign = isSigned ? SignOf(negative, conversion) : u"";
  AppendField(out, conversion, sign, digits, conversion.precision < 0, precisionZeros);
}

template <typename Out>
void AppendSigned(Out& out, const Conversion& conversion, std::int64_t value) {
  // The magnitude of INT64_MIN does not fit a signed type; unsigned negation does.
  const std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  AppendInteger(out, conversion, value < 0, magnitude, true);
}

template <typename Out>
void AppendFixed(Out& out, const Conversion& conversion, double value) {
  const int precision = conversion.precision < 0 ? 6 : conversion.precision;
  std::string text(static_cast<std::size_t>(precision) + 400, '\0');
  const auto result =
      std::to_chars(text.data(), text.data() + text.size(), std::fabs(value), std::chars_format::fixed, precision);
  text.resize(static_cast<std::size_t>(result.ptr - text.data()));
  AppendField(out, conversion, SignOf(std::signbit(value), conversion), contract::Widen(text), std::isfinite(value));
}

std::u16string_view TextOrNull(const KChar* text) { return text != nullptr ? std::u16string_view(text) : u"(null)"; }

template <typename Out>
void AppendText(Out& out, const Conversion& conversion, const KChar* text) {
  std::u16string_view body = TextOrNull(text);
  if (conversion.precision >= 0) body = body.substr(0, static_cast<std::size_t>(conversion.precision));
  AppendField(out, conversion, u"", body, false);
}

// Writes one conversion; returns false when its type is unknown.
template <typename Out>
bool AppendConversion(Out& out, const Conversion& conversion, std::va_list& args) {
  switch (conversion.type) {
    case u'd':
    case u'i': AppendSigned(out, conversion, va_arg(args, int)); return true;
    case u'q': AppendSigned(out, conversion, va_arg(args, std::int64_t)); return true;
    case u'u':
    case u'x':
    case u'X': AppendInteger(out, conversion, false, va_arg(args, unsigned int), false); return true;
    case u'f': AppendFixed(out, conversion, va_arg(args, double)); return true;
    case u's': AppendText(out, conversion, va_arg(args, const KChar*)); return true;
    case u'c': {
      const KChar c[2] = {static_cast<KChar>(va_arg(args, int)), 0};
      AppendField(out, conversion, u"", std::u16string_view(c, 1), false);
      return true;
    }
    case u'%': out += u'%'; return true;
    default: return false;
  }
}

// Writes into a fixed array, dropping what does not fit; has the appends
// of std::u16string that the writers above use.
class BoundedText {
 public:
  BoundedText(KChar* text, std::size_t capacity) : text_(text), capacity_(capacity) {}

  BoundedText& append(std::u16string_view part) {
    const std::size_t n = std::min(part.size(), Room());
    cut_ = cut_ || n < part.size();
    std::copy_n(part.data(), n, text_ + size_);
    size_ += n;
    return *this;
  }
  BoundedText& append(std::size_t count, KChar c) {
    const std::size_t n = std::min(count, Room());
    cut_ = cut_ || n < count;
    std::fill_n(text_ + size_, n, c);
    size_ += n;
    return *this;
  }
  BoundedText& append(const KChar* first, const KChar* last) {
    return append(std::u16string_view(first, static_cast<std::size_t>(last - first)));
  }
  BoundedText& operator+=(KChar c) { return append(1, c); }

  std::size_t size() const { return size_; }
  bool cut() const { return cut_; }

 private:
  std::size_t Room() const { return capacity_ - size_; }

  KChar* text_;
  std::size_t capacity_;
  std::size_t size_ = 0;
  bool cut_ = false;
};

template <typename Out>
void FormatInto(Out& out, const KChar* format, std::va_list args, FormatFaults* faults) {
  if (format == nullptr) return;
  // A copy that the helpers can take by reference on every ABI.
  std::va_list values;
  va_copy(values, args);
  for (const KChar* pos = format; *pos != 0; ++pos) {
    if (*pos != u'%') {
      const KChar* run = pos;
      while (pos[1] != 0 && pos[1] != u'%') ++pos;
      out.append(run, pos + 1);
      continue;
    }
    const KChar* start = pos++;
    if (*pos == u's') {  // the commonest conversion, with nothing between "%" and "s"
      out.append(TextOrNull(va_arg(values, const KChar*)));
      continue;
    }
    const Conversion conversion = ParseConversion(pos, values);
    if (conversion.type == 0) {  // a "%" at the very end
      out.append(start, pos);
      break;
    }
    if (!AppendConversion(out, conversion, values)) {
      out.append(start, pos + 1);
      if (faults != nullptr) faults->unknownConversion = true;
    }
  }
  va_end(values);
}

}  // namespace

std::u16string FormatText(const KChar* format, std::va_list args, FormatFaults* faults) {
  std::u16string out;
  out.reserve(64);  // most results are short: one allocation
  FormatInto(out, format, args, faults);
  return out;
}

std::size_t FormatText(KChar* text, std::size_t capacity, const KChar* format, std::va_list args,
                       FormatFaults* faults) {
  if (capacity == 0) return 0;
  BoundedText out(text, capacity - 1);
  FormatInto(out, format, args, faults);
  text[out.size()] = u'\0';
  if (faults != nullptr) faults->cut = out.cut();
  return out.size();
}

}  // namespace torvane
