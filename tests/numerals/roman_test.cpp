// Roman numerals both ways: every number of the range against a greedy
// writer, and the reader's odd but fixed rules.
#include "support/kit.h"

#include <optional>

namespace {

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
  for (const auto& row : kTable) {
    EXPECT_EQ(FromRoman(row.numeral), row.expected) << Narrow(row.numeral);
  }
}

TEST(Roman, TheLongestArgumentReadsWithoutOverflow) {
  EXPECT_EQ(FromRoman(std::u16string(8192, u'M')), 8192000);
}

}  // namespace
