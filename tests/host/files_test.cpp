// GetLine, QueryIsFileUnicode, QueryIsFile and ASCIIToUnicode over real
// files and pipes: UTF-16 with a byte-order mark, UTF-8, Latin-1, empty and
// long lines.
#include "host_kit.h"

#include "services/files.h"

namespace {

// 8-bit bytes of UTF-16 little-endian text, with the byte-order mark first.
std::string Utf16File(std::u16string_view text, bool withMark = true) {
  std::string bytes = withMark ? "\xFF\xFE" : "";
  for (const char16_t c : text) {
    bytes += static_cast<char>(c & 0xFF);
    bytes += static_cast<char>(c >> 8);
  }
  return bytes;
}

using FilesTest = FolderTest;

struct Line { int consumed; std::u16string text; };

// Every line GetLine gives, up to and including the 0 at the end.
std::vector<Line> ReadAll(HostFile file, bool unicode, int maxChars = kHostBufferLength - 1) {
  std::vector<Line> lines;
  std::vector<KChar> buffer(static_cast<std::size_t>(maxChars) + 1 + 8, u'#');
  for (int guard = 0; guard < 100000; ++guard) {
    const int consumed = GetLine(file, buffer.data(), maxChars, unicode ? kGetLineUnicode : 0, 0);
    EXPECT_EQ(buffer[static_cast<std::size_t>(maxChars) + 1], u'#') << "written past maxChars + 1";
    lines.push_back(Line{consumed, buffer.data()});
    if (consumed == 0) break;
  }
  return lines;
}

// Every line the batch file reader gives, the same way.
std::vector<Line> ReadAllAhead(HostFile file, bool unicode, int maxChars) {
  std::vector<Line> lines;
  std::vector<KChar> buffer(static_cast<std::size_t>(maxChars) + 1, u'#');
  torvane::FileLines reader(file, unicode);
  for (int guard = 0; guard < 100000; ++guard) {
    const torvane::LineRead read = reader.Next(buffer.data(), maxChars);
    lines.push_back(Line{read.consumed, buffer.data()});
    if (read.consumed == 0) break;
  }
  return lines;
}

void ExpectLines(const std::vector<Line>& actual, const std::vector<Line>& expected, const std::string& label) {
  ASSERT_EQ(actual.size(), expected.size()) << label;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(actual[i].consumed, expected[i].consumed) << label << " line " << i;
    EXPECT_EQ(actual[i].text, expected[i].text) << label << " line " << i;
  }
}

// The lines GetLine reads from the file; the batch file reader, which reads
// ahead, must read the same.
std::vector<Line> ReadFile(const std::u16string& path, bool unicode, int maxChars = kHostBufferLength - 1) {
  const HostFile file = torvane::testing::OpenFile(path);
  EXPECT_GE(file, 0);
  std::vector<Line> lines = ReadAll(file, unicode, maxChars);
  torvane::testing::CloseFile(file);
  const HostFile again = torvane::testing::OpenFile(path);
  ExpectLines(ReadAllAhead(again, unicode, maxChars), lines, "read ahead: " + Narrow(path));
  torvane::testing::CloseFile(again);
  return lines;
}

TEST_F(FilesTest, EightBitLines) {
  const struct { std::string label; std::string bytes; std::vector<Line> lines; } rows[] = {
      {"empty file", "", {{0, u""}}},
      {"LF and CR LF", "a\nbc\r\n\nlast", {{2, u"a"}, {4, u"bc"}, {1, u""}, {4, u"last"}, {0, u""}}},
      {"CR inside a line stays", "a\rb\n", {{4, u"a\rb"}, {0, u""}}},
      {"CR before end of file", "x\r", {{2, u"x"}, {0, u""}}},
      {"UTF-8", "h\xC3\xA9\xE2\x82\xAC\n", {{7, u"h\u00e9\u20ac"}, {0, u""}}},
      {"UTF-8 outside the BMP", "\xF0\x9F\x98\x80\n", {{5, u"\U0001F600"}, {0, u""}}},
      {"UTF-8 from the lowest three-byte lead", "\xE0\xA4\x85\n", {{4, u"\u0905"}, {0, u""}}},
      {"overlong UTF-8 is Latin-1", "\xC0\xAF\n", {{3, u"\u00c0\u00af"}, {0, u""}}},
      {"each line decides", "\xC3\xA9\n\xE9\n", {{3, u"\u00e9"}, {2, u"\u00e9"}, {0, u""}}},
      {"UTF-8 byte-order mark", "\xEF\xBB\xBFhi\nho\n", {{6, u"hi"}, {3, u"ho"}, {0, u""}}},
      {"a mark later in the file is text", "a\n\xEF\xBB\xBF\n", {{2, u"a"}, {4, u"\uFEFF"}, {0, u""}}},
  };
  for (const auto& row : rows) ExpectLines(ReadFile(Write("eight.txt", row.bytes), false), row.lines, row.label);
}

TEST_F(FilesTest, Utf16Lines) {
  const struct { std::string label; std::string bytes; std::vector<Line> lines; } rows[] = {
      {"mark only", Utf16File(u""), {{0, u""}}},
      {"lines", Utf16File(u"one\r\ntwo\n\n\u03c0"), {{6, u"one"}, {4, u"two"}, {1, u""}, {1, u"\u03c0"}, {0, u""}}},
      {"a unit with 0x0A as high byte is no line end", Utf16File(u"\u0a41\u410a\n"), {{4, u"\u0a41\u410a"}, {0, u""}}},
      {"surrogate pair", Utf16File(u"\U0001F600\n"), {{4, u"\U0001F600"}, {0, u""}}},
      {"without mark", Utf16File(u"ab\ncd", false), {{3, u"ab"}, {2, u"cd"}, {0, u""}}},
      {"odd last byte ignored", Utf16File(u"ab") + "x", {{3, u"ab"}, {0, u""}}},
  };
  for (const auto& row : rows) ExpectLines(ReadFile(Write("wide.txt", row.bytes), true), row.lines, row.label);
}

TEST_F(FilesTest, LongLinesAreCutAndTheirRestSkipped) {
  ExpectLines(ReadFile(Write("cut8.txt", "abcdefghij\nxy\n"), false, 5), {{11, u"abcde"}, {3, u"xy"}, {0, u""}}, "8-bit");
  ExpectLines(ReadFile(Write("cut16.txt", Utf16File(u"abcdefghij\r\nxy")), true, 5),
              {{13, u"abcde"}, {2, u"xy"}, {0, u""}}, "UTF-16");
  ExpectLines(ReadFile(Write("exact.txt", "abcde\r\n"), false, 5), {{7, u"abcde"}, {0, u""}}, "exactly maxChars");
  ExpectLines(ReadFile(Write("one.txt", "ab\n"), false, 1), {{3, u"a"}, {0, u""}}, "maxChars 1");

  const std::string huge(20000, 'z');
  const std::vector<Line> lines = ReadFile(Write("huge.txt", huge + "\nafter\n"), false);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].consumed, 20001);
  EXPECT_EQ(lines[0].text, std::u16string(kHostBufferLength - 1, u'z'));
  EXPECT_EQ(lines[1].text, u"after");
}

// Many lines of every length across the reader's chunks, against a plain
// split of the same text.
TEST_F(FilesTest, ManyLinesReadBackAsWritten) {
  std::string bytes;
  std::vector<Line> expected;
  for (int i = 0; i < 3000; ++i) {
    const std::string text(static_cast<std::size_t>((i * 37) % 300), static_cast<char>('a' + i % 26));
    const bool crlf = i % 3 == 0;
    bytes += text + (crlf ? "\r\n" : "\n");
    expected.push_back(Line{static_cast<int>(text.size()) + (crlf ? 2 : 1), std::u16string(text.begin(), text.end())});
  }
  expected.push_back(Line{0, u""});
  ExpectLines(ReadFile(Write("many.txt", bytes), false), expected, "many lines");
}

// A zero byte or a byte above ASCII at every place of lines of every length
// around the readers' blocks: the batch reader reports the zero, and reads
// the same text as GetLine.
TEST_F(FilesTest, ZeroAndEightBitBytesAnywhereInALine) {
  for (std::size_t length = 1; length <= 40; ++length) {
    for (std::size_t at = 0; at < length; ++at) {
      for (const char odd : {'\0', '\xE9'}) {
        std::string line(length, 'a');
        line[at] = odd;
        const std::u16string path = Write("odd.txt", "first\n" + line + "\r\nlast\n");
        ReadFile(path, false);  // the same lines both ways
        const HostFile file = torvane::testing::OpenFile(path);
        torvane::FileLines reader(file, false);
        std::vector<KChar> buffer(kHostBufferLength);
        reader.Next(buffer.data(), kHostBufferLength - 1);
        EXPECT_EQ(reader.Next(buffer.data(), kHostBufferLength - 1).hasNul, odd == '\0') << length << " " << at;
        EXPECT_EQ(reader.Next(buffer.data(), kHostBufferLength - 1).hasNul, false) << length << " " << at;
        torvane::testing::CloseFile(file);
      }
    }
  }
}

TEST_F(FilesTest, UnicodeCheckLeavesTheReadPosition) {
  const HostFile wide = torvane::testing::OpenFile(Write("w.txt", Utf16File(u"first\nsecond\n")));
  EXPECT_EQ(QueryIsFileUnicode(wide), 1);
  std::vector<KChar> buffer(kHostBufferLength);
  EXPECT_EQ(GetLine(wide, buffer.data(), kHostBufferLength - 1, kGetLineUnicode, 0), 7);
  EXPECT_EQ(QueryIsFileUnicode(wide), 1);  // asked again in the middle
  EXPECT_EQ(GetLine(wide, buffer.data(), kHostBufferLength - 1, kGetLineUnicode, 0), 7);
  EXPECT_EQ(std::u16string(buffer.data()), u"second");
  torvane::testing::CloseFile(wide);

  for (const std::string& bytes : {std::string("plain\n"), std::string(""), std::string("\xFF"), std::string("\xFE\xFF")}) {
    const HostFile file = torvane::testing::OpenFile(Write("n.txt", bytes));
    EXPECT_EQ(QueryIsFileUnicode(file), 0) << Narrow(std::u16string(bytes.begin(), bytes.end()));
    torvane::testing::CloseFile(file);
  }
}

// GetLine uses the whole buffer the call names, maxChars units and a
// terminator: what follows the line is poisoned, what follows the buffer is
// not touched.
TEST_F(FilesTest, GetLineUsesTheWholeBufferItIsGiven) {
  const HostFile file = torvane::testing::OpenFile(Write("x.txt", "abc\nlonger line\n"));
  std::vector<KChar> buffer(12, u'#');
  EXPECT_EQ(GetLine(file, buffer.data(), 8, 0, 0), 4);
  EXPECT_EQ(std::u16string(buffer.data()), u"abc");
  for (std::size_t i = 4; i < 9; ++i) EXPECT_EQ(buffer[i], kPoison) << i;
  EXPECT_EQ(buffer[9], u'#');
  EXPECT_EQ(GetLine(file, buffer.data(), 8, 0, 0), 12);  // cut to 8 units, the rest of the line skipped
  EXPECT_EQ(std::u16string(buffer.data()), u"longer l");
  EXPECT_EQ(buffer[9], u'#');
  torvane::testing::CloseFile(file);
  // The batch runner's own reader refuses a missing buffer and no room.
  const HostFile batch = torvane::testing::OpenFile(Write("y.txt", "abc\n"));
  torvane::FileLines lines(batch, false);
  EXPECT_EQ(lines.Next(nullptr, 10).consumed, 0);
  EXPECT_EQ(lines.Next(buffer.data(), 0).consumed, 0);
  EXPECT_EQ(lines.Next(buffer.data(), 3).consumed, 4);
  torvane::testing::CloseFile(batch);
}

TEST_F(FilesTest, QueryIsFileAndQueryTrueName) {
  const std::u16string file = Write("present.txt", "x");
  const std::u16string folder = directory_.u16string();
  EXPECT_EQ(QueryIsFile(file.c_str()), 1);
  EXPECT_EQ(QueryIsFile(folder.c_str()), 0);
  EXPECT_EQ(QueryIsFile((folder + u"/absent.txt").c_str()), 0);

  // The whole 8192-unit buffer is used: poisoned after the path, and with
  // no path, poisoned throughout.
  std::vector<KChar> out(kHostBufferLength + 1, u'#');
  EXPECT_EQ(QueryTrueName(file.c_str(), out.data()), 0);
  const std::u16string path(out.data());
  EXPECT_EQ(std::filesystem::path(path), std::filesystem::path(file));
  EXPECT_EQ(out[path.size() + 1], kPoison);
  EXPECT_EQ(out[kHostBufferLength - 1], kPoison);
  EXPECT_EQ(out[kHostBufferLength], u'#');
  EXPECT_NE(QueryTrueName(u"", out.data()), 0);
  EXPECT_EQ(std::count(out.begin(), out.end() - 1, kPoison), kHostBufferLength);
}

// A pipe has no position to set back: it cannot be peeked at, and its lines
// are read as they come until the writer has closed.
TEST(Pipes, AreReadLineByLine) {
  const FilledPipe eightBit("first\r\nsecond\n\nlast");
  EXPECT_EQ(QueryIsFileUnicode(eightBit.Reader()), 0);
  ExpectLines(ReadAll(eightBit.Reader(), false), {{7, u"first"}, {7, u"second"}, {1, u""}, {4, u"last"}, {0, u""}},
              "8-bit");
  const FilledPipe wide(Utf16File(u"ab\ncd\n", false));
  ExpectLines(ReadAll(wide.Reader(), true, 10), {{3, u"ab"}, {3, u"cd"}, {0, u""}}, "UTF-16");
}

TEST(AsciiToUnicode, WidensUtf8OrLatin1IntoTheCapacity) {
  const struct { const char* text; int capacity; std::u16string expected; int result; } rows[] = {
      {"Jan 12 2025", 1024, u"Jan 12 2025", 11}, {"", 1024, u"", 0}, {"caf\xC3\xA9", 1024, u"caf\u00e9", 4},
      {"caf\xE9", 1024, u"caf\u00e9", 4},
      {"\xF4\x8F\xBF\xBF \xF0\x9F\x98\x80", 1024, u"\U0010FFFF \U0001F600", 5},  // the last and a middle lead byte of four
      {"\xF5\x80\x80\x80", 1024, u"\u00F5\u0080\u0080\u0080", 4},               // no lead byte: Latin-1
      {"abcdef", 3, u"ab", 2}, {"abcdef", 1, u"", 0},
  };
  for (const auto& row : rows) {
    const auto capacity = static_cast<std::size_t>(row.capacity);
    std::vector<KChar> out(capacity + 4, u'#');
    EXPECT_EQ(ASCIIToUnicode(row.text, out.data(), row.capacity), row.result) << row.text;
    EXPECT_EQ(std::u16string(out.data()), row.expected) << row.text;
    if (row.expected.size() + 1 < capacity) {
      EXPECT_EQ(out[capacity - 1], kPoison) << row.text;
    }
    EXPECT_EQ(out[capacity], u'#') << row.text;
  }
}

}  // namespace
