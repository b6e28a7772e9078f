// The error prefix and the one way a function reports a message.
#include "support/kit.h"

namespace {

using ErrorsTest = KalendraTest;

std::u16string ReportedText(std::u16string_view argument) {
  int status = 0;
  const auto output = torvane::testing::CaptureOutput(
      [&] { status = ReportError(u"Invalid date \"%s\"", std::u16string(argument).c_str()); });
  EXPECT_EQ(status, kErrorResult);
  EXPECT_TRUE(output.out.empty());
  return output.err;
}

TEST_F(ErrorsTest, OutsideABatchFileOnlyThePrefix) {
  EXPECT_EQ(ReportedText(u"2015-02-29"), u"KALENDRA plugin: Invalid date \"2015-02-29\"\r\n");
}

TEST_F(ErrorsTest, InsideABatchFileTheNameAndLineFollow) {
  torvane::testing::SetBatchContext(1, u"C:\\scripts\\dates.btm", 12);
  EXPECT_EQ(ReportedText(u"x"), u"KALENDRA plugin: C:\\scripts\\dates.btm [12]  Invalid date \"x\"\r\n");
}

TEST_F(ErrorsTest, ABatchNameIsLiteralTextNotAFormat) {
  torvane::testing::SetBatchContext(2, u"/tmp/100%s%d.btm", 3);
  EXPECT_EQ(ReportedText(u"%s"), u"KALENDRA plugin: /tmp/100%s%d.btm [3]  Invalid date \"%s\"\r\n");
}

}  // namespace
