// @roman and @ord through their buffers, @ord with the shell's own Evaluate
// and @comma.
#include <gtest/gtest.h>

#include "numerals/ordinal.h"
#include "numerals/roman.h"
#include "support/function_call.h"

namespace kalendra {
namespace {

using test::ExpectRows;

TEST(NumeralFunctions, Roman) {
  ExpectRows({
      {"@roman", RomanFunction, u"  XI  ", u"11"},
      {"@roman", RomanFunction, u"", u"! No number"},
      {"@roman", RomanFunction, u"0", u"! Number out of range \"0\""},
      {"@roman", RomanFunction, u"99999999999999999999999", u"! Number out of range \"99999999999999999999999\""},
      {"@roman", RomanFunction, u"5.0", u"! Invalid number \"5.0\""},
      {"@roman", RomanFunction, u"1 2", u"! Invalid number \"1 2\""},
      {"@roman", RomanFunction, u"jj", u"! Bad Roman numeral \"jj\""},
      {"@roman", RomanFunction, u"IIIIIIIIIIIX", u"! Bad Roman numeral \"IIIIIIIIIIIX\""},
      {"@roman", RomanFunction, u"X, I", u"10"},
      {"@roman", RomanFunction, u"\"X, I\"", u"! Bad Roman numeral \"X, I\""},
      {"@roman", RomanFunction, u"%s%n", u"! Invalid number \"%s%n\""},
  });
}

TEST(NumeralFunctions, Ord) {
  ExpectRows({
      {"@ord", OrdFunction, u"112", u"112th"},
      {"@ord", OrdFunction, u"122", u"122nd"},
      {"@ord", OrdFunction, u"2147483647", u"2,147,483,647th"},
      {"@ord", OrdFunction, u"", u"! No expression"},
      {"@ord", OrdFunction, u"0-2147483648", u"! Number must be nonnegative \"-2147483648\""},
      {"@ord", OrdFunction, u"2147483648", u"! Invalid number \"2147483648\""},
      {"@ord", OrdFunction, u"0-2147483649", u"! Invalid number \"-2147483649\""},
  });
}

// The shell reports a bad expression itself; @ord adds no message of its own.
TEST(NumeralFunctions, OrdLeavesABadExpressionToTheShell) {
  const test::FunctionOutcome outcome = test::CallFunction(OrdFunction, u"1/0");
  EXPECT_EQ(outcome.status, kEvaluateFailedResult);
  EXPECT_EQ(outcome.err.find(u"KALENDRA plugin"), std::u16string::npos) << test::Narrow(outcome.err);
}

}  // namespace
}  // namespace kalendra
