// What the POSIX back-end decides: lines read from a pipe (no position to
// set back), full paths made without the file system, and the thousands
// separator of the locale that the environment selects.
#include <gtest/gtest.h>
#include <unistd.h>

#include <locale>
#include <string>
#include <vector>

#include "contract/host_interface.h"
#include "services/testing.h"
#include "test_text.h"

namespace {

using torvane::test::Narrow;

std::u16string Expand(std::u16string_view text) {
  std::vector<KChar> buffer(kHostBufferLength, u'\0');
  std::copy(text.begin(), text.end(), buffer.begin());
  EXPECT_EQ(ExpandVariables(buffer.data(), 1), 0);
  return buffer.data();
}

// A pipe holding bytes, its writing end closed.
class FilledPipe {
 public:
  explicit FilledPipe(const std::string& bytes) {
    EXPECT_EQ(::pipe(ends_), 0);
    EXPECT_EQ(::write(ends_[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(ends_[1]);
  }
  ~FilledPipe() { ::close(ends_[0]); }
  HostFile Reader() const { return ends_[0]; }

 private:
  int ends_[2] = {-1, -1};
};

// What the host table forbids stops the shell (outside its interactive
// prompt), naming the service; a null pointer where the table names one is
// a crash, as it would be in a real shell.
TEST(StrictServicesDeathTest, RefuseWhatTheTableForbids) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  int attribute = 0;
  EXPECT_DEATH(GetAttribute(&attribute, nullptr), "");
  EXPECT_DEATH(ExpandVariables(nullptr, 1), "");
  EXPECT_DEATH(QPuts(nullptr), "");
  std::vector<KChar> buffer(kHostBufferLength, u'\0');
  const std::u16string tooLong(kHostBufferLength, u'x');
  EXPECT_DEATH(Sprintf(buffer.data(), u"%s", tooLong.c_str()), "torvane: Sprintf: a result longer than its 8192-unit buffer");
  EXPECT_DEATH(Printf(u"%s", tooLong.c_str()), "torvane: Printf: a result longer");
  EXPECT_DEATH(Qprintf(kHostStderr, u"%ld", 1L), "torvane: Qprintf: a conversion the host table does not name");
  EXPECT_DEATH(GetLine(0, buffer.data(), 0, 0, 0), "torvane: GetLine: no room for a line");
  EXPECT_DEATH(ASCIIToUnicode("x", buffer.data(), 0), "torvane: ASCIIToUnicode: no room");
}

TEST(PosixFiles, PipesAreReadLineByLineWithoutReadingAhead) {
  const FilledPipe pipe("first\r\nsecond\n\nlast");
  EXPECT_EQ(QueryIsFileUnicode(pipe.Reader()), 0);  // a pipe cannot be peeked at
  std::vector<KChar> buffer(kHostBufferLength);
  const std::vector<std::pair<int, std::u16string>> expected = {
      {7, u"first"}, {7, u"second"}, {1, u""}, {4, u"last"}, {0, u""}};
  for (const auto& [consumed, text] : expected) {
    EXPECT_EQ(GetLine(pipe.Reader(), buffer.data(), kHostBufferLength - 1, 0, 0), consumed);
    EXPECT_EQ(std::u16string(buffer.data()), text);
  }
}

TEST(PosixFiles, Utf16FromAPipe) {
  std::string bytes;
  for (const char16_t c : std::u16string_view(u"ab\ncd\n")) bytes += {static_cast<char>(c), static_cast<char>(c >> 8)};
  const FilledPipe pipe(bytes);
  std::vector<KChar> buffer(kHostBufferLength);
  EXPECT_EQ(GetLine(pipe.Reader(), buffer.data(), 10, kGetLineUnicode, 0), 3);
  EXPECT_EQ(std::u16string(buffer.data()), u"ab");
  EXPECT_EQ(GetLine(pipe.Reader(), buffer.data(), 10, kGetLineUnicode, 0), 3);
  EXPECT_EQ(std::u16string(buffer.data()), u"cd");
}

TEST(PosixPaths, TrueNamesAreAbsoluteAndNormalised) {
  std::vector<char> here(4096);
  ASSERT_NE(::getcwd(here.data(), here.size()), nullptr);
  const std::u16string current(here.data(), here.data() + std::string_view(here.data()).size());
  const struct {
    std::u16string name;
    std::u16string expected;
  } rows[] = {
      {u"/a/b/c", u"/a/b/c"},
      {u"/a/./b//c/", u"/a/b/c"},
      {u"/a/b/../c", u"/a/c"}, {u"/a/b/../../..", u"/"}, {u"/..", u"/"}, {u"/", u"/"}, {u"x.txt", current + u"/x.txt"},
      {u"./x/../y", current + u"/y"},
  };
  for (const auto& row : rows) {
    std::vector<KChar> out(kHostBufferLength, u'\0');
    EXPECT_EQ(QueryTrueName(row.name.c_str(), out.data()), 0) << Narrow(row.name);
    EXPECT_EQ(std::u16string(out.data()), row.expected) << Narrow(row.name);
  }
}

TEST(PosixLocale, CommaFollowsLcAllThenLcNumericThenLang) {
  try {
    std::locale german("de_DE.UTF-8");
  } catch (const std::runtime_error&) {
    GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  }
  const std::u16string savedLang = Expand(u"%LANG");
  const struct {
    std::u16string_view all, numeric, lang, expected;
  } rows[] = {
      {u"", u"", u"", u"1,234,567"}, {u"C", u"de_DE.UTF-8", u"", u"1,234,567"},
      {u"de_DE.UTF-8", u"C", u"C", u"1.234.567"}, {u"", u"de_DE.UTF-8", u"C", u"1.234.567"},
      {u"", u"", u"de_DE.UTF-8", u"1.234.567"},
      {u"", u"", u"xx_NOWHERE.UTF-8", u"1,234,567"},  // an unknown locale
  };
  for (const auto& row : rows) {
    torvane::testing::SetEnvironment(u"LC_ALL", row.all);
    torvane::testing::SetEnvironment(u"LC_NUMERIC", row.numeric);
    torvane::testing::SetEnvironment(u"LANG", row.lang);
    EXPECT_EQ(Expand(u"%@comma[1234567]"), row.expected) << Narrow(row.all) << "|" << Narrow(row.numeric) << "|"
                                                        << Narrow(row.lang);
  }
  torvane::testing::SetEnvironment(u"LC_ALL", u"");
  torvane::testing::SetEnvironment(u"LC_NUMERIC", u"");
  torvane::testing::SetEnvironment(u"LANG", savedLang);
}

}  // namespace
