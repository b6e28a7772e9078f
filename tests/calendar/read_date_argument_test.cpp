// The shared argument readers: what each reads, and the exact message and
// result of each refusal.
#include <gtest/gtest.h>

#include <string>

#include "calendar/date_grammar.h"
#include "calendar_fixture.h"
#include "frame/arguments.h"
#include "frame/errors.h"
#include "frame/text.h"
#include "services/testing.h"

namespace kalendra {
namespace {


class ReadDateArgumentTest : public CalendarTest {
 protected:
  void SetUp() override {
    CalendarTest::SetUp();
    torvane::testing::ResetSession();
  }
};

constexpr CalendarDate kUntouched{1234, 5, 6};

TEST_F(ReadDateArgumentTest, ReadsTheDateInTheOrderAsked) {
  UseLocaleOrder(2);
  const struct {
    std::u16string text;
    CalendarDate expected;
  } kTable[] = {
      {u"", {2015, 3, 7}},
      {u"  ", {2015, 3, 7}},
      {u"2015-12-25", {2015, 12, 25}},
      {u"  2015-12-25  ", {2015, 12, 25}},
      {u"\"2015-12-25\"", {2015, 12, 25}},
      {u"3/7/15", {2015, 7, 3}},          // the locale's day-month-year
      {u"3/7/15,1", {2015, 3, 7}},
      {u"3/7/15 1", {2015, 3, 7}},        // white space separates too
      {u"3/7/15,3", {2003, 7, 15}},
      {u"3/7/15,7", {2015, 7, 3}},        // not an order: the locale's
      {u"3/7/15,257", {2015, 3, 7}},      // bits 0-7 choose
      {u",1", {2015, 3, 7}},              // empty: today
      {u"T+1,,y", {2015, 3, 8}},          // more arguments are not examined here
  };
  for (const auto& row : kTable) {
    std::u16string buffer = row.text;
    CalendarDate date = kUntouched;
    int result = 0;
    const auto output = torvane::testing::CaptureOutput([&] { result = ReadDateArgument(buffer.data(), date); });
    EXPECT_EQ(result, 0) << ToUtf8(row.text);
    EXPECT_EQ(date, row.expected) << ToUtf8(row.text);
    EXPECT_EQ(output.err, u"") << ToUtf8(row.text);
  }
}

TEST_F(ReadDateArgumentTest, RefusalsNameTheArgument) {
  const struct {
    std::u16string text;
    std::u16string message;
  } kTable[] = {
      {u"2015-02-29", u"Invalid date \"2015-02-29\""},
      {u"x", u"Invalid date \"x\""},
      {u"\" 2015-02-29 \"", u"Invalid date \"2015-02-29\""},  // trimmed before it is quoted
      {u"12/25/15,2", u"Invalid date \"12/25/15\""},
      {u"2015-12-25,x", u"Invalid date format \"x\""},
      {u"2015-12-25,-1", u"Invalid date format \"-1\""},
      {u"2015-12-25,+1", u"Invalid date format \"+1\""},
      {u",x", u"Invalid date format \"x\""},       // even without a date
      {u"x,x", u"Invalid date format \"x\""},      // the format is checked first
      {u"%s%n,1", u"Invalid date \"%s%n\""},       // the argument is text, not a format
  };
  for (const auto& row : kTable) {
    std::u16string buffer = row.text;
    CalendarDate date = kUntouched;
    int result = 0;
    const auto output = torvane::testing::CaptureOutput([&] { result = ReadDateArgument(buffer.data(), date); });
    EXPECT_EQ(result, kErrorResult) << ToUtf8(row.text);
    EXPECT_EQ(output.err, u"KALENDRA plugin: " + row.message + u"\r\n") << ToUtf8(row.text);
    EXPECT_EQ(output.out, u"") << ToUtf8(row.text);
  }
}

TEST_F(ReadDateArgumentTest, ReadDateFormatArgument) {
  const struct {
    std::u16string text;
    int n;
    DateFormat fallback;
    int result;
    DateFormat expected;
  } kTable[] = {
      {u"a,,c", 2, 256, 0, 256},       {u"a,33,c", 2, 256, 0, 33},      {u"a,0", 2, 256, 0, 0},
      {u"a,b,99999999999", 3, 4, 0, 2147483647}, {u"a", 5, 17, 0, 17},  {u"a,b", 2, 256, kErrorResult, 99},
      {u"a,3x", 2, 256, kErrorResult, 99},
  };
  for (const auto& row : kTable) {
    SplitArguments(row.text.c_str(), true);
    DateFormat format = 99;
    int result = 0;
    const auto output =
        torvane::testing::CaptureOutput([&] { result = ReadDateFormatArgument(row.n, row.fallback, format); });
    EXPECT_EQ(result, row.result) << ToUtf8(row.text);
    EXPECT_EQ(format, row.expected) << ToUtf8(row.text);
    const std::u16string message =
        row.result == 0 ? u""
                        : u"KALENDRA plugin: Invalid date format \"" + std::u16string(Argument(row.n)) + u"\"\r\n";
    EXPECT_EQ(output.err, message) << ToUtf8(row.text);
  }
}

}  // namespace
}  // namespace kalendra
