// @roman and @ord through their buffers, @ord with the shell's own Evaluate
// and @comma.
#include "support/kit.h"

namespace {

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
