// ExpandVariables: references, the shell's own functions and variables, a
// plug-in linked into the test (calls, failures, re-entry),
// unknown names, unbalanced brackets and the buffer limit.
#include "host_kit.h"
#include "services/texts.h"

namespace {

// The search for "%" and brackets that every line goes through, against
// the string view's own: every length around the eight-unit steps, every
// place of the wanted unit (or none, or two), every starting point.
TEST(FindAnyOf, AgreesWithAPlainSearchAtEveryLengthAndStart) {
  constexpr std::array<KChar, 2> kBrackets{u'[', u']'};
  for (std::size_t size = 0; size <= 26; ++size) {
    for (std::size_t at = 0; at <= size; ++at) {  // at == size: none there
      std::u16string text(size, u'x');
      if (at < size) text[at] = u'%';
      const std::size_t bracket = (at * 7 + 3) % (size + 1);  // somewhere else, or nowhere
      if (bracket < size && bracket != at) text[bracket] = u']';
      for (std::size_t from = 0; from <= size + 1; ++from) {
        const std::u16string_view view = text;
        EXPECT_EQ(torvane::FindUnit(view, u'%', from), view.find(u'%', from)) << size << " " << at << " " << from;
        EXPECT_EQ(torvane::FindAnyOf(view, from, kBrackets), view.find_first_of(u"[]", from))
            << size << " " << at << " " << from;
      }
    }
  }
}

class ExpansionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    torvane::testing::ResetSession();
    RegisterTestPlugin();
    torvane::testing::SetEnvironment(u"TORVANE_TEST_VAR", u"value");
    torvane::testing::SetEnvironment(u"TORVANE_TEST_POINTER", u"TORVANE_TEST_VAR");
    torvane::testing::SetEnvironment(u"LC_ALL", u"C");
  }
  void TearDown() override {
    torvane::testing::RemovePlugin(kTestPlugin);
    torvane::testing::ResetSession();
    torvane::testing::SetEnvironment(u"TORVANE_TEST_VAR", u"");
    torvane::testing::SetEnvironment(u"TORVANE_TEST_POINTER", u"");
    torvane::testing::SetEnvironment(u"LC_ALL", u"");
  }
};

struct Row { std::u16string_view text; std::u16string_view expected; };

void ExpectExpansions(const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    const Outcome expansion = Expand(row.text);
    EXPECT_EQ(expansion.status, 0) << Narrow(row.text);
    EXPECT_EQ(expansion.text, row.expected) << Narrow(row.text);
    EXPECT_EQ(expansion.err, u"") << Narrow(row.text);
  }
}

TEST_F(ExpansionTest, PercentSignsAndPlainText) {
  ExpectExpansions({
      {u"", u""}, {u"100%%", u"100%"},
      {u"%%_answer", u"%_answer"},  // "%%" first, then plain text
      {u"a % b", u"a % b"},         // a lone "%" stays
      {u"50%", u"50%"}, {u"%@", u"%@"},
      {u"%@twice", u"%@twice"},  // no brackets: no call
      {u"%@[x]", u"%@[x]"},
  });
}

TEST_F(ExpansionTest, PluginFunctionsNestAndBalanceBrackets) {
  ExpectExpansions({
      {u"%@twice[ab]", u"abab"},
      {u"%@TWICE[ab]", u"abab"},  // names compare without regard to case
      {u"%@twice[%@twice[x]]", u"xxxx"}, {u"%@twice[a[b]c]", u"a[b]ca[b]c"},
      {u"%@twice[%_answer]", u"4242"},  // arguments are expanded first
      {u"%@twice[%%]", u"%%"},          // results are not expanded again
      {u"%@eval[2*%@twice[3]]", u"66"},
  });
}

TEST_F(ExpansionTest, VariablesOfPluginShellAndEnvironment) {
  ExpectExpansions({
      {u"%_answer", u"42"}, {u"%[_answer]", u"42"},
      {u"%_answer_x", u""},  // the name runs over letters, digits, "_" and "$"
      {u"%TORVANE_TEST_VAR", u"value"},
      {u"%torvane_test_var", u"value"},  // any case when no exact name exists
      {u"%[TORVANE_TEST_VAR]x", u"valuex"}, {u"%TORVANE_TEST_VAR$", u""}, {u"%[%TORVANE_TEST_POINTER]", u"value"},
      {u"<%no_such_variable_anywhere>", u"<>"},
      {u"%1|%9|%10", u"||0"},  // no batch file: parameters are empty
      {u"%_batch|%_batchname|%_batchline|%_transient", u"0||0|0"},
  });
}

TEST_F(ExpansionTest, BatchContextAndSessionFlags) {
  torvane::testing::SetBatchContext(2, u"/tmp/job.btm", 17);
  torvane::testing::SetSessionFlags(true, false);
  ExpectExpansions({
      {u"%_batch %_batchname [%_batchline]", u"2 /tmp/job.btm [17]"}, {u"%[_transient]%[_pipe]", u"10"},
      {u"%0", u"/tmp/job.btm"},
  });
  torvane::testing::SetSessionFlags(false, true);
  ExpectExpansions({{u"%[_transient]%[_pipe]", u"01"}});
  const Outcome cmdspec = Expand(u"%_cmdspec");
  EXPECT_NE(cmdspec.text.find(u"host_tests"), std::u16string::npos) << Narrow(cmdspec.text);
}

TEST_F(ExpansionTest, ShellFunctionIf) {
  ExpectExpansions({
      {u"%@if[plugin testplug,1,0]", u"1"}, {u"%@if[plugin QCAL,1,0]", u"0"},
      {u"%@if[1 == 01,same,different]", u"same"},  // whole numbers compare by value
      {u"%@if[abc == ABC,same,different]", u"same"}, {u"%@if[a != b,yes,no]", u"yes"},
      {u"%@if[%_answer == 42,yes,no]", u"yes"}, {u"%@if[0,yes,no]", u"no"}, {u"%@if[-3,yes,no]", u"yes"},
      {u"%@if[1, padded , no]", u"padded"},
      {u"%@if[1,%@twice[a,b],c]", u"a,ba,b"},  // commas inside a call do not split
      {u"%@if[0,%@fail[],fine]", u"fine"},     // only the chosen value is expanded
  });
}

TEST_F(ExpansionTest, ShellFunctionsCommaPathEval) {
  ExpectExpansions({
      {u"%@comma[0]", u"0"}, {u"%@comma[1000]", u"1,000"}, {u"%@comma[1234567]", u"1,234,567"},
      {u"%@comma[-1234]", u"-1,234"}, {u"%@comma[ 12345 ]", u"12,345"}, {u"%@path[/a/b/c.txt]", u"/a/b/"},
      {u"%@path[c.txt]", u""}, {u"%@path[/]", u"/"}, {u"%@eval[7/2]", u"3"},
  });
}

TEST_F(ExpansionTest, FailuresLeaveTheBufferAndSayWhy) {
  const struct { std::u16string_view text; std::u16string_view err; } rows[] = {
      {u"%@nosuch[1]", u"torvane: Unknown function \"@nosuch\"\r\n"},
      {u"%@missing[1]", u"torvane: Unknown function \"@missing\"\r\n"},  // listed, not exported
      {u"%@twice[abc", u"torvane: Missing \"]\" after \"%@twice[\"\r\n"},
      {u"%[abc", u"torvane: Missing \"]\" after \"%[\"\r\n"}, {u"a%@fail[x]b", u"TESTPLUG: failed\r\n"},
      {u"%@twice[%@fail[]]", u"TESTPLUG: failed\r\n"}, {u"%@nested[%@fail[]]", u"TESTPLUG: failed\r\n"},
      {u"%@if[a,b]", u"torvane: @if takes a condition and two values: \"a,b\"\r\n"},
      {u"%@if[xyz,a,b]", u"torvane: @if: bad condition \"xyz\"\r\n"},
      {u"%@comma[12a]", u"torvane: @comma: not a whole number \"12a\"\r\n"},
      {u"%@eval[1/0]", u"torvane: Division by zero in \"1/0\"\r\n"},
  };
  for (const auto& row : rows) {
    const Outcome expansion = Expand(row.text);
    EXPECT_NE(expansion.status, 0) << Narrow(row.text);
    EXPECT_EQ(expansion.text, row.text);
    EXPECT_EQ(expansion.err, row.err);
  }
}

TEST_F(ExpansionTest, PluginFunctionsMayExpandAgain) {
  ExpectExpansions({
      {u"%@nested[ab]", u"<abab>"}, {u"%@nested[%@nested[x]]", u"<<xx><xx>>"}, {u"[%@nested[%@twice[y]]]", u"[<yyyy>]"},
  });
}

TEST_F(ExpansionTest, OutputIsCutAtTheBufferNeverPastIt) {
  const std::u16string half(5000, u'x');
  std::vector<KChar> buffer(kHostBufferLength + 16, u'#');
  const std::u16string text = u"%@twice[" + half + u"]";
  std::copy(text.begin(), text.end(), buffer.begin());
  buffer[text.size()] = u'\0';
  EXPECT_EQ(ExpandVariables(buffer.data(), 1), 0);
  EXPECT_EQ(std::u16string(buffer.data()), std::u16string(kHostBufferLength - 1, u'x'));
  EXPECT_EQ(buffer[kHostBufferLength], u'#');
}

// The buffer is used to its end: what follows the result is poisoned.
TEST_F(ExpansionTest, TheBufferIsPoisonedAfterTheResult) {
  std::vector<KChar> buffer(kHostBufferLength + 1, u'#');
  contract::CopyText(buffer.data(), buffer.size(), u"%_answer");
  EXPECT_EQ(ExpandVariables(buffer.data(), 1), 0);
  EXPECT_EQ(std::u16string(buffer.data()), u"42");
  EXPECT_EQ(buffer[3], kPoison);
  EXPECT_EQ(buffer[kHostBufferLength - 1], kPoison);
  EXPECT_EQ(buffer[kHostBufferLength], u'#');
}

TEST_F(ExpansionTest, AnUnterminatedBufferIsReadOnlyToItsLength) {
  std::vector<KChar> buffer(kHostBufferLength + 16, u'#');
  std::fill_n(buffer.begin(), kHostBufferLength, u'y');  // no terminator inside
  EXPECT_EQ(ExpandVariables(buffer.data(), 0), 0);
  EXPECT_EQ(std::u16string(buffer.data()), std::u16string(kHostBufferLength - 1, u'y'));
  EXPECT_EQ(buffer[kHostBufferLength], u'#');
}

// At most 128 expansions run within one another: the buffer's and those of
// 127 call arguments, so 128 nested calls work (the innermost argument holds
// no "%" and is taken as it is) and 129 do not.
TEST_F(ExpansionTest, NestingIsBounded) {
  const auto nested = [](int calls) {
    std::u16string text;
    for (int i = 0; i < calls; ++i) text += u"%@twice[";
    return text + u"z" + std::u16string(static_cast<std::size_t>(calls), u']');
  };
  EXPECT_EQ(Expand(nested(128)).status, 0);
  for (const int calls : {129, 300}) {
    const Outcome expansion = Expand(nested(calls));
    EXPECT_NE(expansion.status, 0) << calls;
    EXPECT_TRUE(expansion.err.starts_with(u"torvane: Expansion nested too deeply")) << Narrow(expansion.err);
  }
}

TEST_F(ExpansionTest, TheRecursiveFlagChangesNothing) {
  for (const std::u16string_view text : {u"%@twice[%%]", u"%_answer%%", u"%@nested[q]"}) {
    EXPECT_EQ(Expand(text, 0).text, Expand(text, 1).text);
  }
}

}  // namespace
