// The longyears command: reports, settings, the usage text and the refusal
// of unknown options, with what it writes to each stream.
#include "calendar/long_years.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar_fixture.h"
#include "frame/text.h"
#include "services/testing.h"

namespace kalendra {
namespace {


struct CommandResult {
  int result;
  std::u16string out, err;
};

CommandResult RunLongYears(const std::u16string& tail) {
  std::u16string buffer = tail;
  int result = 0;
  const auto output = torvane::testing::CaptureOutput([&] { result = LongYearsCommand(buffer.data()); });
  return {result, output.out, output.err};
}

class LongYearsTest : public CalendarTest {
 protected:
  void SetUp() override {
    CalendarTest::SetUp();
    torvane::testing::ResetSession();
  }
};

TEST_F(LongYearsTest, OptionsSetTheModeInAnyCase) {
  const struct {
    LongYearsMode before;
    std::u16string tail;
    LongYearsMode after;
  } kTable[] = {
      {LongYearsMode::kOff, u"strict", LongYearsMode::kStrict},
      {LongYearsMode::kOff, u"StRiCt", LongYearsMode::kStrict},
      {LongYearsMode::kStrict, u"on", LongYearsMode::kOn},
      {LongYearsMode::kStrict, u"OFF", LongYearsMode::kOff},
      {LongYearsMode::kOff, u"on off", LongYearsMode::kOn},  // only the first word counts
      {LongYearsMode::kOff, u"  \"on\"  ", LongYearsMode::kOn},
      {LongYearsMode::kOn, u"strict junk", LongYearsMode::kStrict},
  };
  for (const auto& row : kTable) {
    SetLongYearsMode(row.before);
    const CommandResult run = RunLongYears(row.tail);
    EXPECT_EQ(run.result, 0) << ToUtf8(row.tail);
    EXPECT_EQ(CurrentLongYearsMode(), row.after) << ToUtf8(row.tail);
    EXPECT_EQ(run.out, u"") << ToUtf8(row.tail);
    EXPECT_EQ(run.err, u"") << ToUtf8(row.tail);
  }
}

TEST_F(LongYearsTest, NoArgumentReportsTheMode) {
  const struct {
    LongYearsMode mode;
    std::u16string report;
  } kTable[] = {
      {LongYearsMode::kOff, u"LONGYEARS is OFF\r\n"},
      {LongYearsMode::kOn, u"LONGYEARS is ON\r\n"},
      {LongYearsMode::kStrict, u"LONGYEARS is STRICT\r\n"},
  };
  for (const auto& row : kTable) {
    SetLongYearsMode(row.mode);
    for (const std::u16string tail : {u"", u"   "}) {
      const CommandResult run = RunLongYears(tail);
      EXPECT_EQ(run.result, 0);
      EXPECT_EQ(run.out, row.report) << "tail [" << ToUtf8(tail) << "]";
      EXPECT_EQ(CurrentLongYearsMode(), row.mode);
    }
  }
}

TEST_F(LongYearsTest, UnknownOptionsFailAndKeepTheMode) {
  const struct {
    std::u16string tail, named;
  } kTable[] = {
      {u"yes", u"YES"}, {u"onn", u"ONN"}, {u"o", u"O"}, {u"/on", u"/ON"}, {u"?", u"?"}, {u"/", u"/"},
      {u"strict/?", u"STRICT/?"},
  };
  for (const auto& row : kTable) {
    SetLongYearsMode(LongYearsMode::kOn);
    const CommandResult run = RunLongYears(row.tail);
    EXPECT_EQ(run.result, -1) << ToUtf8(row.tail);
    EXPECT_EQ(run.out, u"") << ToUtf8(row.tail);
    EXPECT_EQ(run.err, u"KALENDRA plugin: Unknown LONGYEARS option \"" + row.named + u"\"\r\n") << ToUtf8(row.tail);
    EXPECT_EQ(CurrentLongYearsMode(), LongYearsMode::kOn) << ToUtf8(row.tail);
  }
}

TEST_F(LongYearsTest, UsageForSlashQuestionMarkAndAnythingAfterIt) {
  const std::u16string kUsage =
      u"Enable or disable two-digit years in local date formats.\n\n"
      u"LONGYEARS [OFF | ON | STRICT]\r\n\r\n"
      u"\tOFF:\toutput two-digit years in formats 0-3 (default)\n"
      u"\tON:\toutput four-digit years in formats 0-3\n"
      u"\tSTRICT:\talso require four-digit years in all input dates  \n";
  for (const std::u16string tail : {u"/?", u"/?x", u"/?  on"}) {
    SetLongYearsMode(LongYearsMode::kStrict);
    const CommandResult run = RunLongYears(tail);
    EXPECT_EQ(run.result, 0) << ToUtf8(tail);
    EXPECT_EQ(run.out, kUsage) << ToUtf8(tail);
    EXPECT_EQ(CurrentLongYearsMode(), LongYearsMode::kStrict) << ToUtf8(tail);
  }
}

TEST_F(LongYearsTest, InABatchFileTheMessageNamesTheFileAndLine) {
  torvane::testing::SetBatchContext(1, u"setup.btm", 7);
  const CommandResult run = RunLongYears(u"yes");
  EXPECT_EQ(run.err, u"KALENDRA plugin: setup.btm [7]  Unknown LONGYEARS option \"YES\"\r\n");
  torvane::testing::ResetSession();
}

}  // namespace
}  // namespace kalendra
