// The rule list: what is added and refused, "/H" lists split outside
// brackets, and the guard that holds the list still while it is walked.
#include "support/kit.h"

#include <algorithm>
#include <iterator>

namespace {

std::vector<std::u16string> Rules() {
  HolidayListWalk walk;
  return {walk.begin(), walk.end()};
}

using RuleListTest = KalendraTest;

TEST_F(RuleListTest, AddsCopiesNewestFirstAndRefusesEmptyOrOverlongTexts) {
  std::u16string rule = u"*-12-25";
  EXPECT_EQ(AddHolidayRule(rule), kRuleAdded);
  rule[2] = u'X';  // the list holds its own copy
  EXPECT_EQ(AddHolidayRule(u"*-01-01"), kRuleAdded);
  EXPECT_EQ(AddHolidayRule(u""), kRuleMissing);
  EXPECT_EQ(AddHolidayRule(std::u16string(kMaxRuleLength + 1, u'1')), kRuleMissing);
  EXPECT_EQ(AddHolidayRule(std::u16string(kMaxRuleLength, u'1')), kRuleAdded);
  const std::vector<std::u16string> rules = Rules();
  ASSERT_EQ(rules.size(), 3u);
  EXPECT_EQ(rules[1], u"*-01-01");
  EXPECT_EQ(rules[2], u"*-12-25");
}

TEST_F(RuleListTest, DefaultRulesAreAddedInTableOrderAndFreed) {
  LoadDefaultHolidays();
  const std::vector<std::u16string> rules = Rules();
  EXPECT_EQ(rules.front(), u"*-12-31");  // added last
  EXPECT_EQ(rules.back(), u"*-01-01");   // added first
  FreeHolidayRules();
  EXPECT_TRUE(Rules().empty());
}

struct OptionRow {
  std::u16string option;
  std::vector<std::u16string> expected;  // in the order given
};

TEST_F(RuleListTest, HolidayOptionListsSplitOutsideBrackets) {
  const OptionRow kTable[] = {
      {u"/H", {}}, {u"/H:", {}}, {u"/H=*-12-26", {u"*-12-26"}}, {u"/H:*-12-26;*-12-24", {u"*-12-26", u"*-12-24"}},
      {u"/H*-12-26,,;*-01-02", {u"*-12-26", u"*-01-02"}},
      {u"/H:%@holiday[1,1,9],%@easter[,1]", {u"%@holiday[1,1,9]", u"%@easter[,1]"}},
      {u"/H:%@if[1;2,a,b];x", {u"%@if[1;2,a,b]", u"x"}},
      {u"/H: *-12-26 , x", {u" *-12-26 ", u" x"}},  // white space is kept
      {u"/H:a]b,c", {u"a]b", u"c"}},                 // a stray "]" does not go below depth 0
      {u"/H::x", {u":x"}},
  };
  for (const OptionRow& row : kTable) {
    FreeHolidayRules();
    EXPECT_EQ(AddHolidayRules(row.option), 0);
    std::vector<std::u16string> rules = Rules();
    std::reverse(rules.begin(), rules.end());
    EXPECT_EQ(rules, row.expected) << Narrow(row.option);
  }
}

TEST_F(RuleListTest, NothingChangesTheListWhileItIsWalked) {
  LoadDefaultHolidays();
  {
    HolidayListWalk walk;
    EXPECT_TRUE(HolidayListInUse());
    EXPECT_EQ(AddHolidayRule(u"*-12-26"), kRuleListBusy);
    AddHolidayRules(u"/H:*-12-26");
    LoadDefaultHolidays();
    FreeHolidayRules();
    HolidayListWalk nested;
    EXPECT_EQ(std::distance(nested.begin(), nested.end()), 23);
  }
  EXPECT_FALSE(HolidayListInUse());
  EXPECT_EQ(Rules().size(), 23u);
  EXPECT_EQ(AddHolidayRule(u"*-12-26"), kRuleAdded);
}

}  // namespace
