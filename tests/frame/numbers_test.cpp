// ParseNumber and the digit reader under it.
#include "frame/numbers.h"

#include <gtest/gtest.h>

#include <string>

#include "support/text_printing.h"

namespace kalendra {
namespace {

TEST(ParseNumber, DigitsOnly) {
  const struct {
    std::u16string text;
    std::int32_t expected;
  } kTable[] = {
      {u"0", 0},           {u"7", 7},          {u"0042", 42},   {u"2147483647", 2147483647},
      {u"2147483648", kMaxNumber},             {u"99999999999999999999", kMaxNumber},
      {u"", -1},           {u"+1", -1},        {u"-1", -1},     {u" 1", -1},
      {u"1 ", -1},         {u"12a", -1},       {u"a12", -1},    {u"1.5", -1},
  };
  for (const auto& row : kTable) {
    EXPECT_EQ(ParseNumber(row.text), row.expected) << test::Narrow(row.text);
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

}  // namespace
}  // namespace kalendra
