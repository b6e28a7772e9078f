// What the POSIX back-end decides: full paths made without the file system, and the thousands
// separator of the locale that the environment selects.
#include <unistd.h>

#include <locale>

#include "host_kit.h"
#include "platform/posix/posix_text.h"

namespace {

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

// The console's bytes for a run of writes: UTF-8, CR LF as LF, a lone CR
// kept, a CR at the end of one write held until the next shows what follows
// (and written when nothing does, as at a flush). Runs of eight units and
// more go through the block path, shorter ones and their tails unit by unit.
TEST(PosixText, Utf8WithLfLineEnds) {
  const struct { std::vector<std::u16string> writes; std::string expected; } rows[] = {
      {{u"a\r\nb\r\n"}, "a\nb\n"},
      {{u"2015-12-25\r\n2016-01-01\r\n"}, "2015-12-25\n2016-01-01\n"},
      {{u"abcdefg\r\nhijklmn\r\nopqrstu"}, "abcdefg\nhijklmn\nopqrstu"},
      {{u"a\rb", u"\r\r\n"}, "a\rb\r\n"},
      {{u"a\r", u"\nb"}, "a\nb"},
      {{u"abcdefghij\r", u"\n"}, "abcdefghij\n"},
      {{u"a\r", u"b\r"}, "a\rb\r"},
      {{u"\r", u"", u"\r\n"}, "\r\n"},
      {{u"caf\u00e9 \u20ac\r\n", u"stra\u00dfe, 12345678\r\n"}, "caf\xC3\xA9 \xE2\x82\xAC\nstra\xC3\x9F" "e, 12345678\n"},
      {{u"\U0001F600 smile\r\n"}, "\xF0\x9F\x98\x80 smile\n"},
      {{u"0123456789abcde\u00e9xyz 0123456789abcdef\u0100"}, "0123456789abcde\xC3\xA9xyz 0123456789abcdef\xC4\x80"},
  };
  for (const auto& row : rows) {
    std::string bytes;
    bool held = false;
    for (const std::u16string& text : row.writes) {
      std::string out(1 + 3 * text.size(), '\0');
      out.resize(static_cast<std::size_t>(torvane::platform::ToPosixText(text, held, out.data()) - out.data()));
      bytes += out;
    }
    if (held) bytes += '\r';
    EXPECT_EQ(bytes, row.expected) << Narrow(row.writes.front());
  }
}

TEST(PosixPaths, TrueNamesAreAbsoluteAndNormalised) {
  std::vector<char> here(4096);
  ASSERT_NE(::getcwd(here.data(), here.size()), nullptr);
  const std::u16string current(here.data(), here.data() + std::string_view(here.data()).size());
  const struct { std::u16string name; std::u16string expected; } rows[] = {
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
  const std::u16string savedLang = Expand(u"%LANG").text;
  const struct { std::u16string_view all, numeric, lang, expected; } rows[] = {
      {u"", u"", u"", u"1,234,567"}, {u"C", u"de_DE.UTF-8", u"", u"1,234,567"},
      {u"de_DE.UTF-8", u"C", u"C", u"1.234.567"}, {u"", u"de_DE.UTF-8", u"C", u"1.234.567"},
      {u"", u"", u"de_DE.UTF-8", u"1.234.567"},
      {u"", u"", u"xx_NOWHERE.UTF-8", u"1,234,567"},  // an unknown locale
  };
  for (const auto& row : rows) {
    torvane::testing::SetEnvironment(u"LC_ALL", row.all);
    torvane::testing::SetEnvironment(u"LC_NUMERIC", row.numeric);
    torvane::testing::SetEnvironment(u"LANG", row.lang);
    EXPECT_EQ(Expand(u"%@comma[1234567]").text, row.expected) << Narrow(row.all) << "|" << Narrow(row.numeric) << "|"
                                                        << Narrow(row.lang);
  }
  torvane::testing::SetEnvironment(u"LC_ALL", u"");
  torvane::testing::SetEnvironment(u"LC_NUMERIC", u"");
  torvane::testing::SetEnvironment(u"LANG", savedLang);
}

}  // namespace
