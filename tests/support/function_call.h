// Calls a variable function as the shell would: the text in a buffer of the
// shell's size, what the function writes to each stream captured.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "frame/errors.h"
#include "contract/host_interface.h"
#include "frame/text.h"
#include "platform/fake/fake_platform.h"
#include "services/testing.h"
#include "support/text_printing.h"

namespace kalendra::test {

struct FunctionOutcome {
  int status = 0;
  std::u16string result;  // the buffer after a call that returned 0
  std::u16string out;
  std::u16string err;
};

inline FunctionOutcome CallFunction(int (*function)(KChar*), std::u16string_view text) {
  std::array<KChar, kHostBufferLength> buffer{};
  CopyText(buffer.data(), buffer.size(), text);
  FunctionOutcome outcome;
  torvane::testing::CapturedOutput captured =
      torvane::testing::CaptureOutput([&] { outcome.status = function(buffer.data()); });
  outcome.out = std::move(captured.out);
  outcome.err = std::move(captured.err);
  if (outcome.status == 0) outcome.result = buffer.data();
  return outcome;
}

// What a table row expects: a result, or (after "! ") the one message that
// follows the library's prefix and ends the call with kErrorResult.
inline FunctionOutcome Expected(std::u16string_view expected) {
  if (expected.starts_with(u"! ")) {
    return {kErrorResult, u"", u"", u"KALENDRA plugin: " + std::u16string(expected.substr(2)) + u"\r\n"};
  }
  return {0, std::u16string(expected), u"", u""};
}

inline bool operator==(const FunctionOutcome& a, const FunctionOutcome& b) {
  return a.status == b.status && a.result == b.result && a.out == b.out && a.err == b.err;
}

inline void PrintTo(const FunctionOutcome& outcome, std::ostream* os) {
  *os << "status " << outcome.status << " result \"" << ToUtf8(outcome.result) << "\" stdout \""
      << ToUtf8(outcome.out) << "\" stderr \"" << ToUtf8(outcome.err) << "\"";
}

// One row of a function table: the function, its text, and what it gives.
struct FunctionRow {
  const char* name;
  int (*function)(KChar*);
  std::u16string_view text;
  std::u16string_view expected;
};

// Calls each row's function and compares; a failing row names its call.
inline void ExpectRows(std::initializer_list<FunctionRow> rows) {
  for (const FunctionRow& row : rows) {
    EXPECT_EQ(CallFunction(row.function, row.text), Expected(row.expected)) << row.name << "[" << Narrow(row.text) << "]";
  }
}

// Every test starts from the fake platform's defaults and a shell outside
// any batch file.
class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::Reset();
    torvane::testing::ResetSession();
  }
};

}  // namespace kalendra::test
