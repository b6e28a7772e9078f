// The three views of a calendar, built as pages: titles, weekday headers and
// month blocks laid side by side.
#include "qcal/calendar_page.h"

#include <algorithm>
#include <string_view>

#include "calendar/day_number.h"
#include "calendar/english_names.h"
#include "calendar/locale_snapshot.h"
#include "frame/numbers.h"
#include "frame/text.h"
#include "calendar/month_grid.h"
#include "holidays/mark_holidays.h"

namespace kalendra {
namespace {

constexpr int kFirstMonthYear = 1601;
constexpr int kLastMonthYear = 9999;
constexpr int kLastThreeMonthStart = 10;  // October 9999 starts the last three-month view
constexpr int kYearTitleIndent = 26;
constexpr int kYearTitleIndentWithWeeks = 30;

std::u16string Number(int value, int width, char16_t fill) {
  std::u16string digits(NumberText(value).View());
  if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), fill);
  return digits;
}

// Appends runs to the current line and ends lines.
class PageWriter {
 public:
  explicit PageWriter(const CalendarStyle& style) : style_(style) { page_.lines.emplace_back(); }

  void Text(std::u16string_view text) {
    if (text.empty()) return;
    PageLine& line = page_.lines.back();
    if (!line.empty() && line.back().attribute == kUncoloured) {
      line.back().text += text;
    } else {
      line.push_back({std::u16string(text), kUncoloured});
    }
  }
  void Spaces(int count) {
    if (count > 0) Text(std::u16string(static_cast<std::size_t>(count), u' '));
  }
  void Coloured(int attribute, std::u16string text) { page_.lines.back().push_back({std::move(text), attribute}); }
  void EndLine(int count = 1) {
    for (int i = 0; i < count; ++i) page_.lines.emplace_back();
  }
  CalendarPage Finish() {
    page_.lines.pop_back();  // the line after the last line end holds nothing
    return std::move(page_);
  }

  const CalendarStyle& style() const { return style_; }

 private:
  const CalendarStyle& style_;
  CalendarPage page_;
};

int BlockWidth(const CalendarStyle& style) { return style.weekNumbers ? 23 : 20; }

std::u16string_view MonthName(int month, const CalendarStyle& style) {
  return style.localNames ? Locale().titleCaseMonthNames[month].View() : kEnglishMonthNames[month];
}

// A title cell, as wide as a block and the gap after it.
void TitleCell(PageWriter& out, int year, int month, bool withYear) {
  const int width = BlockWidth(out.style());
  const std::u16string_view name = MonthName(month, out.style());
  const int room = withYear ? width - 5 : width;
  const int length = std::min(static_cast<int>(name.size()), room);
  const std::u16string_view shown = name.substr(0, static_cast<std::size_t>(length));
  if (withYear) {
    const int lead = (width - length - 5) / 2;
    out.Spaces(lead);
    out.Text(std::u16string(shown) + u" " + Number(year, 0, u' '));
    out.Spaces(width - lead - length - 2);
  } else {
    const int lead = (width - length) / 2;
    out.Spaces(lead);
    out.Text(shown);
    out.Spaces(width - lead - length + 3);
  }
}

// Two letters of each weekday from the left column on, and the gap.
void WeekdayHeader(PageWriter& out) {
  const CalendarStyle& style = out.style();
  if (style.weekNumbers) out.Spaces(3);
  std::u16string header;
  for (int column = 0; column < kGridColumns; ++column) {
    const int weekday = (style.firstWeekday + column) % kDaysPerWeek;
    std::u16string_view name = style.localNames ? Locale().abbreviatedWeekdayNames[weekday].View()
                                                : kEnglishWeekdayNames[weekday];
    header += name.size() > 0 ? name[0] : u' ';
    header += name.size() > 1 ? name[1] : u' ';
    header += u' ';
  }
  out.Text(header + u"  ");
}

void WeekNumberCell(PageWriter& out, int week) {
  if (week == 0) return out.Spaces(3);
  const std::u16string text = Number(week, 2, u'0') + u" ";
  if (out.style().colour) return out.Coloured(out.style().colors.weekNumber, text);
  out.Text(text);
}

// The highlight outranks a holiday, and a holiday outranks a Sunday.
void DayCellText(PageWriter& out, const DayCell& cell) {
  if (cell.day == 0) return out.Text(u"   ");
  const CalendarStyle& style = out.style();
  const bool sunday = cell.weekday == kSunday;
  const std::u16string number = Number(cell.day, 2, u' ');
  if (!style.colour) {
    if (cell.highlighted) return out.Text(u" * ");
    if (cell.holiday) return out.Text(u" + ");
    return out.Text(number + u" ");
  }
  int attribute = kUncoloured;
  if (cell.highlighted) {
    attribute = sunday ? style.colors.highlightSunday : style.colors.highlight;
  } else if (cell.holiday) {
    attribute = style.colors.holiday;
  } else if (sunday) {
    attribute = style.colors.sunday;
  }
  if (attribute == kUncoloured) return out.Text(number + u" ");
  out.Coloured(attribute, number);
  out.Text(u" ");
}

void BlockRow(PageWriter& out, const MonthBlock& block, int row) {
  if (out.style().weekNumbers) WeekNumberCell(out, block.weekNumbers[row]);
  for (int column = 0; column < kGridColumns; ++column) DayCellText(out, block.cells[row * kGridColumns + column]);
}

// Three blocks side by side, after their titles and headers.
void BlocksSideBySide(PageWriter& out, const std::array<MonthBlock, 3>& blocks, bool withYear) {
  for (const MonthBlock& block : blocks) TitleCell(out, block.year, block.month, withYear);
  out.EndLine(2);
  for (int i = 0; i < 3; ++i) WeekdayHeader(out);
  out.EndLine();
  for (int row = 0; row < kGridRows; ++row) {
    for (const MonthBlock& block : blocks) {
      BlockRow(out, block, row);
      out.Text(u"  ");
    }
    out.EndLine();
  }
}

HolidayMarks MarksOf(int year) {
  HolidayMarks marks;
  MarkHolidays(year, marks);  // a refused marking leaves the grid clear
  return marks;
}

}  // namespace

CalendarPage MonthPage(int year, int month, int highlightDay, const CalendarStyle& style) {
  const MonthBlock block = BuildMonthBlock(year, month, style.firstWeekday, MarksOf(year), highlightDay);
  PageWriter out(style);
  out.EndLine();
  TitleCell(out, year, month, true);
  out.EndLine(2);
  WeekdayHeader(out);
  out.EndLine();
  for (int row = 0; row < kGridRows; ++row) {
    BlockRow(out, block, row);
    out.EndLine();
  }
  out.EndLine();
  return out.Finish();
}

CalendarPage ThreeMonthPage(int year, int month, int highlightDay, const CalendarStyle& style) {
  int firstYear = year;
  int firstMonth = month - 1;
  if (firstMonth == 0) {
    firstMonth = year == kFirstMonthYear ? 1 : 12;
    firstYear = year == kFirstMonthYear ? year : year - 1;
  }
  if (firstYear == kLastMonthYear && firstMonth > kLastThreeMonthStart) firstMonth = kLastThreeMonthStart;
  std::array<MonthBlock, 3> blocks;
  HolidayMarks marks;
  for (int i = 0; i < 3; ++i) {
    const int columnMonth = (firstMonth - 1 + i) % 12 + 1;
    const int columnYear = firstYear + (firstMonth - 1 + i) / 12;
    if (i == 0 || columnYear != blocks[i - 1].year) marks = MarksOf(columnYear);
    blocks[i] = BuildMonthBlock(columnYear, columnMonth, style.firstWeekday, marks,
                                columnMonth == month ? highlightDay : 0);
  }
  PageWriter out(style);
  out.EndLine();
  BlocksSideBySide(out, blocks, true);
  out.EndLine();
  return out.Finish();
}

CalendarPage YearPage(int year, int highlightMonth, int highlightDay, const CalendarStyle& style) {
  const HolidayMarks marks = MarksOf(year);
  PageWriter out(style);
  out.EndLine();
  out.Spaces(style.weekNumbers ? kYearTitleIndentWithWeeks : kYearTitleIndent);
  out.Text(u"---  " + Number(year, 0, u' ') + u"  ---");
  out.EndLine(2);
  for (int quarter = 0; quarter < 4; ++quarter) {
    std::array<MonthBlock, 3> blocks;
    for (int i = 0; i < 3; ++i) {
      const int month = quarter * 3 + i + 1;
      blocks[i] = BuildMonthBlock(year, month, style.firstWeekday, marks, month == highlightMonth ? highlightDay : 0);
    }
    BlocksSideBySide(out, blocks, false);
    out.EndLine();
  }
  return out.Finish();
}

}  // namespace kalendra
