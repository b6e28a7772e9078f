// What the Windows back-end decides: lines read from a pipe (no position to
// set back, the writer's close is the end of the file), and full paths with
// drive letters, either slash and the current folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contract/host_interface.h"
#include "test_text.h"

namespace {

using torvane::test::Narrow;

// A pipe holding bytes, its writing end closed.
class FilledPipe {
 public:
  explicit FilledPipe(const std::string& bytes) {
    HANDLE writer = nullptr;
    EXPECT_NE(CreatePipe(&reader_, &writer, nullptr, 0), 0);
    DWORD written = 0;
    EXPECT_NE(WriteFile(writer, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr), 0);
    EXPECT_EQ(written, bytes.size());
    CloseHandle(writer);
  }
  ~FilledPipe() { CloseHandle(reader_); }
  HostFile Reader() const { return reinterpret_cast<HostFile>(reader_); }

 private:
  HANDLE reader_ = nullptr;
};

TEST(Win32Files, PipesAreReadLineByLineUntilTheWriterHasClosed) {
  const FilledPipe pipe("first\r\nsecond\n\nlast");
  EXPECT_EQ(QueryIsFileUnicode(pipe.Reader()), 0);  // a pipe cannot be peeked at
  std::vector<KChar> buffer(kHostBufferLength);
  const std::vector<std::pair<int, std::u16string>> expected = {
      {7, u"first"}, {7, u"second"}, {1, u""}, {4, u"last"}, {0, u""}};
  for (const auto& [consumed, text] : expected) {
    EXPECT_EQ(GetLine(pipe.Reader(), buffer.data(), kHostBufferLength - 1, 0, 0), consumed);
    EXPECT_EQ(Narrow(buffer.data()), Narrow(text));
  }
}

TEST(Win32Files, Utf16FromAPipe) {
  std::string bytes;
  for (const char16_t c : std::u16string_view(u"ab\ncd\n")) bytes += {static_cast<char>(c), static_cast<char>(c >> 8)};
  const FilledPipe pipe(bytes);
  std::vector<KChar> buffer(kHostBufferLength);
  EXPECT_EQ(GetLine(pipe.Reader(), buffer.data(), 10, kGetLineUnicode, 0), 3);
  EXPECT_EQ(Narrow(buffer.data()), "ab");
  EXPECT_EQ(GetLine(pipe.Reader(), buffer.data(), 10, kGetLineUnicode, 0), 3);
  EXPECT_EQ(Narrow(buffer.data()), "cd");
}

std::u16string CurrentFolder() {
  std::vector<wchar_t> here(MAX_PATH * 4);
  const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(here.size()), here.data());
  EXPECT_GT(length, 0u);
  return std::u16string(reinterpret_cast<const char16_t*>(here.data()), length);
}

TEST(Win32Paths, TrueNamesAreFullAndNormalised) {
  std::u16string current = CurrentFolder();
  if (current.back() != u'\\') current += u'\\';
  const struct {
    std::u16string name;
    std::u16string expected;
  } rows[] = {
      {u"C:\\a\\b\\c", u"C:\\a\\b\\c"}, {u"C:/a/b/c", u"C:\\a\\b\\c"}, {u"C:\\a\\.\\b\\..\\c", u"C:\\a\\c"},
      {u"C:\\a\\b\\..\\..\\..", u"C:\\"}, {u"x.txt", current + u"x.txt"}, {u".\\x\\..\\y", current + u"y"},
  };
  for (const auto& row : rows) {
    std::vector<KChar> out(kHostBufferLength, u'\0');
    EXPECT_EQ(QueryTrueName(row.name.c_str(), out.data()), 0) << Narrow(row.name);
    EXPECT_EQ(Narrow(out.data()), Narrow(row.expected)) << Narrow(row.name);
  }
}

}  // namespace
