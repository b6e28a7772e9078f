// ParseTime and ParseOffset: the grammar's cases, good and bad, by table.
#include "support/kit.h"

#include "times/time_grammar.h"

namespace {

struct TimeRow {
  std::u16string_view text;
  int result;  // 0 or -1
  TimeOfDay time;
  TimeParts parts;
};

const TimeRow kTimeTable[] = {
    // Clock fields.
    {u"7:00", 0, {7, 0, 0, 0}, 12}, {u"0:00", 0, {0, 0, 0, 0}, 12}, {u"23:59:59.999", 0, {23, 59, 59, 999}, 15},
    {u"007:0005", 0, {7, 5, 0, 0}, 12}, {u"10.30", 0, {10, 30, 0, 0}, 12}, {u"10:30.5", 0, {10, 30, 5, 0}, 14},
    {u"10.30.15,25", 0, {10, 30, 15, 250}, 15}, {u"10:30:15.1239", 0, {10, 30, 15, 123}, 15},
    {u"10:30:15.", 0, {10, 30, 15, 0}, 14}, {u"10:30:15.09", 0, {10, 30, 15, 90}, 15},
    {u"10:30 ", 0, {10, 30, 0, 0}, 12},
    // Markers after the time.
    {u"12:00 AM", 0, {0, 0, 0, 0}, 28}, {u"12:00 PM", 0, {12, 0, 0, 0}, 28}, {u"1 PM", 0, {13, 0, 0, 0}, 24},
    {u"10:30 p.m.", 0, {22, 30, 0, 0}, 28}, {u"10:30p", 0, {22, 30, 0, 0}, 28}, {u"10:30 a m", 0, {10, 30, 0, 0}, 28},
    {u"11:59:59.999PM", 0, {23, 59, 59, 999}, 31},
    // Markers before the time.
    {u"PM 7", 0, {19, 0, 0, 0}, 24}, {u"A.M.10:30", 0, {10, 30, 0, 0}, 28}, {u"am12:05", 0, {0, 5, 0, 0}, 28},
    {u"p 12", 0, {12, 0, 0, 0}, 24},
    // Not times.
    {u"", -1, {}, 0}, {u" 10:30", -1, {}, 0}, {u"7", -1, {}, 0}, {u"24:00", -1, {}, 0}, {u"23:60", -1, {}, 0},
    {u"23:59:60", -1, {}, 0}, {u"0:30 AM", -1, {}, 0}, {u"13:00 PM", -1, {}, 0}, {u"PM 0", -1, {}, 0},
    {u"AM 10:30 PM", -1, {}, 0}, {u"10:30 Px", -1, {}, 0}, {u"10,30", -1, {}, 0}, {u"10:30:", -1, {}, 0},
    {u"10:30.", -1, {}, 0}, {u"10::30", -1, {}, 0}, {u"PM", -1, {}, 0}, {u"M10:30", -1, {}, 0},
    {u"10:30:15.5.5", -1, {}, 0}, {u"4294967296:00", -1, {}, 0}, {u"10:99999999999", -1, {}, 0},
    {u"99999999999 PM", -1, {}, 0},
};

TEST(ParseTime, ReadsTheGrammar) {
  for (const TimeRow& row : kTimeTable) {
    TimeOfDay time{99, 99, 99, 9999};
    TimeParts parts = 12345;
    EXPECT_EQ(ParseTime(row.text, time, &parts), row.result) << Narrow(row.text);
    EXPECT_EQ(parts, row.parts) << Narrow(row.text);
    if (row.result == 0) {
      EXPECT_EQ(time, row.time) << Narrow(row.text);
    } else {
      EXPECT_EQ(time, (TimeOfDay{99, 99, 99, 9999})) << Narrow(row.text) << ": a failure leaves the time";
    }
  }
}

TEST(ParseTime, NeedsNoPlaceForTheParts) {
  TimeOfDay time;
  EXPECT_EQ(ParseTime(u"9:15 pm", time), 0);
  EXPECT_EQ(time, (TimeOfDay{21, 15, 0, 0}));
  EXPECT_EQ(ParseTime(u"9", time), -1);
}

// Every hour of both halves of the day, with each marker spelling.
TEST(ParseTime, TwelveHourClockCoversTheDay) {
  for (std::uint32_t hour = 1; hour <= 12; ++hour) {
    for (std::u16string_view am : {u"AM", u"a.m.", u"a", u"A.M"}) {
      const std::u16string text = Widen(std::to_string(hour)) + u":07 " + std::u16string(am);
      std::u16string pmText = text;
      pmText[pmText.size() - am.size()] = am[0] == u'A' ? u'P' : u'p';
      TimeOfDay time;
      ASSERT_EQ(ParseTime(text, time), 0) << Narrow(text);
      EXPECT_EQ(time.hour, hour % 12) << Narrow(text);
      ASSERT_EQ(ParseTime(pmText, time), 0) << Narrow(pmText);
      EXPECT_EQ(time.hour, hour % 12 + 12) << Narrow(pmText);
    }
  }
}

struct OffsetRow { std::u16string_view text; int result; TimeOffset offset; };

const OffsetRow kOffsetTable[] = {
    {u"2:00", 0, {0, 2, 0, 0, 0}}, {u"-2:00", 0, {0, -2, 0, 0, 0}}, {u"0:90", 0, {0, 0, 90, 0, 0}},
    {u"2", 0, {0, 2, 0, 0, 0}}, {u"1:02:03.4567", 0, {0, 1, 2, 3, 456}}, {u"1.02.03,45", 0, {0, 1, 2, 3, 450}},
    {u"2 days 1:00", 0, {2, 1, 0, 0, 0}}, {u"1 day", 0, {1, 0, 0, 0, 0}}, {u"1 Day  3", 0, {1, 3, 0, 0, 0}},
    {u"2  1:00", 0, {2, 1, 0, 0, 0}}, {u"-1 12:00", 0, {-1, -12, 0, 0, 0}}, {u"-1@2:00", 0, {-1, -2, 0, 0, 0}},
    {u"+3@0:00:00.001", 0, {3, 0, 0, 0, 1}},
    {u"2147483647@2147483647:2147483647", 0, {2147483647, 2147483647, 2147483647, 0, 0}},
    {u"-2147483647", 0, {0, -2147483647, 0, 0, 0}},
    // Not offsets.
    {u"", -1, {}}, {u"-", -1, {}}, {u"+-1", -1, {}}, {u"x", -1, {}}, {u"2@", -1, {}}, {u"2 x", -1, {}},
    {u"2 days 1:", -1, {}}, {u"1:00 ", -1, {}}, {u"1,30", -1, {}}, {u"1:02:03:04", -1, {}}, {u" 1:00", -1, {}},
    {u"2147483648", -1, {}}, {u"-2147483648:00", -1, {}}, {u"0:2147483648", -1, {}}, {u"99999999999 1:00", -1, {}},
};

TEST(ParseOffset, ReadsTheGrammar) {
  for (const OffsetRow& row : kOffsetTable) {
    TimeOffset offset{7, 7, 7, 7, 7};
    EXPECT_EQ(ParseOffset(row.text, offset), row.result) << Narrow(row.text);
    const TimeOffset expected = row.result == 0 ? row.offset : TimeOffset{7, 7, 7, 7, 7};
    EXPECT_EQ(offset, expected) << Narrow(row.text);
  }
}

TEST(SkipDayWord, StepsOverSpacesAndTheWord) {
  const struct {
    std::u16string_view text;
    std::size_t end;
  } rows[] = {{u" days 1", 6}, {u"day", 3}, {u"  DaYs  ", 8}, {u" dais", 1}, {u"1", 0}, {u" d", 1}, {u"dayss", 4}};
  for (const auto& row : rows) {
    std::size_t pos = 0;
    SkipDayWord(row.text, pos);
    EXPECT_EQ(pos, row.end) << Narrow(row.text);
  }
}

}  // namespace
