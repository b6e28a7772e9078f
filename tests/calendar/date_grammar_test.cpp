// ParseDate: every form, under every order and LONGYEARS mode, with the
// failures of each form; the reading order. That every written date reads
// back is the round trip's business.
#include "support/kit.h"

#include <optional>

#include "calendar/today.h"

namespace {

using Expected = std::optional<CalendarDate>;
constexpr Expected kFails = std::nullopt;

constexpr LongYearsMode kAllModes[] = {LongYearsMode::kOff, LongYearsMode::kOn, LongYearsMode::kStrict};

class ParseDateTest : public KalendraTest {
 protected:
  // Parses and checks that a failure leaves the output untouched.
  static Expected Parse(std::u16string_view text, DateFormat format) {
    constexpr CalendarDate kUntouched{1234, 5, 6};
    CalendarDate date = kUntouched;
    const int result = ParseDate(text, date, format);
    if (result == 0) return date;
    EXPECT_EQ(result, -1) << ToUtf8(text);
    EXPECT_EQ(date, kUntouched) << ToUtf8(text);
    return std::nullopt;
  }
};

// Forms whose reading no order and no mode changes: ISO dates, day counts
// and offsets from today (the fake today is 2015-03-07, day 151276).
struct FixedRow { std::u16string text; Expected expected; };

const FixedRow kOrderFreeTable[] = {
    // ISO calendar dates, extended with any separators, and basic.
    {u"2015-12-25", CalendarDate{2015, 12, 25}}, {u"2015.12-25", CalendarDate{2015, 12, 25}},
    {u"20151225", CalendarDate{2015, 12, 25}}, {u"20151225T1200", CalendarDate{2015, 12, 25}},
    {u"16010101", CalendarDate{1601, 1, 1}}, {u"99991231", CalendarDate{9999, 12, 31}},
    {u"2016-2-29", CalendarDate{2016, 2, 29}}, {u"2015-02-29", kFails}, {u"2015-12-00", kFails}, {u"16001231", kFails},
    {u"2015-12-25T12", kFails},  // only the basic form may be followed by more
    {u" 2015-12-25", kFails}, {u"2015-12-", kFails},
    // Week dates.
    {u"2015-W01-1", CalendarDate{2014, 12, 29}}, {u"2015-w01-1", CalendarDate{2014, 12, 29}},
    {u"2009-W53-7", CalendarDate{2010, 1, 3}}, {u"1601-W01-1", CalendarDate{1601, 1, 1}},
    {u"9999-W52-5", CalendarDate{9999, 12, 31}}, {u"9999-W52-6", kFails}, {u"2016-W53-1", kFails},
    {u"2015-W00-1", kFails}, {u"2015-W01-0", kFails}, {u"2015-W01-8", kFails}, {u"2015-W01", kFails},
    {u"2015-W01-1x", kFails}, {u"2015W011", kFails}, {u"1600-W52-1", kFails},
    // Ordinal dates.
    {u"2016-366", CalendarDate{2016, 12, 31}}, {u"2015-366", kFails}, {u"2016-060", CalendarDate{2016, 2, 29}},
    {u"2015-12", CalendarDate{2015, 1, 12}}, {u"2015-000", kFails}, {u"2015-367", kFails}, {u"2015-060x", kFails},
    // Day counts from the three origins.
    {u"0", CalendarDate{1980, 1, 1}}, {u"D0", CalendarDate{1980, 1, 1}}, {u"-1", CalendarDate{1979, 12, 31}},
    {u"-138426", CalendarDate{1601, 1, 1}}, {u"2929244", CalendarDate{9999, 12, 31}}, {u"-138427", kFails},
    {u"2929245", kFails}, {u"D99999999999", kFails}, {u"A1", CalendarDate{1601, 1, 1}},
    {u"A3067671", CalendarDate{9999, 12, 31}}, {u"A3067672", kFails}, {u"A0", kFails},
    {u"U0", CalendarDate{1970, 1, 1}}, {u"u+0", CalendarDate{1970, 1, 1}}, {u"U-134774", CalendarDate{1601, 1, 1}},
    {u"U-134775", kFails}, {u"D", kFails}, {u"D+-1", kFails}, {u"D1x", kFails},
    // Today and offsets from it.
    {u"t", CalendarDate{2015, 3, 7}}, {u"today", CalendarDate{2015, 3, 7}}, {u"T+1", CalendarDate{2015, 3, 8}},
    {u"t-1", CalendarDate{2015, 3, 6}}, {u"T-151275", CalendarDate{1601, 1, 1}},
    {u"T+2916395", CalendarDate{9999, 12, 31}}, {u"T-151276", kFails}, {u"T+2916396", kFails},
    {u"T+99999999999", kFails}, {u"999999999999999999999999999999", kFails}, {u"T+1x", kFails}, {u"T1", kFails},
    {u"today1", kFails},
    // Not dates.
    {u"", kFails}, {u"+", kFails}, {u"Mar 7 2015", kFails}, {u"x2015-12-25", kFails},
};

TEST_F(ParseDateTest, OrderFreeFormsReadAlikeUnderEveryOrderAndMode) {
  for (const LongYearsMode mode : kAllModes) {
    SetLongYearsMode(mode);
    for (DateFormat order = 0; order <= 4; ++order) {
      for (const FixedRow& row : kOrderFreeTable) {
        EXPECT_EQ(Parse(row.text, order), row.expected)
            << ToUtf8(row.text) << " order " << order << " mode " << ModeName(mode);
      }
    }
  }
}

// Local dates, whose reading depends on the order and on STRICT.
struct LocalRow {
  std::u16string text;
  DateFormat order;
  Expected offOrOn;  // LONGYEARS OFF and ON read alike
  Expected strict;
};

const LocalRow kLocalTable[] = {
    // Two-digit years: 0..79 are 2000..2079, 80..99 are 1980..1999.
    {u"12/25/15", 1, CalendarDate{2015, 12, 25}, kFails}, {u"12/25/15", 2, kFails, kFails},
    {u"25/12/15", 2, CalendarDate{2015, 12, 25}, kFails}, {u"25/12/15", 1, kFails, kFails},
    {u"15/12/25", 3, CalendarDate{2015, 12, 25}, kFails}, {u"15/12/25", 4, CalendarDate{2015, 12, 25}, kFails},
    {u"1/2/79", 1, CalendarDate{2079, 1, 2}, kFails}, {u"1/2/80", 1, CalendarDate{1980, 1, 2}, kFails},
    {u"1/2/100", 1, kFails, kFails}, {u"1/2/1980", 1, CalendarDate{1980, 1, 2}, CalendarDate{1980, 1, 2}},
    {u"1/2/1980", 2, CalendarDate{1980, 2, 1}, CalendarDate{1980, 2, 1}},
    {u"99/12/31", 3, CalendarDate{1999, 12, 31}, kFails},
    // Four-digit years in every order, separators in any mix.
    {u"12/25/2015", 1, CalendarDate{2015, 12, 25}, CalendarDate{2015, 12, 25}},
    {u"25.12.2015", 2, CalendarDate{2015, 12, 25}, CalendarDate{2015, 12, 25}},
    {u"2/29/2016", 1, CalendarDate{2016, 2, 29}, CalendarDate{2016, 2, 29}}, {u"2/29/2015", 1, kFails, kFails},
    {u"2/29/16", 1, CalendarDate{2016, 2, 29}, kFails},
    {u"12/31/9999", 1, CalendarDate{9999, 12, 31}, CalendarDate{9999, 12, 31}}, {u"1/1/1600", 1, kFails, kFails},
    {u"0/1/2015", 1, kFails, kFails}, {u"4/31/2015", 1, kFails, kFails}, {u"12/25/2015x", 1, kFails, kFails},
    // A leading year 1601..9999 wins over the order.
    {u"2015/12/25", 2, CalendarDate{2015, 12, 25}, CalendarDate{2015, 12, 25}}, {u"2015/25/12", 2, kFails, kFails},
    // Without a year: this year (the fake today's 2015), month first unless
    // the order is day-month-year.
    {u"12/25", 1, CalendarDate{2015, 12, 25}, kFails}, {u"25/12", 2, CalendarDate{2015, 12, 25}, kFails},
    {u"12/25", 2, kFails, kFails}, {u"2/29", 1, kFails, kFails}, {u"12/25x", 1, kFails, kFails},
    // An order outside 1..4 in the word means the locale's (here 1); the
    // higher bits are ignored.
    {u"12/25/15", 0, CalendarDate{2015, 12, 25}, kFails}, {u"25/12/15", 258, CalendarDate{2015, 12, 25}, kFails},
};

TEST_F(ParseDateTest, LocalDatesFollowTheOrderAndStrictYears) {
  for (const LongYearsMode mode : kAllModes) {
    SetLongYearsMode(mode);
    for (const LocalRow& row : kLocalTable) {
      const Expected& expected = mode == LongYearsMode::kStrict ? row.strict : row.offOrOn;
      EXPECT_EQ(Parse(row.text, row.order), expected)
          << ToUtf8(row.text) << " order " << row.order << " mode " << ModeName(mode);
    }
  }
}

TEST_F(ParseDateTest, TheLocaleOrderDecidesWhenTheWordDoesNot) {
  const struct { int localeOrder; std::u16string text; Expected expected; } kTable[] = {
      {1, u"03/07/15", CalendarDate{2015, 3, 7}}, {2, u"03/07/15", CalendarDate{2015, 7, 3}},
      {3, u"03/07/15", CalendarDate{2003, 7, 15}}, {2, u"7/3", CalendarDate{2015, 3, 7}},
      {3, u"7/3", CalendarDate{2015, 7, 3}},
  };
  for (const auto& row : kTable) {
    UseLocaleOrder(row.localeOrder);
    EXPECT_EQ(Parse(row.text, 0), row.expected) << ToUtf8(row.text) << " locale order " << row.localeOrder;
  }
}

TEST_F(ParseDateTest, HolidayYearReadsIsoOrderInThatYear) {
  SetHolidayYear(2020);
  const FixedRow kTable[] = {
      {u"12/25", CalendarDate{2020, 12, 25}}, {u"2/29", CalendarDate{2020, 2, 29}},
      {u"2021-12-25", CalendarDate{2021, 12, 25}}, {u"20/12/25", CalendarDate{2020, 12, 25}},
      {u"12/25/15", kFails},  // read as year 2012, month 25
  };
  for (const LongYearsMode mode : kAllModes) {
    SetLongYearsMode(mode);
    for (const FixedRow& row : kTable) {
      const bool twoDigitYear = row.text == u"20/12/25";
      const Expected expected = (twoDigitYear && mode == LongYearsMode::kStrict) ? kFails : row.expected;
      for (DateFormat order = 0; order <= 4; ++order) {
        EXPECT_EQ(Parse(row.text, order), expected)
            << ToUtf8(row.text) << " order " << order << " mode " << ModeName(mode);
      }
    }
  }
}

TEST_F(ParseDateTest, ReadingOrder) {
  UseLocaleOrder(2);
  const struct {
    DateFormat format;
    int order;
  } kTable[] = {{0, 2}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 2}, {255, 2}, {257, 1}, {256, 2}, {0x104, 4}};
  for (const auto& row : kTable) EXPECT_EQ(ReadingOrder(row.format), row.order) << row.format;
  SetHolidayYear(2020);
  for (const auto& row : kTable) EXPECT_EQ(ReadingOrder(row.format), 4) << row.format;
}

TEST_F(ParseDateTest, TodayFollowsTheClock) {
  fake::SetNow({9999, 12, 31, 23, 59, 0, 0});
  EXPECT_EQ(Parse(u"T", 0), (CalendarDate{9999, 12, 31}));
  EXPECT_EQ(Parse(u"T+1", 0), kFails);
  EXPECT_EQ(Parse(u"12/31", 0), (CalendarDate{9999, 12, 31}));
  fake::SetNow({2016, 1, 1, 0, 0, 0, 0});
  EXPECT_EQ(Parse(u"2/29", 0), (CalendarDate{2016, 2, 29}));
}

}  // namespace
