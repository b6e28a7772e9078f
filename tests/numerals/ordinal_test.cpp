// Ordinal suffixes against the English rule, told digit by digit.
#include "numerals/ordinal.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

namespace kalendra {
namespace {

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

TEST(OrdinalSuffix, FixedPoints) {
  const struct {
    std::int64_t value;
    std::u16string_view suffix;
  } kTable[] = {{0, u"th"},   {1, u"st"},   {2, u"nd"},   {3, u"rd"},   {4, u"th"},    {11, u"th"},
                {12, u"th"},  {13, u"th"},  {21, u"st"},  {22, u"nd"},  {23, u"rd"},   {101, u"st"},
                {111, u"th"}, {112, u"th"}, {122, u"nd"}, {1001, u"st"}, {1013, u"th"}};
  for (const auto& row : kTable) EXPECT_EQ(OrdinalSuffix(row.value), row.suffix) << row.value;
}

}  // namespace
}  // namespace kalendra
