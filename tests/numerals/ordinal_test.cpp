// Ordinal suffixes against the English rule, told digit by digit.
#include "support/kit.h"

#include <cstdint>

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

}  // namespace
