// Year prefixes: every form, the years each one admits, and the malformed
// ones, which are left in the text.
#include "support/kit.h"

#include "holidays/year_prefix.h"

namespace {

struct PrefixRow {
  std::u16string text;
  int year;
  int expected;
  std::u16string rest;  // the text afterwards
};

TEST(ApplyYearPrefix, FormsResultsAndRemainingText) {
  const PrefixRow kTable[] = {
      {u"*-01-01", 2016, kRuleHoldsThisYear, u"*-01-01"}, {u"(1971)x", 1971, kRuleHoldsThisYear, u"x"},
      {u"(1971)x", 1970, kRuleNotThisYear, u"x"}, {u"(-1970)x", 1970, kRuleHoldsThisYear, u"x"},
      {u"(1880-1970)x", 1880, kRuleHoldsThisYear, u"x"}, {u"(1880-1970)x", 1971, kRuleNotThisYear, u"x"},
      {u"(2000-)x", 9999, kRuleHoldsThisYear, u"x"}, {u"(1848?2)x", 2016, kRuleHoldsThisYear, u"x"},
      {u"(1848?2)x", 1846, kRuleNotThisYear, u"x"}, {u"(?4=1)x", 2017, kRuleHoldsThisYear, u"x"},
      {u"(1999?4=3)x", 2003, kRuleHoldsThisYear, u"x"}, {u"(2000-?2)x", 2002, kRuleHoldsThisYear, u"x"},
      {u"(?1)x", 2015, kRuleHoldsThisYear, u"x"}, {u"(?100=99)x", 2099, kRuleHoldsThisYear, u"x"},
      {u"()x", 1601, kRuleHoldsThisYear, u"x"}, {u"(1601-9999)x", 9999, kRuleHoldsThisYear, u"x"},
      {u"(1900)  \t x y", 1900, kRuleHoldsThisYear, u"x y"}, {u"(1900)(-1950)(?2)x", 1920, kRuleHoldsThisYear, u"x"},
      {u"(1900)(-1950)(?2)x", 1960, kRuleNotThisYear, u"(?2)x"},  // stops at the prefix that fails
      {u"(1900)(-1950)x", 1960, kRuleNotThisYear, u"x"}, {u"(1950-1960)(2000)x", 2001, kRuleNotThisYear, u"(2000)x"},
      {u"(?3=1)(2000)x", 2002, kRuleHoldsThisYear, u"x"},  // a later prefix keeps the cycle
      // A range with a cycle: the years of the range whose remainder is the
      // one named (1990, 1994, ..., 2010 leave 2 divided by 4).
      {u"(1990-2010?4=2)x", 1989, kRuleNotThisYear, u"x"}, {u"(1990-2010?4=2)x", 1990, kRuleHoldsThisYear, u"x"},
      {u"(1990-2010?4=2)x", 1991, kRuleNotThisYear, u"x"}, {u"(1990-2010?4=2)x", 2000, kRuleNotThisYear, u"x"},
      {u"(1990-2010?4=2)x", 2010, kRuleHoldsThisYear, u"x"}, {u"(1990-2010?4=2)x", 2014, kRuleNotThisYear, u"x"},
      {u"(1990-2010?7=0)x", 2002, kRuleHoldsThisYear, u"x"},  // 2002 = 7 * 286
      {u"(1990-2010?7=0)x", 2003, kRuleNotThisYear, u"x"}, {u"(1990-2010?1)x", 2010, kRuleHoldsThisYear, u"x"},
      {u"(1990-2010?1)x", 2011, kRuleNotThisYear, u"x"},
      // Malformed: the prefix stays where it is.
      {u"(1500)x", 2016, kMalformedPrefix, u"(1500)x"}, {u"(2000-2010x)y", 2005, kMalformedPrefix, u"(2000-2010x)y"},
      {u"( 2000)x", 2005, kMalformedPrefix, u"( 2000)x"}, {u"(2000-x)y", 2005, kMalformedPrefix, u"(2000-x)y"},
      {u"(2000-1500)x", 2005, kMalformedPrefix, u"(2000-1500)x"}, {u"(?0)x", 2005, kMalformedPrefix, u"(?0)x"},
      {u"(?101)x", 2020, kMalformedPrefix, u"(?101)x"},  // the cycle is 1 to 100
      {u"(?)x", 2005, kMalformedPrefix, u"(?)x"}, {u"(?4=4)x", 2005, kMalformedPrefix, u"(?4=4)x"},
      {u"(2000", 2005, kMalformedPrefix, u"(2000"}, {u"(", 2005, kMalformedPrefix, u"("},
      {u"(99999999999)x", 2005, kMalformedPrefix, u"(99999999999)x"},
      {u"(1900)(1500)x", 2005, kMalformedPrefix, u"(1500)x"},
  };
  for (const PrefixRow& row : kTable) {
    std::u16string text = row.text;
    EXPECT_EQ(ApplyYearPrefix(text, row.year), row.expected) << Narrow(row.text) << " in " << row.year;
    EXPECT_EQ(text, row.rest) << Narrow(row.text) << " in " << row.year;
  }
}

}  // namespace
