// qcal: its colours, the calendar page it draws, and the command through
// its export.
#include "support/kit.h"

#include "calendar/month_grid.h"
#include "qcal/calendar_page.h"
#include "qcal/qcal_colors.h"

namespace {

// ---- The colours of a calendar: derived from the console's attribute, from a
// saved set, from a "/Z" text; and the saved defaults as ten-byte values.
ColorSet Automatic() {
  ColorSet set;
  set.fill(kAutomaticColors);
  return set;
}

TEST(QcalColors, DerivedFromTheConsoleOrASavedSet) {
  const struct {
    int attribute;
    ColorSet saved;
    QcalColors expected;  // highlight, on Sunday, Sunday, holiday, week number
  } rows[] = {
      {0x07, Automatic(), {0x70, 0xC0, 0x0C, 0x17, 0x03}}, {0x1F, Automatic(), {0xF1, 0xC1, 0x1C, 0x2F, 0x13}},
      {0xF0, Automatic(), {0x1F, 0x4F, 0xF4, 0xE0, 0xF3}},
      {0x0C, Automatic(), {0xC0, 0xA0, 0x0A, 0x1C, 0x03}},  // red text: Sundays turn green
      {0x13, Automatic(), {0x31, 0xC1, 0x1C, 0x23, 0x13}},  // cyan text: week numbers keep the attribute
      {0x8F, Automatic(), {0xF8, 0x48, 0x84, 0xE0, 0x8F}}, {0xE4, Automatic(), {0x4E, 0x0E, 0xE0, 0xB1, 0xE4}},
      {0x07, {0x1E, 0, 0x0A, 0, 0}, {0x1E, 0x1E, 0x0A, 0x07, 0x07}},
      {0x07, {0, 0, 0, 0, 0x0B}, {0x07, 0x07, 0x07, 0x07, 0x0B}},
      {0x07, {0x1E, 0x2E, 0x3E, 0x4E, 0x5E}, {0x1E, 0x2E, 0x3E, 0x4E, 0x5E}},
  };
  for (const auto& row : rows) EXPECT_EQ(DeriveColors(row.attribute, row.saved), row.expected) << row.attribute;
}

TEST(QcalColors, ColourTexts) {
  const struct { std::u16string_view text; std::optional<ColorSet> set; } rows[] = {
      {u"70", ColorSet{0x70, 0x70, 0x07, 0x07, 0x07}}, {u":70C0", ColorSet{0x70, 0xC0, 0x07, 0x07, 0x07}},
      {u"=70C00C1703", ColorSet{0x70, 0xC0, 0x0C, 0x17, 0x03}},
      {u"70C00C1703F1xyz", ColorSet{0x70, 0xC0, 0x0C, 0x17, 0x03}},  // past the tenth digit: ignored
      {u"70c0", ColorSet{0x70, 0xC0, 0x07, 0x07, 0x07}}, {u"00", ColorSet{0, 0, 0x07, 0x07, 0x07}},
      {u"7", std::nullopt}, {u"707", std::nullopt}, {u"77", std::nullopt}, {u"70EE", std::nullopt}, {u"", std::nullopt},
      {u"x70", std::nullopt}, {u"::70", std::nullopt},
  };
  for (const auto& row : rows) EXPECT_EQ(ParseColorText(row.text, 0x07), row.set) << "/Z" << ToUtf8(row.text);
  EXPECT_EQ(ColorsOfSet({0, 0xC0, 0, 0, 0}, 0x1F), (QcalColors{0x1F, 0xC0, 0x1F, 0x1F, 0x1F}));
  EXPECT_EQ(ColorsOfSet({0x70, 0, 0, 0x2A, 0}, 0x1F), (QcalColors{0x70, 0x70, 0x1F, 0x2A, 0x1F}));
}

TEST(QcalColors, SavedDefaultsAreTenBytesPerBackground) {
  fake::Reset();
  SaveQcalColorDefault(0, {0x70, 0xC0, 0x0C, 0x17, 0x03});
  SaveQcalColorDefault(15, {0x1F, 0x1F, 0xF4, 0xE0, 0xF3});
  EXPECT_EQ(fake::Settings()[u"Qcal default colors 0"], std::string("\x70\xC0\x0C\x17\x03\0\0\0\0\0", 10));
  EXPECT_EQ(fake::Settings()[u"Qcal default colors F"], std::string("\x1F\x1F\xF4\xE0\xF3\0\0\0\0\0", 10));
  fake::Settings()[u"Qcal default colors 1"] = std::string(11, '\x1E');  // too long: unread
  fake::Settings()[u"Qcal default colors 2"] = "\x2E\x3E";              // short: the rest are 0
  LoadQcalColorDefaults();
  EXPECT_EQ(QcalColorDefaults()[0], (ColorSet{0x70, 0xC0, 0x0C, 0x17, 0x03}));
  EXPECT_EQ(QcalColorDefaults()[15], (ColorSet{0x1F, 0x1F, 0xF4, 0xE0, 0xF3}));
  EXPECT_EQ(QcalColorDefaults()[1], Automatic());
  EXPECT_EQ(QcalColorDefaults()[2], (ColorSet{0x2E, 0x3E, 0, 0, 0}));
  EXPECT_EQ(QcalColorDefaults()[3], Automatic());
  fake::Reset();
  LoadQcalColorDefaults();
  EXPECT_EQ(QcalColorDefaults()[0], Automatic());
}

// ---- The calendar pages: line counts and widths of the three views, the marks
// and colours of single days, and the edges of the calendar. Whole months
// are checked against an independent calendar by the end-to-end cases.
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

// ---- qcal through its export: which calendar each word form shows, the
// options, every message, holidays from the list, saved colours and the
// pause after a screenful.
struct QcalRun { int status = 0; std::vector<std::string> lines; std::string err; };

QcalRun RunQcal(std::u16string_view tail) {
  std::array<KChar, kHostBufferLength> buffer{};
  CopyText(buffer.data(), buffer.size(), tail);
  QcalRun run;
  const auto captured = torvane::testing::CaptureOutput([&] { run.status = QcalCommand(buffer.data()); });
  std::string out = ToUtf8(captured.out);
  for (std::size_t start = 0, end; start < out.size(); start = end + 2) {
    end = out.find("\r\n", start);
    if (end == std::string::npos) end = out.size();
    run.lines.push_back(out.substr(start, end - start));
  }
  run.err = ToUtf8(captured.err);
  return run;
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The highlighted day of a one-month page without colour: the day whose
// number the " * " mark replaces; 0 when nothing is marked.
int HighlightedDay(const QcalRun& run) {
  for (std::size_t line = 4; line < run.lines.size() && line < 10; ++line) {
    const std::size_t mark = run.lines[line].find(" * ");
    if (mark == std::string::npos) continue;
    const std::size_t cell = mark / 3;
    // The neighbour's number tells the day: the cell before, or after.
    if (cell > 0) return std::stoi(run.lines[line].substr(mark - 3, 3)) + 1;
    return std::stoi(run.lines[line].substr(mark + 3, 3)) - 1;
  }
  return 0;
}

class QcalCommandTest : public KalendraTest {
 protected:
  void SetUp() override {
    KalendraTest::SetUp();
    fake::SetNow({2015, 12, 7, 10, 0, 0, 0});
    torvane::testing::SetConsole(false, 25);
  }
};

TEST_F(QcalCommandTest, WhichCalendarTheWordsShow) {
  const struct {
    std::u16string_view tail;
    const char* title;  // the first title line, trimmed
    int highlight;
  } rows[] = {
      {u"", "December 2015", 7}, {u"5", "May 2016", 0}, {u"5 2016", "May 2016", 0}, {u"2016 5", "May 2016", 0},
      {u"20151211", "December 2015", 11}, {u"mar", "March 2016", 0}, {u"2015-12-11 7 2014", "December 2015", 11},
      {u"t+30", "January 2016", 6}, {u"\"2016-02-29\"", "February 2016", 29}, {u"9999 12", "December 9999", 0},
      {u"/3/y 2015-12-11", "November 2015          December 2015           January 2016", 0},
      {u"/3 1601-01-01", "January 1601          February 1601            March 1601", 0},
      {u"2016", "---  2016  ---", 0}, {u"/y", "---  2015  ---", 0},
  };
  for (const auto& row : rows) {
    const QcalRun run = RunQcal(row.tail);
    ASSERT_EQ(run.status, 0) << Narrow(row.tail) << run.err;
    ASSERT_GT(run.lines.size(), 4u);
    EXPECT_EQ(Trimmed(run.lines[1]), row.title) << Narrow(row.tail);
    if (run.lines.size() == 11 && row.title[0] != ' ' && Trimmed(run.lines[1]).size() < 20) {
      EXPECT_EQ(HighlightedDay(run), row.highlight) << Narrow(row.tail);
    }
  }
  // /Y alone highlights today in its month; the year 2016 alone, nothing.
  const std::vector<std::string> thisYear = RunQcal(u"/Y").lines;
  EXPECT_EQ(thisYear[37].substr(46, 21), " 6  *  8  9 10 11 12 ");
  for (const std::string& line : RunQcal(u"2016").lines) EXPECT_EQ(line.find('*'), std::string::npos);
}

TEST_F(QcalCommandTest, TheWeekdayOnTheLeft) {
  const struct { std::u16string_view tail; const char* header; } rows[] = {
      {u"", "Su Mo Tu We Th Fr Sa"},       {u"/W:7", "Su Mo Tu We Th Fr Sa"}, {u"/W=0", "Su Mo Tu We Th Fr Sa"},
      {u"/W1", "Mo Tu We Th Fr Sa Su"},    {u"/W:sat", "Sa Su Mo Tu We Th Fr"}, {u"/I", "Mo Tu We Th Fr Sa Su"},
      {u"/I /W:0", "Su Mo Tu We Th Fr Sa"}, {u"/E", "Su Mo Tu We Th Fr Sa"},
  };
  for (const auto& row : rows) EXPECT_EQ(Trimmed(RunQcal(row.tail).lines[3]), row.header) << Narrow(row.tail);
  EXPECT_EQ(RunQcal(u"/I /W:0").lines[4].substr(0, 3), "49 ");
}

TEST_F(QcalCommandTest, Messages) {
  const struct { std::u16string_view tail; const char* message; } rows[] = {
      {u"5 6", "QCAL syntax error \"6\""}, {u"12345678", "QCAL syntax error \"12345678\""},
      {u"0", "QCAL syntax error \"0\""}, {u"ma", "Invalid date \"MA\""}, {u"/x", "Unknown QCAL option \"/X\""},
      {u"/", "Unknown QCAL option \"/\""}, {u"/W:9", "Unknown QCAL option \"/W:9\""},
      {u"/C", "Unknown QCAL option \"/C\""}, {u"/Z7", "Invalid colors \"/Z7\""}, {u"/ZZ77", "Invalid colors \"/ZZ77\""},
      {u"/X /?", "Unknown QCAL option \"/X\""},
  };
  for (const auto& row : rows) {
    const QcalRun run = RunQcal(row.tail);
    EXPECT_EQ(run.status, kErrorResult) << Narrow(row.tail);
    EXPECT_EQ(run.err, std::string("KALENDRA plugin: ") + row.message + "\r\n") << Narrow(row.tail);
    EXPECT_TRUE(run.lines.empty()) << Narrow(row.tail);
  }
  const QcalRun help = RunQcal(u"/? /X");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.err, "");
  EXPECT_TRUE(help.lines[0].starts_with("Display a quick-and-dirty calendar.\n\nQCAL [date"));
}

TEST_F(QcalCommandTest, HolidaysFromTheListLastOneRun) {
  EXPECT_EQ(RunQcal(u"/H:*-12-24;2015-12-31").lines[8], "27 28 29 30  +       ");
  EXPECT_EQ(RunQcal(u"/H:*-12-24").lines[7], "20 21 22 23  + 25 26 ");
  EXPECT_EQ(RunQcal(u"12").lines[7], "20 21 22 23 24 25 26 ");  // the list was emptied
  // A run that fails adds nothing for the next one.
  EXPECT_EQ(RunQcal(u"/H:*-12-24 /X").status, kErrorResult);
  EXPECT_EQ(RunQcal(u"12").lines[7], "20 21 22 23 24 25 26 ");
  // A bare /H loads the built-in rules instead of the entries.
  EXPECT_EQ(RunQcal(u"/H:*-12-24 /H").lines[7], "20 21 22 23 24  + 26 ");
  EXPECT_EQ(RunQcal(u"/C:UnitedStates").lines[7], "20 21 22 23 24  + 26 ");
}

TEST_F(QcalCommandTest, SavedColoursAreWrittenForTheBackground) {
  EXPECT_EQ(RunQcal(u"/ZZ70C00C1703").status, 0);
  EXPECT_EQ(fake::Settings()[u"Qcal default colors 0"], std::string("\x70\xC0\x0C\x17\x03\0\0\0\0\0", 10));
  EXPECT_EQ(RunQcal(u"/ZZ:1E").status, 0);
  EXPECT_EQ(fake::Settings()[u"Qcal default colors 0"], std::string("\x1E\x1E\x07\x07\x07\0\0\0\0\0", 10));
  // An error after /ZZ leaves it saved.
  EXPECT_EQ(RunQcal(u"/ZZ2E /X").status, kErrorResult);
  EXPECT_EQ(fake::Settings()[u"Qcal default colors 0"][0], '\x2E');
  EXPECT_EQ(RunQcal(u"/Z3E").status, 0);
  EXPECT_EQ(fake::Settings()[u"Qcal default colors 0"][0], '\x2E');
}

TEST_F(QcalCommandTest, PausesAfterEveryScreenfulOnAConsole) {
  torvane::testing::SetConsole(true, 25);
  const QcalRun year = RunQcal(u"/P /Y");
  std::vector<std::size_t> pauses;
  for (std::size_t i = 0; i < year.lines.size(); ++i) {
    if (year.lines[i].starts_with("- More -\r          \r")) pauses.push_back(i);
  }
  EXPECT_EQ(pauses, (std::vector<std::size_t>{25}));
  EXPECT_EQ(year.lines.size(), 43u);  // 43 line ends
  for (const std::u16string_view tail : {u"/Y", u"/P /Y /D"}) {
    torvane::testing::SetConsole(tail == u"/Y", 25);
    for (const std::string& line : RunQcal(tail).lines) EXPECT_EQ(line.find("More"), std::string::npos);
  }
}

}  // namespace
