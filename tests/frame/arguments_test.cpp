// The two splitters: where entries end, what is dropped, and the limits.
#include "support/kit.h"

#include "frame/arguments.h"

namespace {

std::vector<std::u16string> Entries(int count) {
  std::vector<std::u16string> entries;
  for (int n = 1; n <= count; ++n) entries.emplace_back(Argument(n));
  return entries;
}

struct SplitRow { std::u16string text; bool spaceSeparates; std::vector<std::u16string> expected; };

TEST(SplitArguments, EntriesAndCounts) {
  const SplitRow kTable[] = {
      {u"", true, {u""}}, {u"2015-12-25", true, {u"2015-12-25"}}, {u"a,b", false, {u"a", u"b"}},
      {u"a  b", true, {u"a", u"b"}}, {u"a , b", true, {u"a", u"", u"b"}}, {u"a b", false, {u"a b"}},
      {u"  a  ,  b  ", false, {u"a", u"b"}}, {u"\"  x, y  \"", true, {u"x, y"}}, {u"\"a b\",c", true, {u"a b", u"c"}},
      {u"a,", true, {u"a", u""}}, {u",", false, {u"", u""}}, {u"Sat Sun", false, {u"Sat Sun"}},
      {u"ab\"cd", true, {u"abcd"}}, {u"\t2015-12-11 4", true, {u"2015-12-11", u"4"}},
  };
  for (const SplitRow& row : kTable) {
    const int count = SplitArguments(row.text.c_str(), row.spaceSeparates);
    EXPECT_EQ(Entries(count), row.expected) << "text [" << Narrow(row.text) << "]";
  }
}

TEST(SplitArguments, SeventyValuesGiveSixtyFour) {
  std::u16string text;
  for (int i = 0; i < 70; ++i) text += u"v" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)) + u",";
  text += u"last";
  EXPECT_EQ(SplitArguments(text.c_str(), true), kMaxArgs);
  EXPECT_EQ(Argument(64), u"vL");  // value 63 (0-based) is the 64th
  EXPECT_TRUE(Argument(65).empty());
}

TEST(SplitArguments, LongArgumentIsCutAtTheLimit) {
  const std::u16string longText(kMaxArgLength + 100, u'7');
  ASSERT_EQ(SplitArguments((longText + u",x").c_str(), true), 2);
  EXPECT_EQ(Argument(1).size(), static_cast<std::size_t>(kMaxArgLength));
  EXPECT_EQ(Argument(1).data()[kMaxArgLength], u'\0');
  EXPECT_EQ(Argument(2), u"x");
}

TEST(SplitArguments, ANewSplitEmptiesEveryEntry) {
  SplitArguments(u"a,b,c,d", true);
  ASSERT_EQ(SplitArguments(u"z", true), 1);
  EXPECT_EQ(Argument(1), u"z");
  for (int n = 2; n <= kMaxArgs; ++n) EXPECT_FALSE(HasArgument(n)) << n;
}

TEST(SplitCommandLine, EntriesAndCounts) {
  const SplitRow kTable[] = {
      {u"", false, {u""}}, {u"strict", false, {u"STRICT"}}, {u"on off", false, {u"ON", u"OFF"}},
      {u"on ", false, {u"ON", u""}}, {u"  on", false, {u"ON"}}, {u"/a/b", false, {u"/A", u"/B"}},
      {u"/d12/25/2015", false, {u"/D12/25/2015"}}, {u"/x [a b]/c", false, {u"/X", u"[A B]/C"}},
      {u"\"two words\" x", false, {u"TWO WORDS", u"X"}}, {u"abc/def", false, {u"ABC/DEF"}}, {u"/?", false, {u"/?"}},
      {u"/a /b", false, {u"/A", u"/B"}}, {u"[x]]y z", false, {u"[X]]Y", u"Z"}},
  };
  for (const SplitRow& row : kTable) {
    const int count = SplitCommandLine(row.text.c_str());
    EXPECT_EQ(Entries(count), row.expected) << "tail [" << Narrow(row.text) << "]";
  }
}

TEST(SplitCommandLine, CountIsCappedAtTheTableSize) {
  std::u16string tail;
  for (int i = 0; i < 80; ++i) tail += u"w ";
  EXPECT_EQ(SplitCommandLine(tail.c_str()), kMaxArgs);
}

}  // namespace
