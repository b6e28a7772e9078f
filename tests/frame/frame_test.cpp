// The plug-in's frame: the two splitters of arguments, the number readers,
// the one way a function reports a message, and the names withheld.
#include "support/kit.h"

#include <optional>

#include "frame/arguments.h"
#include "frame/numbers.h"
#include "frame/plugin.h"

namespace {

// ---- The two splitters: where entries end, what is dropped, and the limits.
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

// ---- ParseNumber, the signed-number readers and the digit reader under them.
TEST(ParseNumber, DigitsOnly) {
  const struct { std::u16string text; std::int32_t expected; } kTable[] = {
      {u"0", 0},           {u"7", 7},          {u"0042", 42},   {u"2147483647", 2147483647},
      {u"2147483648", kMaxNumber},             {u"99999999999999999999", kMaxNumber},
      {u"", -1},           {u"+1", -1},        {u"-1", -1},     {u" 1", -1},
      {u"1 ", -1},         {u"12a", -1},       {u"a12", -1},    {u"1.5", -1},
  };
  for (const auto& row : kTable) EXPECT_EQ(ParseNumber(row.text), row.expected) << Narrow(row.text);
}

TEST(ReadDigits, StopsAtTheFirstNonDigitAndSaturates) {
  std::size_t pos = 1;
  EXPECT_EQ(ReadDigits(u"x123-4", pos), 123);
  EXPECT_EQ(pos, 4u);
  pos = 0;
  EXPECT_EQ(ReadDigits(u"-", pos), 0);
  EXPECT_EQ(pos, 0u);
  pos = 0;
  EXPECT_EQ(ReadDigits(u"12345678901234567890x", pos), kMaxNumber);
  EXPECT_EQ(pos, 20u);
}

TEST(ParseSignedNumber, OptionalSignThenDigitsAndNothingElse) {
  const struct { std::u16string text; std::optional<std::int64_t> expected; } kTable[] = {
      {u"0", 0}, {u"+0", 0}, {u"-0", 0}, {u"7", 7}, {u"+7", 7}, {u"-7", -7}, {u"-0042", -42},
      {u"2147483648", 2147483648}, {u"-2147483649", -2147483649}, {u"999999999999999999", kMaxSignedNumber},
      {u"99999999999999999999999999", kMaxSignedNumber}, {u"-99999999999999999999999999", -kMaxSignedNumber},
      {u"", std::nullopt}, {u"+", std::nullopt}, {u"-", std::nullopt}, {u"+-1", std::nullopt}, {u"--1", std::nullopt},
      {u"- 1", std::nullopt}, {u" 1", std::nullopt}, {u"1 ", std::nullopt}, {u"5x", std::nullopt},
      {u"5.0", std::nullopt}, {u"x5", std::nullopt},
  };
  for (const auto& row : kTable) EXPECT_EQ(ParseSignedNumber(row.text), row.expected) << Narrow(row.text);
}

TEST(ReadSignedNumber, LeavesWhatFollowsAndKeepsPosOnFailure) {
  const struct {
    std::u16string text;
    std::size_t start;
    std::optional<std::int64_t> expected;
    std::size_t end;
  } kTable[] = {
      {u"2x", 0, 2, 1},      {u"-12-3", 0, -12, 3}, {u"T+5", 1, 5, 3},  {u"T-5", 1, -5, 3},
      {u"+x", 0, std::nullopt, 0}, {u"x", 0, std::nullopt, 0},   {u"5", 1, std::nullopt, 1},
  };
  for (const auto& row : kTable) {
    std::size_t pos = row.start;
    EXPECT_EQ(ReadSignedNumber(row.text, pos), row.expected) << Narrow(row.text);
    EXPECT_EQ(pos, row.end) << Narrow(row.text);
  }
}

// Every 32-bit boundary and its neighbours read as the standard library reads them.
TEST(ParseSignedNumber, AgreesWithTheStandardLibraryAroundThe32BitLimits) {
  for (const std::int64_t centre : {0LL, 2147483647LL, -2147483648LL, 4294967296LL}) {
    for (std::int64_t value = centre - 3; value <= centre + 3; ++value) {
      const std::string narrow = std::to_string(value);
      EXPECT_EQ(ParseSignedNumber(Widen(narrow)), std::stoll(narrow)) << narrow;
      EXPECT_EQ(ParseSignedNumber(Widen("+" + std::to_string(value < 0 ? -value : value))),
                value < 0 ? -value : value)
          << narrow;
    }
  }
}

// ---- The error prefix and the one way a function reports a message.
using ErrorsTest = KalendraTest;

std::u16string ReportedText(std::u16string_view argument) {
  int status = 0;
  const auto output = torvane::testing::CaptureOutput(
      [&] { status = ReportError(u"Invalid date \"%s\"", std::u16string(argument).c_str()); });
  EXPECT_EQ(status, kErrorResult);
  EXPECT_TRUE(output.out.empty());
  return output.err;
}

// Every function table checks the prefix alone, and the end-to-end cases a
// batch file's name and line; a name is text, never a format.
TEST_F(ErrorsTest, ABatchNameIsLiteralTextNotAFormat) {
  torvane::testing::SetBatchContext(2, u"/tmp/100%s%d.btm", 3);
  EXPECT_EQ(ReportedText(u"%s"), u"KALENDRA plugin: /tmp/100%s%d.btm [3]  Invalid date \"%s\"\r\n");
}

// ---- Withholding names through "Disable_Features".
TEST(WithholdFeatures, RemovesNamedEntriesWithTheirSeparator) {
  const struct { std::u16string list, disabled, expected; } kTable[] = {
      {u"@a,@b,_c,qcal", u"", u"@a,@b,_c,qcal"}, {u"@a,@b,_c,qcal", u"@B", u"@a,_c,qcal"},
      {u"@a,@b,_c,qcal", u"@a", u"@b,_c,qcal"},
      {u"@a,@b,_c,qcal", u"QCAL", u"@a,@b,_c"},  // the last name leaves no trailing comma
      {u"@a,@b,_c,qcal", u"@a;qcal  _c", u"@b"},
      {u"@a,@b,_c,qcal", u"a", u"@a,@b,_c,qcal"},  // names keep their "@"
      {u"@a,@b,_c,qcal", u"@ab,@", u"@a,@b,_c,qcal"}, {u"@a,@b,_c,qcal", u",,; ;", u"@a,@b,_c,qcal"},
      {u"@a,@b,_c,qcal", u"@a,@b,_c,qcal", u""}, {u"@a,@b,_c,qcal", u"qcal,qcal,@a", u"@b,_c"}, {u"", u"@a", u""},
      {u"@a;@b", u"@b", u"@a"},
      {u"@a,@ab", std::u16string(8190, u' ') + u"@ab", u"@ab"},  // read up to 8192 characters: "@a"
  };
  for (const auto& row : kTable) {
    std::u16string list = row.list;
    WithholdFeatures(list, row.disabled);
    EXPECT_EQ(list, row.expected) << "list " << Narrow(row.list) << " disabled [" << Narrow(row.disabled) << "]";
  }
}

}  // namespace
