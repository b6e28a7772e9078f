// What the POSIX back-end decides: full paths made without the file system, and the thousands
// separator of the locale that the environment selects.
#include <unistd.h>

#include <locale>

#include "host_kit.h"

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
