// The calendar as text before it is printed: lines of runs, each run plain
// or in one console attribute. The three views of qcal build a page; the
// drawing (calendar_draw.h) prints it.
#pragma once

#include <string>
#include <vector>

#include "qcal/qcal_colors.h"

namespace kalendra {

inline constexpr int kUncoloured = -1;

struct PageRun {
  std::u16string text;
  int attribute = kUncoloured;
  friend bool operator==(const PageRun&, const PageRun&) = default;
};

using PageLine = std::vector<PageRun>;

struct CalendarPage {
  std::vector<PageLine> lines;  // each is followed by a line end
};

// How a calendar looks; the caller settles it before a view is built.
struct CalendarStyle {
  bool weekNumbers = false;
  bool localNames = true;
  bool colour = false;  // off: marks stand for the highlight and holidays
  QcalColors colors;
  int firstWeekday = 0;  // 0 = Sunday
};

// One month, the highlight day (0 for none) set apart.
CalendarPage MonthPage(int year, int month, int highlightDay, const CalendarStyle& style);

// The month before, the month and the month after (held within 1601-01 to
// 9999-12); the highlight day lies in the given month.
CalendarPage ThreeMonthPage(int year, int month, int highlightDay, const CalendarStyle& style);

// The whole year in four rows of three months; the highlight lies on day
// highlightDay of highlightMonth (0 for none).
CalendarPage YearPage(int year, int highlightMonth, int highlightDay, const CalendarStyle& style);

}  // namespace kalendra
