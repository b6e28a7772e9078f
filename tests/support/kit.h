// What every unit test of the plug-in starts from: GoogleTest, the plug-in's
// headers, one fixture that resets all process state, a caller of the
// plug-in's names with its tables, and readable texts in failure messages.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_format.h"
#include "calendar/date_grammar.h"
#include "calendar/day_number.h"
#include "calendar/holiday_year.h"
#include "calendar/locale_snapshot.h"
#include "calendar/long_years.h"
#include "contract/host_interface.h"
#include "frame/errors.h"
#include "frame/feature_entries.h"
#include "frame/features.h"
#include "frame/text.h"
#include "holidays/mark_holidays.h"
#include "holidays/rule_list.h"
#include "platform/fake/fake_platform.h"
#include "services/testing.h"

namespace kalendra::test {

// The step of the walks over the whole range: 1 natively; in the sanitizer
// build, many times slower, a prime (so that weekdays, month ends and leap
// years all come round).
#ifdef KALENDRA_EXHAUSTIVE_STRIDE
inline constexpr int kExhaustiveStride = KALENDRA_EXHAUSTIVE_STRIDE;
#endif

inline const char* ModeName(LongYearsMode mode) {
  return mode == LongYearsMode::kOff ? "OFF" : mode == LongYearsMode::kOn ? "ON" : "STRICT";
}

// UTF-8 form of a UTF-16 text, for messages.
inline std::string Narrow(std::u16string_view text) { return ToUtf8(text); }

// "yyyy-mm-dd", written independently of the code under test.
std::u16string IsoText(const CalendarDate& date);

// What a call gave: its status, the buffer after a call that returned 0, and
// what it wrote to each stream.
struct FunctionOutcome {
  int status = 0;
  std::u16string result;
  std::u16string out;
  std::u16string err;
  bool operator==(const FunctionOutcome&) const = default;
};
void PrintTo(const FunctionOutcome& outcome, std::ostream* os);

// Calls a routine as the shell would: the text in a buffer of the shell's
// size, the streams captured.
FunctionOutcome CallFunction(int (*function)(KChar*), std::u16string_view text);

// Calls the plug-in's name ("@dateplus", "_isoweek", "qcal") through the
// feature table.
FunctionOutcome Call(std::u16string_view name, std::u16string_view text);

// One call of a table: the text, and the result or (after "! ") the one
// message that follows the library's prefix and ends the call with
// kErrorResult.
struct Case { std::u16string_view text; std::u16string_view expected; };

// What a case expects, as an outcome.
FunctionOutcome Expected(std::u16string_view expected);

// Calls the name with each case's text and compares; a failing case names
// its call.
void ExpectCalls(std::u16string_view name, std::initializer_list<Case> cases);

enum class FileEncoding { kEightBit, kUtf16WithBom };

// Every test starts and ends in the state of a freshly loaded plug-in in a
// shell outside any batch file: the fake platform's defaults (US English,
// the fake clock's Saturday 2015-03-07), LONGYEARS OFF, no holiday year and
// no holiday rule, the plug-in's names registered with the in-process shell
// (so that an expansion calls back into them), and a fresh, empty folder as
// the plug-in's folder.
class KalendraTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The locale's default date order (1, 2 or 3) and date separator, read
  // into the snapshot.
  static void UseLocaleOrder(int order, std::u16string separator = u"/");

  // Writes "holidays.ini" into the plug-in's folder; text is UTF-8 here and
  // is stored as Latin-1 bytes or as UTF-16LE after a byte-order mark.
  void WriteHolidayFile(std::string_view text, FileEncoding encoding = FileEncoding::kEightBit) const;

  // The days MarkHolidays marks in the year, as "MM-DD", in calendar order;
  // what the rules wrote to stderr goes to err when asked for.
  static std::vector<std::string> MarkedDays(int year, std::u16string* err = nullptr);

  // The rules of the list, newest first.
  static std::vector<std::u16string> LoadedRules();

  std::filesystem::path folder_;
};

}  // namespace kalendra::test

namespace kalendra {
inline std::ostream& operator<<(std::ostream& os, const CalendarDate& date) {
  return os << date.year << "-" << date.month << "-" << date.day;
}
}  // namespace kalendra

using namespace kalendra;        // NOLINT: the tests' own language
using namespace kalendra::test;  // NOLINT
