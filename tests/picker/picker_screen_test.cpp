// The terminal picture of the picker: one month drawn whole, styles marked,
// and every place a click can land read back as its command.
#include "support/kit.h"

#include <map>

#include "picker/picker_screen.h"

namespace {

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
}

}  // namespace
