// Today and the internal variables that report it, under a frozen clock.
#include "support/kit.h"

#include "calendar/today.h"

namespace {

using TodayTest = KalendraTest;

// Today is read again at the next local midnight, in a zone an hour east
// (with an hour's saving in summer), and at once when the zone changes.
TEST_F(TodayTest, MidnightAndAChangeOfZoneAreSeenOnTheNextCall) {
  fake::SetZone({60, 60});
  fake::SetUtcNow({2015, 3, 7, 22, 59, 58, 0});
  fake::SetNow({2015, 3, 7, 23, 59, 58, 0});
  EXPECT_EQ(Today(), (CalendarDate{2015, 3, 7}));
  fake::AdvanceClocks(1);  // 23:59:59
  EXPECT_EQ(Today(), (CalendarDate{2015, 3, 7}));
  fake::AdvanceClocks(1);  // midnight
  EXPECT_EQ(Today(), (CalendarDate{2015, 3, 8}));
  fake::SetNow({2015, 3, 7, 23, 0, 0, 0});  // the zone moved an hour west
  EXPECT_EQ(Today(), (CalendarDate{2015, 3, 7}));
  // In summer the day ends at 22:00 UTC.
  fake::SetUtcNow({2015, 7, 1, 21, 59, 59, 0});
  fake::SetNow({2015, 7, 1, 23, 59, 59, 0});
  EXPECT_EQ(Today(), (CalendarDate{2015, 7, 1}));
  fake::AdvanceClocks(1);
  EXPECT_EQ(Today(), (CalendarDate{2015, 7, 2}));
}

TEST_F(TodayTest, IsAfterTodayComparesYearThenMonthThenDay) {
  fake::SetNow({2015, 6, 15, 12, 0, 0, 0});
  const struct { CalendarDate date; bool after; } kTable[] = {
      {{2015, 6, 15}, false}, {{2015, 6, 16}, true},  {{2015, 6, 14}, false}, {{2015, 7, 1}, true},
      {{2015, 5, 31}, false}, {{2016, 1, 1}, true},   {{2014, 12, 31}, false}, {{2014, 7, 16}, false},
      {{2016, 5, 14}, true},  {{9999, 12, 31}, true}, {{1601, 1, 1}, false},
  };
  for (const auto& row : kTable) {
    EXPECT_EQ(IsAfterToday(row.date), row.after) << row.date.year << "-" << row.date.month << "-" << row.date.day;
  }
}

struct VariableRow {
  platform::SystemDateTime now;
  const char16_t* isoWeekYear;
  const char16_t* isoWeek;
  const char16_t* isoWeekday;
  const char16_t* t4;
};

TEST_F(TodayTest, WeekVariablesAndTheTime) {
  const VariableRow kTable[] = {
      {{2015, 3, 7, 13, 45, 30, 0}, u"2015", u"10", u"6", u"1345"},
      {{2008, 12, 29, 0, 0, 0, 0}, u"2009", u"1", u"1", u"0000"},
      {{2010, 1, 3, 23, 59, 59, 999}, u"2009", u"53", u"7", u"2359"},
      {{2016, 12, 31, 9, 5, 0, 0}, u"2016", u"52", u"6", u"0905"},
      {{9999, 12, 31, 12, 0, 0, 0}, u"9999", u"52", u"5", u"1200"},
  };
  for (const VariableRow& row : kTable) {
    fake::SetNow(row.now);
    SCOPED_TRACE(testing::Message() << row.now.year << "-" << row.now.month << "-" << row.now.day);
    EXPECT_EQ(CallFunction(IsoWeekYearVariable, u"").result, row.isoWeekYear);
    EXPECT_EQ(CallFunction(IsoWeekVariable, u"").result, row.isoWeek);
    EXPECT_EQ(CallFunction(IsoWeekdayVariable, u"").result, row.isoWeekday);
    const FunctionOutcome t4 = CallFunction(TimeT4Variable, u"");
    EXPECT_EQ(t4.result, row.t4);
    EXPECT_EQ(t4.status, 0);
    EXPECT_TRUE(t4.out.empty() && t4.err.empty());
  }
}

}  // namespace
