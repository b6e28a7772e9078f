// The printf engine behind Sprintf, Printf and Qprintf: numeric conversions
// against the C library's snprintf, texts, and the buffer limit.
#include "host_kit.h"

#include <cfloat>
#include <climits>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "services/format.h"

namespace {

// Formats with the shell's Sprintf.
template <typename... Values>
std::u16string Shell(std::string_view format, Values... values) {
  std::vector<KChar> buffer(kHostBufferLength, u'?');
  const std::u16string wide = Widen(format);
  const int length = Sprintf(buffer.data(), wide.c_str(), values...);
  std::u16string text(buffer.data());
  EXPECT_EQ(static_cast<std::size_t>(length), text.size()) << format;
  return text;
}

// Formats with the C library, the independent oracle.
template <typename... Values>
std::u16string Oracle(const std::string& format, Values... values) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format.c_str(), values...);
  return Widen(buffer);
}

const char* const kIntegerFormats[] = {
    "%d", "%i", "%5d", "%-5d|", "%05d", "%+d", "% d", "%+05d", "% 06d", "%.3d", "%8.3d", "%-8.3d|", "%08.3d",
    "%.0d", "%1d", "%-+7d|", "%u", "%12u", "%-12u|", "%012u", "%.5u", "%x", "%X", "%08x", "%-8X|", "%.6x", "%+u",
};

const int kIntegerValues[] = {0, 1, -1, 7, -42, 255, 4096, 123456, -987654, INT_MAX, INT_MIN};

TEST(Printf, IntegersMatchTheCLibrary) {
  for (const char* format : kIntegerFormats) {
    for (const int value : kIntegerValues) {
      EXPECT_EQ(Shell(format, value), Oracle(format, value)) << format << " with " << value;
    }
  }
}

TEST(Printf, SixtyFourBitIntegersMatchTheCLibrary) {
  const char* const formats[] = {"%q", "%25q", "%-25q|", "%025q", "%+q", "% q", "%.20q", "%.0q"};
  const std::int64_t values[] = {0, 1, -1, 4294967296LL, -4294967297LL, INT64_MAX, INT64_MIN, 1234567890123LL};
  for (const std::string format : formats) {
    std::string oracleFormat = format;
    oracleFormat.replace(oracleFormat.find('q'), 1, "lld");
    for (const std::int64_t value : values) {
      EXPECT_EQ(Shell(format, value), Oracle(oracleFormat, static_cast<long long>(value))) << format << " with " << value;
    }
  }
}

TEST(Printf, FixedPointMatchesTheCLibrary) {
  const char* const formats[] = {"%f",   "%.0f",   "%.1f",    "%.2f", "%10.3f", "%-10.1f|", "%+.3f",
                                 "% f",  "%010.2f", "%+012.4f", "%.9f", "%3.0f",  "%-+9.2f|"};
  const double values[] = {0.0,    -0.0,       0.5,   1.5,  2.5,    -2.5,  0.125,   -123.456,   1e20,
                           1e-7,   0.1,        99.995, 1e300, DBL_MIN, 12345.678, -0.0004, std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()};
  for (const char* format : formats) {
    for (const double value : values) {
      EXPECT_EQ(Shell(format, value), Oracle(format, value)) << format << " with " << value;
    }
  }
}

TEST(Printf, StarTakesWidthAndPrecisionFromTheArguments) {
  struct Row { const char* format; int width; int value; };
  const Row rows[] = {{"%*d|", 6, 42}, {"%*d|", -6, 42}, {"%-*d|", 3, 12345}, {"%0*d", 5, -3}, {"%*d", 0, 9}};
  for (const Row& row : rows) {
    EXPECT_EQ(Shell(row.format, row.width, row.value), Oracle(row.format, row.width, row.value)) << row.format;
  }
  EXPECT_EQ(Shell("%.*d", 4, 7), Oracle("%.*d", 4, 7));
  EXPECT_EQ(Shell("%.*d", -1, 7), Oracle("%.*d", -1, 7));  // a negative precision counts as none
  EXPECT_EQ(Shell("%*.*f", 9, 2, 3.14159), Oracle("%*.*f", 9, 2, 3.14159));
}

TEST(Printf, TextsAndCharacters) {
  struct Row { const char* format; const KChar* text; std::u16string expected; };
  const Row rows[] = {
      {"%s", u"abc", u"abc"}, {"[%6s]", u"abc", u"[   abc]"}, {"[%-6s]", u"abc", u"[abc   ]"},
      {"[%06s]", u"abc", u"[   abc]"},  // zeros pad numbers only
      {"[%.2s]", u"abc", u"[ab]"}, {"[%5.1s]", u"abc", u"[    a]"}, {"[%.0s]", u"abc", u"[]"}, {"[%s]", u"", u"[]"},
      {"%s", nullptr, u"(null)"}, {"%s!", u"\u00e9\u20ac\U0001F600", u"\u00e9\u20ac\U0001F600!"},
  };
  for (const Row& row : rows) EXPECT_EQ(Shell(row.format, row.text), row.expected) << row.format;
  EXPECT_EQ(Shell("%.*s", 3, u"abcdef"), u"abc");
  EXPECT_EQ(Shell("%.*s", -2, u"abcdef"), u"abcdef");
  EXPECT_EQ(Shell("%c%c", static_cast<int>(u'O'), static_cast<int>(u'\u00c9')), u"O\u00c9");
  EXPECT_EQ(Shell("[%3c]", static_cast<int>(u'x')), u"[  x]");
  EXPECT_EQ(Shell("[%-3c]", static_cast<int>(u'x')), u"[x  ]");
}

// The engine alone, with what it found that the services refuse.
std::u16string Engine(torvane::FormatFaults& faults, const KChar* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::u16string text = torvane::FormatText(format, args, &faults);
  va_end(args);
  return text;
}

TEST(Printf, PercentSignsAndUnknownConversions) {
  EXPECT_EQ(Shell("100%%"), u"100%");
  EXPECT_EQ(Shell("%%@if[plugin %s,1,0]", u"QCAL"), u"%@if[plugin QCAL,1,0]");
  EXPECT_EQ(Shell("end%"), u"end%");  // a lone "%" at the end
  EXPECT_EQ(Shell("%d%%%d", 1, 2), u"1%2");
  // Not conversions, nor are length modifiers: copied by the engine and
  // counted as faults, which the services refuse.
  for (const std::u16string_view format : {u"a%yb", u"%5lz"}) {
    torvane::FormatFaults faults;
    EXPECT_EQ(Engine(faults, std::u16string(format).c_str()), format);
    EXPECT_TRUE(faults.unknownConversion) << torvane::test::Narrow(format);
  }
}

TEST(Printf, SprintfUsesItsWholeBufferAndNoMore) {
  std::vector<KChar> buffer(kHostBufferLength + 64, u'#');
  const std::u16string longest(kHostBufferLength - 1, u'x');
  EXPECT_EQ(Sprintf(buffer.data(), u"%s", longest.c_str()), kHostBufferLength - 1);
  EXPECT_EQ(buffer[kHostBufferLength - 1], u'\0');
  EXPECT_EQ(Sprintf(buffer.data(), u"%d", 42), 2);
  EXPECT_EQ(buffer[3], kPoison);
  EXPECT_EQ(buffer[kHostBufferLength - 1], kPoison);
  EXPECT_EQ(buffer[kHostBufferLength], u'#');  // nothing written past the buffer
}

// Plug-ins format a buffer's own text back into it, and may pass a format
// that lies there too.
TEST(Printf, SprintfReadsItsArgumentsBeforeWritingTheBuffer) {
  std::vector<KChar> buffer(kHostBufferLength, u'\0');
  std::copy_n(u"abc", 4, buffer.data());
  EXPECT_EQ(Sprintf(buffer.data(), u"<%s|%s>", buffer.data(), buffer.data()), 9);
  EXPECT_EQ(std::u16string(buffer.data()), u"<abc|abc>");
  std::copy_n(u"%d-%s", 6, buffer.data());
  EXPECT_EQ(Sprintf(buffer.data(), buffer.data(), 7, buffer.data()), 7);
  EXPECT_EQ(std::u16string(buffer.data()), u"7-%d-%s");
}

TEST(Printf, HugeWidthsAreCappedNotAllocated) {
  torvane::FormatFaults faults;
  EXPECT_EQ(Engine(faults, u"%999999999d", 5).size(), static_cast<std::size_t>(torvane::kMaxFieldWidth));
  EXPECT_EQ(Engine(faults, u"%.*d", INT_MAX, 5).size(), static_cast<std::size_t>(torvane::kMaxFieldWidth));
  EXPECT_FALSE(faults.unknownConversion);
}

TEST(Printf, PrintfAndQprintfWriteToTheirStreams) {
  const torvane::testing::CapturedOutput captured = torvane::testing::CaptureOutput([] {
    EXPECT_EQ(Printf(u"%s=%d\r\n", u"a", 1), 5);
    EXPECT_EQ(Qprintf(kHostStderr, u"err %u", 2u), 5);
    EXPECT_EQ(Qprintf(kHostStdout, u"!"), 1);
    EXPECT_EQ(Qprintf(7, u"lost"), -1);  // no such handle
    QPuts(u"q");
    CrLf();
    EXPECT_EQ(ColorPrintf(0x1E, u"%2u", 5u), 2);
  });
  EXPECT_EQ(captured.out, u"a=1\r\n!q\r\n 5");
  EXPECT_EQ(captured.err, u"err 2");
}

}  // namespace
