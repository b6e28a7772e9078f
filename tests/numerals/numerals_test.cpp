// Roman numerals and ordinals: every number both ways against independent
// writers, the reader's rules, and the two functions through their buffers.
#include "support/kit.h"

#include <cstdint>
#include <optional>

namespace {

// ---- Roman numerals both ways: every number of the range against a greedy
// writer, and the reader's odd but fixed rules.
// Writes a numeral by taking the largest value that still fits, over the
// subtractive pairs; repeated "M" gives the thousands above 3999.
std::u16string GreedyRoman(int number) {
  constexpr struct {
    int value;
    std::u16string_view letters;
  } kSteps[] = {{1000, u"M"}, {900, u"CM"}, {500, u"D"}, {400, u"CD"}, {100, u"C"}, {90, u"XC"}, {50, u"L"},
                {40, u"XL"},  {10, u"X"},   {9, u"IX"},  {5, u"V"},   {4, u"IV"},  {1, u"I"}};
  std::u16string numeral;
  for (const auto& step : kSteps) {
    for (; number >= step.value; number -= step.value) numeral += step.letters;
  }
  return numeral;
}

std::u16string Lowered(std::u16string text) {
  for (KChar& c : text) c = ToLower(c);
  return text;
}

TEST(Roman, EveryNumberToANumeralAndBack) {
  for (int number = 1; number <= kMaxRomanNumber; ++number) {
    const std::u16string numeral = ToRoman(number);
    ASSERT_EQ(numeral, GreedyRoman(number)) << number;
    ASSERT_EQ(FromRoman(numeral), number) << number;
    ASSERT_EQ(FromRoman(Lowered(numeral)), number) << number;
  }
}

TEST(Roman, ReaderRules) {
  const struct { std::u16string numeral; std::optional<int> expected; } kTable[] = {
      {u"mcmxcix", 1999},     {u"MCMXCIX", 1999},       {u"mCmXcIx", 1999},
      {u"IIX", 8},            {u"XM", 990},             {u"IVX", 6},
      {u"MMMMMM", 6000},      {u"IIII", 4},             {u"VV", 10},
      {u"iij", 3},            {u"IIJ", 3},              {u"j", 1},
      {u"xj", 11},            {u"jj", std::nullopt},    {u"ji", std::nullopt},
      {u"IIIIIIIIIIIX", std::nullopt},                  {u"IIIIIIIIIX", 1},
      {u"X1", std::nullopt},  {u"XIZ", std::nullopt},   {u"X I", std::nullopt},
      {u"I", 1},              {u"IM", 999},             {u"VX", 5},
      {u"VVX", std::nullopt}, {u"IIVX", 7},             {u"CCM", 800},
  };
  for (const auto& row : kTable) EXPECT_EQ(FromRoman(row.numeral), row.expected) << Narrow(row.numeral);
}

TEST(Roman, TheLongestArgumentReadsWithoutOverflow) {
  EXPECT_EQ(FromRoman(std::u16string(8192, u'M')), 8192000);
}

// ---- Ordinal suffixes against the English rule, told digit by digit.
// "th" for 11, 12 and 13 and whatever ends in them; otherwise by the last
// digit.
std::u16string_view EnglishSuffix(std::int64_t value) {
  const std::int64_t lastTwo = value % 100;
  if (lastTwo >= 11 && lastTwo <= 13) return u"th";
  switch (value % 10) {
    case 1: return u"st";
    case 2: return u"nd";
    case 3: return u"rd";
    default: return u"th";
  }
}

TEST(OrdinalSuffix, AgreesWithTheEnglishRule) {
  for (std::int64_t value = 0; value <= 100'000; ++value) {
    ASSERT_EQ(OrdinalSuffix(value), EnglishSuffix(value)) << value;
  }
  for (const std::int64_t value : {2147483641LL, 2147483642LL, 2147483643LL, 2147483647LL, 2147483611LL}) {
    EXPECT_EQ(OrdinalSuffix(value), EnglishSuffix(value)) << value;
  }
}

// ---- @roman and @ord through their buffers, @ord with the shell's own Evaluate
// and @comma.
TEST(NumeralFunctions, Roman) {
  ExpectCalls(u"@roman", {{u"  XI  ", u"11"}, {u"", u"! No number"}, {u"0", u"! Number out of range \"0\""},
                          {u"99999999999999999999999", u"! Number out of range \"99999999999999999999999\""},
                          {u"5.0", u"! Invalid number \"5.0\""}, {u"1 2", u"! Invalid number \"1 2\""},
                          {u"jj", u"! Bad Roman numeral \"jj\""},
                          {u"IIIIIIIIIIIX", u"! Bad Roman numeral \"IIIIIIIIIIIX\""}, {u"X, I", u"10"},
                          {u"\"X, I\"", u"! Bad Roman numeral \"X, I\""}, {u"%s%n", u"! Invalid number \"%s%n\""}});
}

TEST(NumeralFunctions, Ord) {
  ExpectCalls(u"@ord", {{u"112", u"112th"}, {u"122", u"122nd"}, {u"2147483647", u"2,147,483,647th"},
                        {u"", u"! No expression"}, {u"0-2147483648", u"! Number must be nonnegative \"-2147483648\""},
                        {u"2147483648", u"! Invalid number \"2147483648\""},
                        {u"0-2147483649", u"! Invalid number \"-2147483649\""}});
}

// The shell reports a bad expression itself; @ord adds no message of its own.
TEST(NumeralFunctions, OrdLeavesABadExpressionToTheShell) {
  const FunctionOutcome outcome = CallFunction(OrdFunction, u"1/0");
  EXPECT_EQ(outcome.status, kEvaluateFailedResult);
  EXPECT_EQ(outcome.err.find(u"KALENDRA plugin"), std::u16string::npos) << Narrow(outcome.err);
}

}  // namespace
