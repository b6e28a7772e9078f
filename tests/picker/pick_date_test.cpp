// @pickdate over the fake's scripted dialog: the defaults, the offsets, the
// moves off masked days, and the results of OK, Cancel and a dialog that
// fails, and every message in the order of the checks. The fake clock says
// today is Saturday 2015-03-07.
#include "support/kit.h"

#include "picker/fake/picker_script.h"

namespace {

// The plug-in's names are registered so that the built-in rules mark.
using PickDateTest = KalendraTest;

TEST_F(PickDateTest, ArgumentsDefaultsAndMessages) {
  const struct { std::u16string_view text; std::vector<int> commands; std::u16string_view expected; } rows[] = {
      {u"", {}, u"03/07/2015"}, {u"\"Pick, please\",2015-12-25,4", {}, u"2015-12-25"},
      {u"Pick a day,2015-12-25,4", {}, u"2015-12-25"}, {u",25.12.2015,2,,,,,,", {}, u"25/12/15"},
      // Offsets count from the initial date, or from today.
      {u",2015-12-25,4,+0,+30", {kKeyCtrlEnd}, u"2016-01-24"}, {u",,4,+0,+30", {kKeyCtrlEnd}, u"2015-04-06"},
      {u",,4,-5x,+5", {kKeyCtrlHome}, u"2015-03-02"},
      {u",,4,,+99999999999999999999", {}, u"! Invalid maximum date \"+99999999999999999999\" (offset)"},
      // A masked initial date moves: to the nearer day, the earlier on a tie,
      // or as flag 16 or 32 says, within the range.
      {u",2015-12-26,4,,,8", {}, u"2015-12-25"}, {u",2015-12-26,4,,,40", {}, u"2015-12-28"},
      {u",2015-12-26,4,,,56", {}, u"2015-12-25"},
      {u",2015-12-26,4,,,,,Sat", {}, u"2015-12-25"},  // a true tie: Friday and Sunday
      {u",2015-12-27,4,,,24", {}, u"2015-12-25"}, {u",2015-12-27,4,,,8", {}, u"2015-12-28"},
      {u",2015-12-26,4,2015-12-26,2015-12-31,8", {}, u"2015-12-28"},
      {u",2015-12-27,4,2015-12-21,2015-12-27,,,Sat-Sun", {}, u"2015-12-25"},
      // Without an initial date a range beside today opens on its nearer end.
      {u",,4,2016-01-01", {}, u"2016-01-01"}, {u",,4,,2015-01-01", {}, u"2015-01-01"},
      {u",,20,2015-03-09,2015-03-08", {}, u"! Invalid date range 03/09/2015 - 03/08/2015"},
      // Flag 4 keeps the range within 1980..2099.
      {u",1985-06-01,4,1900-01-01,2200-01-01,4", {kKeyCtrlHome}, u"1980-01-01"},
      {u",1985-06-01,4,1900-01-01,2200-01-01,4", {kKeyCtrlEnd}, u"2099-12-31"},
      {u",1980-12-01,4,1980-06-01,2099-06-30,4", {kKeyCtrlHome}, u"1980-06-01"},  // within: kept
      {u",1980-12-01,4,1980-06-01,2099-06-30,4", {kKeyCtrlEnd}, u"2099-06-30"},
      {u",,,,,,,,600", {kPickerCancel}, u"*CANCEL*"},
      // Every message, in the order of the checks.
      {u",x,4,z,w,v,u,Sun-Sat,s", {}, u"! Invalid days-of-the-week mask \"Sun-Sat\""},
      {u",x,4,z,w,v,u,,s", {}, u"! Invalid flags \"v\""}, {u",x,4,z,w,0,u,,s", {}, u"! Invalid initial date \"x\""},
      {u",1601-01-01,4,-1", {}, u"! Invalid minimum date \"-1\" (offset)"},
      {u",2015-01-01,4,z", {}, u"! Invalid minimum date \"z\""},
      {u",9999-12-31,4,,+1", {}, u"! Invalid maximum date \"+1\" (offset)"},
      {u",2015-01-01,4,,w", {}, u"! Invalid maximum date \"w\""},
      {u",2015-01-01,4,,,,u", {}, u"! Invalid left-column day value \"u\""},
      {u",2015-01-01,4,,,,,,601", {}, u"! Invalid timeout \"601\""},
      {u",,4,2015-03-09,2015-03-08", {}, u"! Invalid date range 2015-03-09 - 2015-03-08"},
      {u",2015-03-01,4,2015-03-02,2015-03-31", {}, u"! Date 2015-03-01 not in range 2015-03-02 - 2015-03-31"},
      {u",2015-12-27,4,2015-12-27,2015-12-27,8", {}, u"! No unmasked days in range 2015-12-27 - 2015-12-27"},
  };
  for (const auto& row : rows) {
    fake::SetPickerScript(row.commands);
    EXPECT_EQ(Call(u"@pickdate", row.text), Expected(row.expected)) << Narrow(row.text);
  }
}

TEST_F(PickDateTest, TheDialogOpensOnTheStateTheArgumentsSettle) {
  ASSERT_EQ(Call(u"@pickdate", u",2015-12-11,4,,,,Mon,,30").status, 0);
  EXPECT_EQ(fake::OpenedPicker().firstWeekday, kMonday);
  EXPECT_EQ(fake::OpenedPicker().timeout, 30u);
  EXPECT_TRUE(fake::OpenedPicker().countdownActive);
  EXPECT_EQ(fake::OpenedPicker().displayed, (CalendarDate{2015, 12, 1}));
  EXPECT_EQ(fake::OpenedPicker().initial, (CalendarDate{2015, 12, 11}));
  // The built-in rules mark Christmas unless flag 128 asks for no marks.
  EXPECT_NE(fake::OpenedPicker().cells[24 + 1] & kCellHoliday, 0u);  // December 2015 starts on a Tuesday
  ASSERT_EQ(Call(u"@pickdate", u",2015-12-11,4,,,128").status, 0);
  EXPECT_EQ(fake::OpenedPicker().cells[24 + 2] & kCellHoliday, 0u);
  EXPECT_FALSE(fake::OpenedPicker().countdownActive);
}

TEST_F(PickDateTest, ADialogThatFailsGivesItsCodeAndNoMessage) {
  fake::SetPickerScript({}, -103);
  const FunctionOutcome outcome = Call(u"@pickdate", u"");
  EXPECT_EQ(outcome.status, -1);
  EXPECT_EQ(outcome.err, u"");
  std::array<KChar, kHostBufferLength> buffer{};
  EXPECT_EQ(PickDateFunction(buffer.data()), -1);
  EXPECT_EQ(std::u16string(buffer.data()), u"Dialog error -103");
}

}  // namespace
