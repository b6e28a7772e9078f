// qcal through its export: which calendar each word form shows, the
// options, every message, holidays from the list, saved colours and the
// pause after a screenful.
#include "support/kit.h"

namespace {

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
