// ParseNumber, the signed-number readers and the digit reader under them.
#include "support/kit.h"

#include <optional>

#include "frame/numbers.h"

namespace {

TEST(ParseNumber, DigitsOnly) {
  const struct { std::u16string text; std::int32_t expected; } kTable[] = {
      {u"0", 0},           {u"7", 7},          {u"0042", 42},   {u"2147483647", 2147483647},
      {u"2147483648", kMaxNumber},             {u"99999999999999999999", kMaxNumber},
      {u"", -1},           {u"+1", -1},        {u"-1", -1},     {u" 1", -1},
      {u"1 ", -1},         {u"12a", -1},       {u"a12", -1},    {u"1.5", -1},
  };
  for (const auto& row : kTable) {
    EXPECT_EQ(ParseNumber(row.text), row.expected) << Narrow(row.text);
  }
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
  for (const auto& row : kTable) {
    EXPECT_EQ(ParseSignedNumber(row.text), row.expected) << Narrow(row.text);
  }
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

}  // namespace
