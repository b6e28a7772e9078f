// The date picker: its model without a screen, the terminal's picture of
// it, and @pickdate over the fake's scripted dialog.
#include "support/kit.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <random>
#include <regex>

#include "picker/fake/picker_script.h"
#include "picker/picker_face.h"
#include "picker/picker_model.h"
#include "picker/picker_screen.h"

namespace {

// ---- The picker model without a screen: every navigation key over random
// ranges, masks and left columns against a search that walks day by day,
// the grid against the calendar, the month buttons, the countdown and the
// texts a front-end shows.
DayNumber Min(const PickerState& s) { return ToDayNumber(s.minimum); }
DayNumber Max(const PickerState& s) { return ToDayNumber(s.maximum); }

bool Selectable(const PickerState& s, DayNumber day) {
  return day >= Min(s) && day <= Max(s) && ((s.weekdayMask >> WeekdayOf(day)) & 1) == 0;
}
DayNumber FirstSelectableFrom(const PickerState& s, DayNumber day) {
  for (; day <= Max(s); ++day) {
    if (Selectable(s, day)) return day;
  }
  return kInvalidDay;
}
DayNumber LastSelectableUpTo(const PickerState& s, DayNumber day) {
  for (; day >= Min(s); --day) {
    if (Selectable(s, day)) return day;
  }
  return kInvalidDay;
}

DayNumber MonthStart(const CalendarDate& d) { return ToDayNumber(d.year, d.month, 1); }

// Where each key of a plain move should take the selection, found by walking
// the days: the nearest selectable day in the direction of the key from the
// day it aims at. (The page keys have worked examples of their own.)
DayNumber ExpectedTarget(const PickerState& s, int command) {
  const DayNumber day = ToDayNumber(s.selected);
  const CalendarDate date = s.selected;
  const DayNumber monthEnd = MonthStart(date) + MonthLength(date.month, IsLeapYear(date.year)) - 1;
  const DayNumber rowStart = day - (WeekdayOf(day) - s.firstWeekday + 7) % 7;
  switch (command) {
    case kKeyLeft: return LastSelectableUpTo(s, day - 1);
    case kKeyRight: return FirstSelectableFrom(s, day + 1);
    case kKeyUp: return day - 7 >= Min(s) ? day - 7 : kInvalidDay;
    case kKeyDown: return day + 7 <= Max(s) ? day + 7 : kInvalidDay;
    case kKeyHome: return FirstSelectableFrom(s, std::max({rowStart, MonthStart(date), Min(s)}));
    case kKeyEnd: return LastSelectableUpTo(s, std::min({rowStart + 6, monthEnd, Max(s)}));
    case kKeyCtrlHome: return FirstSelectableFrom(s, Min(s));
    case kKeyCtrlEnd: return LastSelectableUpTo(s, Max(s));
    default: return kInvalidDay;
  }
}

// The grid of the displayed month, cell by cell, against the calendar.
void ExpectGridOfDisplayedMonth(const PickerState& s) {
  const CalendarDate& shown = s.displayed;
  const DayNumber first = ToDayNumber(shown.year, shown.month, 1);
  const int lead = (WeekdayOf(first) - s.firstWeekday + 7) % 7;
  const int length = MonthLength(shown.month, IsLeapYear(shown.year));
  for (int cell = 0; cell < kPickerCells; ++cell) {
    const int day = cell - lead + 1;
    const DayCellFlags value = s.cells[static_cast<std::size_t>(cell)];
    if (day < 1 || day > length) {
      ASSERT_EQ(value, 0u) << "cell " << cell;
      continue;
    }
    const DayNumber number = first + day - 1;
    DayCellFlags expected = static_cast<DayCellFlags>(day);
    if (!Selectable(s, number)) {
      expected |= kCellUnavailable;
    } else {
      if (number == ToDayNumber(s.selected)) expected |= kCellSelected;
      if (WeekdayOf(number) == kSunday) expected |= kCellSunday;
    }
    ASSERT_EQ(value, expected) << "cell " << cell;
  }
  EXPECT_EQ(s.earlierEnabled, MonthStart(shown) != MonthStart(s.minimum));
  EXPECT_EQ(s.laterEnabled, MonthStart(shown) != MonthStart(s.maximum));
}

class PickerModelTest : public KalendraTest {
 protected:

  // A picker on the date, within the range, marks off.
  static PickerState Open(CalendarDate selected, CalendarDate minimum = {kFirstYear, 1, 1},
                          CalendarDate maximum = {kLastYear, 12, 31}, int mask = 0, int firstWeekday = kSunday) {
    PickerState state;
    state.firstWeekday = firstWeekday;
    state.selected = selected;
    state.minimum = minimum;
    state.maximum = maximum;
    state.weekdayMask = mask;
    state.flags = kPickerNoHolidays;
    StartPicker(state);
    return state;
  }
};

TEST_F(PickerModelTest, EveryKeyOverRandomRangesAgreesWithAWalkOverTheDays) {
  std::mt19937 random(20151210);
  const int kKeys[] = {kKeyLeft,   kKeyRight, kKeyUp,       kKeyDown,    kKeyPageUp,     kKeyPageDown,
                       kKeyCtrlPageUp, kKeyCtrlPageDown, kKeyHome, kKeyEnd, kKeyCtrlHome, kKeyCtrlEnd};
  for (int round = 0; round < 3000; ++round) {
    // Ranges of every size, some at the ends of the calendar.
    const int span = std::uniform_int_distribution<int>(0, round % 3 == 0 ? 20 : round % 3 == 1 ? 400 : 9000)(random);
    DayNumber min = std::uniform_int_distribution<DayNumber>(kFirstDay, kLastDay - span)(random);
    if (round % 50 == 0) min = kFirstDay;
    const DayNumber max = round % 50 == 1 ? kLastDay : min + span;
    PickerState s = Open(FromDayNumber(min), FromDayNumber(min), FromDayNumber(max),
                         std::uniform_int_distribution<int>(0, 126)(random));
    s.firstWeekday = round % 7;
    const DayNumber start = FirstSelectableFrom(s, std::uniform_int_distribution<DayNumber>(min, max)(random));
    if (start == kInvalidDay) continue;
    s.selected = FromDayNumber(start);
    StartPicker(s);
    for (int step = 0; step < 6; ++step) {
      const int key = kKeys[std::uniform_int_distribution<int>(0, 11)(random)];
      const DayNumber before = ToDayNumber(s.selected);
      const DayNumber target = ExpectedTarget(s, key);
      ASSERT_EQ(RunPickerCommand(s, key), kPickerStaysOpen);
      const DayNumber after = ToDayNumber(s.selected);
      const auto where = [&] {
        return ::testing::Message() << "key " << key << " from " << before << " in " << min << ".." << max << " mask "
                                    << s.weekdayMask << " left column " << s.firstWeekday;
      };
      const DayNumber reach = key == kKeyPageUp || key == kKeyPageDown ? 62 : 397;  // a month or a year, at most
      if (key == kKeyPageUp || key == kKeyCtrlPageUp) {
        ASSERT_TRUE(after <= before && before - after <= reach) << where() << " to " << after;
      } else if (key == kKeyPageDown || key == kKeyCtrlPageDown) {
        ASSERT_TRUE(after >= before && after - before <= reach) << where() << " to " << after;
      } else {
        ASSERT_EQ(after, target == kInvalidDay ? before : target) << where();
      }
      ASSERT_TRUE(Selectable(s, ToDayNumber(s.selected)));
      ASSERT_NO_FATAL_FAILURE(ExpectGridOfDisplayedMonth(s));
    }
  }
}

TEST_F(PickerModelTest, TheGridOfMonthsOfEveryShape) {
  const struct { CalendarDate month; int firstWeekday; int cellsUsed; } rows[] = {
      {{2016, 10, 1}, kSunday, 37},  // 31 days from the last column
      {{2015, 2, 1}, kSunday, 28},   // 28 days from the first
      {{2015, 2, 1}, kMonday, 34},
  };
  for (const auto& row : rows) {
    const PickerState s = Open(row.month, {kFirstYear, 1, 1}, {kLastYear, 12, 31}, 0, row.firstWeekday);
    const auto last = std::find_if(s.cells.rbegin(), s.cells.rend(), [](DayCellFlags v) { return v != 0; });
    EXPECT_EQ(s.cells.rend() - last, row.cellsUsed) << row.month.year << "-" << row.month.month;
    ExpectGridOfDisplayedMonth(s);
  }
}

TEST_F(PickerModelTest, DaysBeforeTheMinimumAreGreyAndRefused) {
  PickerState s = Open({2015, 12, 10}, {2015, 12, 10});
  for (int day = 1; day <= 9; ++day) EXPECT_EQ(s.cells[static_cast<std::size_t>(day + 1)], (day | kCellUnavailable));
  EXPECT_FALSE(s.earlierEnabled);
  EXPECT_EQ(ClickCell(s, 3, true), kPickerStaysOpen);  // the 2nd
  RunPickerCommand(s, kPreviousMonth);
  RunPickerCommand(s, kPreviousYear);
  EXPECT_EQ(s.selected, (CalendarDate{2015, 12, 10}));
  EXPECT_EQ(s.displayed, (CalendarDate{2015, 12, 1}));
  EXPECT_EQ(ClickCell(s, 12, false), kPickerStaysOpen);  // the 11th: selected, still open
  EXPECT_EQ(s.selected, (CalendarDate{2015, 12, 11}));
  EXPECT_EQ(ClickCell(s, 13, true), kPickerAccepted);
  EXPECT_EQ(s.selected, (CalendarDate{2015, 12, 12}));
}

TEST_F(PickerModelTest, MonthAndYearButtonsStayWithinTheRange) {
  const CalendarDate kMin{2014, 5, 20};
  const CalendarDate kMax{2016, 3, 2};
  const struct { CalendarDate shown; int command; CalendarDate expected; } rows[] = {
      {{2015, 1, 1}, kPreviousMonth, {2014, 12, 1}},  {{2014, 5, 1}, kPreviousMonth, {2014, 5, 1}},
      {{2015, 12, 1}, kNextMonth, {2016, 1, 1}},      {{2016, 3, 1}, kNextMonth, {2016, 3, 1}},
      {{2015, 2, 1}, kPreviousYear, {2014, 5, 1}},    {{2015, 8, 1}, kPreviousYear, {2014, 8, 1}},
      {{2014, 9, 1}, kPreviousYear, {2014, 5, 1}},    {{2014, 5, 1}, kPreviousYear, {2014, 5, 1}},
      {{2015, 8, 1}, kNextYear, {2016, 3, 1}},        {{2015, 2, 1}, kNextYear, {2016, 2, 1}},
      {{2016, 1, 1}, kNextYear, {2016, 3, 1}},        {{2016, 3, 1}, kNextYear, {2016, 3, 1}},
  };
  for (const auto& row : rows) {
    PickerState s = Open({2015, 6, 15}, kMin, kMax);
    s.displayed = row.shown;
    FillMonthGrid(s);
    RunPickerCommand(s, row.command);
    EXPECT_EQ(s.displayed, row.expected) << row.shown.year << "-" << row.shown.month << " command " << row.command;
    EXPECT_EQ(s.selected, (CalendarDate{2015, 6, 15}));  // the buttons move the view, not the selection
  }
  // The date line shows the selected date's month again; Backspace returns to
  // the initial date.
  PickerState s = Open({2015, 6, 15}, kMin, kMax);
  RunPickerCommand(s, kNextYear);
  RunPickerCommand(s, kDateLine);
  EXPECT_EQ(s.displayed, (CalendarDate{2015, 6, 1}));
  RunPickerCommand(s, kKeyCtrlEnd);
  RunPickerCommand(s, kKeyBackspace);
  EXPECT_EQ(s.selected, (CalendarDate{2015, 6, 15}));
}

// The worked examples of the dialog's keys.
TEST_F(PickerModelTest, KeysOnWorkedExamples) {
  constexpr CalendarDate kFirst{kFirstYear, 1, 1};
  constexpr CalendarDate kLast{kLastYear, 12, 31};
  constexpr int kWeekend = (1 << kSaturday) | (1 << kSunday);
  const struct {
    CalendarDate selected, minimum, maximum;
    int mask;
    std::vector<int> keys;
    CalendarDate expected;
  } rows[] = {
      {{2015, 12, 10}, {2015, 12, 10}, kLast, 0, {kKeyLeft}, {2015, 12, 10}},
      {{2015, 12, 15}, {2015, 12, 10}, kLast, 0, {kKeyUp}, {2015, 12, 15}},  // less than a week after the minimum
      {{2015, 6, 5}, kFirst, kLast, kWeekend, {kKeyRight}, {2015, 6, 8}},
      {{2015, 6, 5}, kFirst, kLast, kWeekend, {kKeyRight, kKeyLeft}, {2015, 6, 5}},
      // Page Up: to the month's first selectable day, then the previous month's.
      {{2015, 6, 15}, kFirst, kLast, kWeekend, {kKeyPageUp}, {2015, 6, 1}},
      {{2015, 6, 15}, kFirst, kLast, kWeekend, {kKeyPageUp, kKeyPageUp}, {2015, 5, 1}},
      {{2015, 12, 10}, {2015, 12, 10}, kLast, 0, {kKeyPageUp}, {2015, 12, 10}},   // at the minimum: stays
      {{2015, 12, 20}, {2015, 12, 10}, kLast, 0, {kKeyPageUp}, {2015, 12, 10}},   // in its month: to it
      {{2016, 1, 1}, {2015, 12, 10}, kLast, 0, {kKeyPageUp}, {2015, 12, 10}},     // into its month
      // Page Down: to the next month's first selectable day; in the maximum's
      // month to the maximum, or late in it, to the nearest day before.
      {{2015, 7, 15}, kFirst, kLast, kWeekend, {kKeyPageDown}, {2015, 8, 3}},
      {{2016, 3, 2}, kFirst, {2016, 3, 2}, 0, {kKeyPageDown}, {2016, 3, 2}},
      {{2016, 3, 1}, kFirst, {2016, 3, 20}, kWeekend, {kKeyPageDown}, {2016, 3, 18}},
      {{2016, 2, 10}, kFirst, {2016, 3, 20}, kWeekend, {kKeyPageDown}, {2016, 3, 1}},
      // Ctrl+Page Up: to January's first selectable day, then the year before's.
      {{2015, 6, 15}, {2015, 3, 10}, kLast, 0, {kKeyCtrlPageUp}, {2015, 3, 10}},
      {{2016, 6, 15}, kFirst, kLast, kWeekend, {kKeyCtrlPageUp}, {2016, 1, 1}},
      {{2017, 1, 2}, kFirst, kLast, kWeekend, {kKeyCtrlPageUp}, {2016, 1, 1}},
      {{2016, 1, 1}, {2014, 5, 1}, kLast, 0, {kKeyCtrlPageUp, kKeyCtrlPageUp}, {2014, 5, 1}},
      // Ctrl+Page Down: to next January's; in the maximum's year, to the
      // nearest day up to the maximum.
      {{2015, 6, 15}, kFirst, kLast, kWeekend, {kKeyCtrlPageDown}, {2016, 1, 1}},
      {{2016, 1, 10}, kFirst, {2016, 3, 20}, kWeekend, {kKeyCtrlPageDown}, {2016, 3, 18}},
      {{2016, 3, 18}, kFirst, {2016, 3, 18}, 0, {kKeyCtrlPageDown}, {2016, 3, 18}},
  };
  for (const auto& row : rows) {
    PickerState s = Open(row.selected, row.minimum, row.maximum, row.mask);
    for (const int key : row.keys) RunPickerCommand(s, key);
    EXPECT_EQ(s.selected, row.expected) << row.selected << " key " << row.keys.front();
  }
}

TEST_F(PickerModelTest, OkAndCancelEndThePicker) {
  PickerState s = Open({2015, 6, 15});
  EXPECT_EQ(RunPickerCommand(s, kPickerOk), kPickerAccepted);
  EXPECT_EQ(RunPickerCommand(s, kPickerCancel), kPickerCancelled);
  s.flags |= kPickerNoCancel;  // without its Cancel button, not by Escape either
  EXPECT_EQ(RunPickerCommand(s, kPickerCancel), kPickerStaysOpen);
}

TEST_F(PickerModelTest, TheCountdownAndWhatStopsIt) {
  PickerState s = Open({2015, 6, 15});
  s.timeout = 3;
  StartPicker(s);
  std::vector<std::u16string> texts{OkButtonText(s)};
  PickerEnd end = kPickerStaysOpen;
  for (int tick = 0; tick < 10 && end == kPickerStaysOpen; ++tick) {
    end = CountdownTick(s);
    texts.push_back(OkButtonText(s));
  }
  EXPECT_EQ(end, kPickerAccepted);
  EXPECT_EQ(texts, (std::vector<std::u16string>{u"OK - 3", u"OK - 2", u"OK - 1", u"OK - 0", u"OK - 0"}));

  // A key before the first tick leaves the countdown; after it, stops it.
  s.timeout = 3;
  StartPicker(s);
  NoteKeyEvent(s);
  EXPECT_EQ(OkButtonText(s), u"OK - 3");
  CountdownTick(s);
  NoteKeyEvent(s);
  EXPECT_EQ(OkButtonText(s), u"OK");
  for (int tick = 0; tick < 5; ++tick) EXPECT_EQ(CountdownTick(s), kPickerStaysOpen);

  // A navigation key stops it at once, for good.
  s.timeout = 3;
  StartPicker(s);
  RunPickerCommand(s, CommandOfKey(PickerKey::kRight, false, false));
  EXPECT_EQ(OkButtonText(s), u"OK");
  for (int tick = 0; tick < 5; ++tick) EXPECT_EQ(CountdownTick(s), kPickerStaysOpen);
}

// A surface that records every draw a view would make.
class CountingSurface final : public PickerSurface {
 public:
  std::vector<int> drawn;  // the control of each draw
  void SetText(int control, const std::u16string&) override { drawn.push_back(control); }
  void SetCellFont(int control, CellFont) override { drawn.push_back(control); }
  void ShowControl(int control, bool) override { drawn.push_back(control); }
  void EnableControl(int control, bool) override { drawn.push_back(control); }
  void Repaint(int control) override { drawn.push_back(control); }
};

// A view draws only what changed: each tick of a countdown redraws the OK
// button alone, a tick without one redraws nothing, and a move of the
// selection within the month redraws the two cells, the date line and the
// OK button that stops the countdown.
TEST_F(PickerModelTest, TheViewRedrawsOnlyWhatChanged) {
  PickerState s = Open({2015, 6, 15});
  s.timeout = 3;
  StartPicker(s);
  CountingSurface first;
  PickerFace shown = FaceOf(s);
  DrawChanges(nullptr, shown, first);
  EXPECT_GT(first.drawn.size(), 60u);  // everything, once
  const auto redraw = [&](auto change) {
    change();
    CountingSurface surface;
    const PickerFace next = FaceOf(s);
    DrawChanges(&shown, next, surface);
    shown = next;
    return surface.drawn;
  };
  EXPECT_EQ(redraw([&] { CountdownTick(s); }), std::vector<int>{kPickerOk});
  EXPECT_EQ(redraw([&] { CountdownTick(s); }), std::vector<int>{kPickerOk});
  const std::vector<int> moved = redraw([&] { RunPickerCommand(s, CommandOfKey(PickerKey::kRight, false, false)); });
  const int june15 = kFirstCell + 1 + 14;  // June 2015 starts on a Monday, the second column
  EXPECT_EQ(moved, (std::vector<int>{june15, june15 + 1, kDateLine, kPickerOk}));
  for (int tick = 0; tick < 3; ++tick) EXPECT_TRUE(redraw([&] { CountdownTick(s); }).empty()) << tick;
}

TEST_F(PickerModelTest, TheKeyMap) {
  const struct { PickerKey key; bool ctrl, shift; int command; } rows[] = {
      {PickerKey::kLeft, true, false, kKeyLeft},      {PickerKey::kPageUp, false, false, kKeyPageUp},
      {PickerKey::kPageUp, true, false, kKeyCtrlPageUp}, {PickerKey::kEnd, false, true, kKeyEnd},
      {PickerKey::kHome, true, false, kKeyCtrlHome},  {PickerKey::kPause, false, false, 0},
      {PickerKey::kPause, true, true, kRotateWeekdays}, {PickerKey::kOther, false, false, 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(CommandOfKey(row.key, row.ctrl, row.shift), row.command) << static_cast<int>(row.key);
  }
}

TEST_F(PickerModelTest, TitlesHeadersDateLineAndHolidays) {
  RefreshLocale();
  Locale().monthNames[12].Assign(u"décembre");
  Locale().abbreviatedWeekdayNames[kMonday].Assign(u"lu");
  ASSERT_EQ(AddHolidayRule(u"*-12-25"), kRuleAdded);
  PickerState s = Open({2015, 12, 11});
  s.flags = 0;
  s.marksYear = 0;
  FillMonthGrid(s);
  EXPECT_EQ(MonthTitle(s), u"décembre 2015");
  EXPECT_EQ(WeekdayHeader(s, 1), u"lu");
  EXPECT_NE(s.cells[25 + 1] & kCellHoliday, 0u);  // December 2015 starts on a Tuesday
  EXPECT_EQ(DateLine(s), u"2:2015-12-11:5:");  // the fake platform describes the long date it was asked for
  RunPickerCommand(s, CommandOfKey(PickerKey::kPause, false, true));
  EXPECT_EQ(s.firstWeekday, kMonday);
  EXPECT_EQ(SundayColumn(s), 6);
  EXPECT_EQ(WeekdayHeader(s, 0), u"lu");
  s.flags = kPickerEnglishNames | kPickerDateLineInOutputFormat;  // English names: the screen's picture
  s.outputFormat = kIsoWeekDate;
  EXPECT_EQ(DateLine(s), u"2015-W50-5");
}

// The dialog's template names its controls by the ids the commands use.
TEST(PickerCommands, AreTheIdsOfTheDialogTemplate) {
  std::ifstream rc(KALENDRA_RESOURCE_SCRIPT);
  ASSERT_TRUE(rc.is_open());
  std::map<std::string, int> ids;
  const std::regex control(R"re(CONTROL "([^"]*)", (\d+),)re");
  for (std::string line; std::getline(rc, line);) {
    std::smatch match;
    if (std::regex_search(line, match, control)) ids.emplace(match[1], std::stoi(match[2]));
  }
  const std::map<std::string, int> expected = {
      {"&OK", kPickerOk},       {"&Cancel", kPickerCancel}, {"<", kPreviousMonth}, {">", kNextMonth},
      {"<<", kPreviousYear},    {">>", kNextYear},          {"Text", kDateLine},   {"", kRotateWeekdays},
      {"XX", kFirstCell},
  };
  for (const auto& [text, id] : expected) EXPECT_EQ(ids[text], id) << text;
}

// ---- The terminal picture of the picker: one month drawn whole, styles marked,
// and every place a click can land read back as its command.
// A line as text; a styled run is written "{S|text}" with the style's letter.
std::string Markup(const ScreenLine& line) {
  static constexpr char kLetters[] = "-TBDHSdshuvwx";  // in the order of ScreenStyle
  std::string text;
  for (const ScreenRun& run : line) {
    if (run.style == ScreenStyle::kPlain) {
      text += ToUtf8(run.text);
    } else {
      text += std::string("{") + kLetters[static_cast<int>(run.style)] + "|" + ToUtf8(run.text) + "}";
    }
  }
  return text;
}

class PickerScreenTest : public KalendraTest {
 protected:
  void SetUp() override {
    KalendraTest::SetUp();
    state_.selected = {2015, 12, 13};
    state_.minimum = {2015, 12, 10};
    state_.flags = kPickerNoHolidays | kPickerEnglishNames;
    state_.timeout = 3;
    StartPicker(state_);
    state_.marks.At(12, 25) = 1;
    FillMonthGrid(state_);
  }
  PickerState state_;
};

TEST_F(PickerScreenTest, OneMonthDrawnWhole) {
  std::vector<std::string> lines;
  for (const ScreenLine& line : DrawPicker(state_)) lines.push_back(Markup(line));
  const std::vector<std::string> expected = {
      "{T|        Select Date         }",
      "",
      "{D|<<} {D|<}{T|   December 2015    }{B|>} {B|>>}",
      "",
      "{S|Sun }{H|Mon }{H|Tue }{H|Wed }{H|Thu }{H|Fri }{H|Sat }",
      "        {u|  1 }{u|  2 }{u|  3 }{u|  4 }{u|  5 }",
      "{u|  6 }{u|  7 }{u|  8 }{u|  9 }{d| 10 }{d| 11 }{d| 12 }",
      "{w| 13 }{d| 14 }{d| 15 }{d| 16 }{d| 17 }{d| 18 }{d| 19 }",
      "{s| 20 }{d| 21 }{d| 22 }{d| 23 }{d| 24 }{h| 25 }{d| 26 }",
      "{s| 27 }{d| 28 }{d| 29 }{d| 30 }{d| 31 }        ",
      "        ",
      "",
      "   Sunday, December 13, 2015",
      "",
      "      {B|[ Cancel ]}  {B|[ OK - 3 ]}",
  };
  EXPECT_EQ(lines, expected);
}

TEST_F(PickerScreenTest, ClicksLandOnTheCommandDrawnThere) {
  const std::map<std::string, int> kButtons = {
      {"<<", kPreviousYear}, {">", kNextMonth}, {"[ Cancel ]", kPickerCancel}, {"[ OK - 3 ]", kPickerOk}};
  const std::vector<ScreenLine> lines = DrawPicker(state_);
  for (int line = 0; line < static_cast<int>(lines.size()); ++line) {
    int column = 0;
    for (const ScreenRun& run : lines[static_cast<std::size_t>(line)]) {
      const std::string text = ToUtf8(run.text);
      for (std::size_t i = 0; i < run.text.size(); ++i, ++column) {
        const int command = CommandAt(state_, line, column);
        if (const auto button = kButtons.find(text); button != kButtons.end()) {
          EXPECT_EQ(command, button->second) << text;
        }
        const bool isDay = run.style != ScreenStyle::kPlain && line >= 5 && line <= 10;
        if (!isDay) continue;
        PickerState clicked = state_;
        ClickCell(clicked, command - kFirstCell, false);
        EXPECT_EQ(clicked.selected.day, run.style == ScreenStyle::kUnavailable ? 13 : std::stoi(text)) << text;
      }
    }
  }
  EXPECT_EQ(CommandAt(state_, 12, 3), kDateLine);
  EXPECT_EQ(CommandAt(state_, 1, 3), 0);
  EXPECT_EQ(CommandAt(state_, 14, 0), 0);  // before the buttons
}

// ---- @pickdate over the fake's scripted dialog: the defaults, the offsets, the
// moves off masked days, and the results of OK, Cancel and a dialog that
// fails, and every message in the order of the checks. The fake clock says
// today is Saturday 2015-03-07.
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
