// The calendar pages: line counts and widths of the three views, the marks
// and colours of single days, and the edges of the calendar. Whole months
// are checked against an independent calendar by the end-to-end cases.
#include "support/kit.h"

#include "calendar/month_grid.h"
#include "qcal/calendar_page.h"

namespace {

// A page as text: a coloured run is written "{XX|text}".
std::vector<std::string> Markup(const CalendarPage& page) {
  std::vector<std::string> lines;
  for (const PageLine& line : page.lines) {
    std::string text;
    for (const PageRun& run : line) {
      if (run.attribute == kUncoloured) {
        text += ToUtf8(run.text);
      } else {
        char attribute[8];
        std::snprintf(attribute, sizeof attribute, "%02X", run.attribute);
        text += "{" + std::string(attribute) + "|" + ToUtf8(run.text) + "}";
      }
    }
    lines.push_back(text);
  }
  return lines;
}

std::size_t Width(const PageLine& line) {
  std::size_t width = 0;
  for (const PageRun& run : line) width += run.text.size();
  return width;
}

class CalendarPageTest : public KalendraTest {
 protected:
  static CalendarStyle Style(bool weekNumbers, bool colour = false) {
    CalendarStyle style;
    style.weekNumbers = weekNumbers;
    style.localNames = false;
    style.colour = colour;
    style.colors = {0x70, 0xC0, 0x0C, 0x17, 0x03};
    return style;
  }
};

TEST_F(CalendarPageTest, LineCountsAndWidths) {
  for (const bool weeks : {false, true}) {
    const std::size_t extra = weeks ? 3 : 0;
    const CalendarPage month = MonthPage(2015, 2, 0, Style(weeks));
    ASSERT_EQ(month.lines.size(), 11u);
    const std::vector<std::size_t> monthWidths = {0,  23 + extra, 0,         23 + extra, 21 + extra, 21 + extra,
                                                  21 + extra, 21 + extra, 21 + extra, 21 + extra, 0};
    for (std::size_t i = 0; i < month.lines.size(); ++i) EXPECT_EQ(Width(month.lines[i]), monthWidths[i]) << i;

    const CalendarPage three = ThreeMonthPage(2015, 6, 0, Style(weeks));
    ASSERT_EQ(three.lines.size(), 11u);
    for (std::size_t i : {1, 3, 4, 5, 6, 7, 8, 9}) EXPECT_EQ(Width(three.lines[i]), 69 + 3 * extra) << i;

    const CalendarPage year = YearPage(2015, 0, 0, Style(weeks));
    ASSERT_EQ(year.lines.size(), 43u);
    EXPECT_EQ(Markup(year)[1], std::string(weeks ? 30 : 26, ' ') + "---  2015  ---");
    for (int quarter = 0; quarter < 4; ++quarter) {
      for (std::size_t i = 3 + 10 * quarter; i < 13 + 10 * static_cast<std::size_t>(quarter); ++i) {
        const std::size_t expected = (i - 3) % 10 == 1 || (i - 3) % 10 == 9 ? 0 : 69 + 3 * extra;
        EXPECT_EQ(Width(year.lines[i]), expected) << i;
      }
    }
  }
}

TEST_F(CalendarPageTest, MarksAndColoursOfSingleDays) {
  // 2015-12-13 is a Sunday and a holiday, 2015-12-11 a holiday and the
  // highlight, 2015-12-25 a holiday.
  for (const char16_t* rule : {u"*-12-13", u"*-12-11", u"*-12-25"}) ASSERT_EQ(AddHolidayRule(rule), 0);
  EXPECT_EQ(Markup(MonthPage(2015, 12, 11, Style(false)))[5], " 6  7  8  9 10  * 12 ");
  EXPECT_EQ(Markup(MonthPage(2015, 12, 11, Style(false)))[6], " + 14 15 16 17 18 19 ");
  EXPECT_EQ(Markup(MonthPage(2015, 12, 11, Style(false, true)))[5],
            "{0C| 6}  7  8  9 10 {70|11} 12 ");
  EXPECT_EQ(Markup(MonthPage(2015, 12, 11, Style(false, true)))[6],
            "{17|13} 14 15 16 17 18 19 ");
  EXPECT_EQ(Markup(MonthPage(2015, 12, 13, Style(false, true)))[6], "{C0|13} 14 15 16 17 18 19 ");
  EXPECT_EQ(Markup(MonthPage(2015, 12, 0, Style(true, true)))[8], "{03|52 }{0C|27} 28 29 30 31       ");
}

TEST_F(CalendarPageTest, ThreeMonthsStayWithinTheCalendar) {
  const struct { int year; int month; const char* titles; } rows[] = {
      {1601, 1, "    January 1601          February 1601            March 1601        "},
      {1601, 2, "    January 1601          February 1601            March 1601        "},
      {2015, 1, "   December 2014           January 2015          February 2015       "},
      {9999, 11, "    October 9999          November 9999          December 9999       "},
      {9999, 12, "    October 9999          November 9999          December 9999       "},
  };
  for (const auto& row : rows) {
    const std::vector<std::string> page = Markup(ThreeMonthPage(row.year, row.month, 1, Style(false)));
    EXPECT_EQ(page[1], row.titles) << row.year << "-" << row.month;
    // The highlight lands in whichever column holds the given month.
    const std::size_t mark = page[4].find(" * ");
    ASSERT_NE(mark, std::string::npos);
    const std::size_t column = (mark + 1) / 23;
    const int firstMonth = row.month == 1 && row.year == 1601 ? 1 : (row.year == 9999 && row.month > 10 ? 10 : 0);
    if (firstMonth != 0) {
      EXPECT_EQ(static_cast<int>(column) + firstMonth, row.month);
    }
  }
}

TEST_F(CalendarPageTest, LocalNamesAndLongNamesAreCut) {
  RefreshLocale();
  Locale().titleCaseMonthNames[12].Assign(u"Dezemberdezemberdezember");
  Locale().abbreviatedWeekdayNames[0].Assign(u"S");
  CalendarStyle style = Style(false);
  style.localNames = true;
  EXPECT_EQ(Markup(MonthPage(2015, 12, 0, style))[1], "Dezemberdezembe 2015   ");
  EXPECT_EQ(Markup(MonthPage(2015, 12, 0, style))[3], "S  Mo Tu We Th Fr Sa   ");
  EXPECT_EQ(Markup(YearPage(2015, 0, 0, style))[33].substr(46), "Dezemberdezemberdeze   ");
  style.weekNumbers = true;
  EXPECT_EQ(Markup(MonthPage(2015, 12, 0, style))[1], "Dezemberdezemberde 2015   ");
}

TEST_F(CalendarPageTest, TheYearHighlightsOnlyTheGivenMonthsDay) {
  const std::vector<std::string> none = Markup(YearPage(2015, 0, 11, Style(false)));
  const std::vector<std::string> december = Markup(YearPage(2015, 12, 11, Style(false)));
  int marks = 0;
  for (std::size_t i = 0; i < december.size(); ++i) {
    EXPECT_EQ(none[i].find('*'), std::string::npos);
    if (december[i].find(" * ") != std::string::npos) ++marks;
  }
  EXPECT_EQ(marks, 1);
}

}  // namespace
