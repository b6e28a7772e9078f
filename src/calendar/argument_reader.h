// ArgumentReader: the one way every variable function takes its arguments,
// in the order of its checks, with their messages; and the one way a
// function or variable writes its answer. The messages that several
// functions write are defined here, once.
#pragma once

#include <cstdint>
#include <string_view>

#include "calendar/date_format_word.h"
#include "calendar/day_number.h"
#include "contract/host_interface.h"
#include "frame/arguments.h"
#include "frame/errors.h"
#include "frame/numbers.h"

namespace kalendra {

// The messages that several functions write.
inline constexpr Message kInvalidDateMessage = u"Invalid date \"%s\"";
inline constexpr Message kInvalidDateFormatMessage = u"Invalid date format \"%s\"";
inline constexpr Message kOutOfRangeMessage = u"Resulting date out of range";
inline constexpr Message kNoDateMessage = u"No date";
inline constexpr Message kNoMonthMessage = u"No month";
inline constexpr Message kBadMonthMessage = u"Bad month \"%s\"";
inline constexpr Message kInvalidYearMessage = u"Invalid year \"%s\"";
inline constexpr Message kBadWeekdayMessage = u"Bad day-of-the-week \"%s\"";
inline constexpr Message kBadIndexMessage = u"Bad index \"%s\"";
inline constexpr Message kBadOffsetMessage = u"Bad offset \"%s\"";
inline constexpr Message kBadFlagsMessage = u"Bad flags \"%s\"";
inline constexpr Message kInvalidFlagsMessage = u"Invalid flags \"%s\"";
inline constexpr Message kBadFormatMessage = u"Bad format \"%s\"";
inline constexpr Message kBadOptionMessage = u"Bad option \"%s\"";
inline constexpr Message kInvalidModeMessage = u"Invalid mode \"%s\"";
inline constexpr Message kInvalidNumberMessage = u"Invalid number \"%s\"";

enum class Separators { kSpacesAndCommas, kCommasOnly };

// Reads the arguments of one call in order. The first reader that meets a
// bad argument writes its message and fails the call; every reader after it
// does nothing and returns a zero value, and the function ends with
// kErrorResult once it sees Failed(). Messages with "%s" quote the argument.
class ArgumentReader {
 public:
  // Splits the function's text, then refreshes the locale.
  ArgumentReader(const KChar* text, Separators separators);

  bool Failed() const { return failed_; }

  // Fails with the message (quoting argument n) unless ok.
  void Check(bool ok, int n, Message message);
  // Fails with the message quoting a text of the caller's (a part of an
  // argument) unless ok.
  void CheckQuoting(bool ok, Message message, std::u16string_view quoted);
  // Fails with the message when argument n is empty.
  void Require(int n, Message message) { Check(HasArgument(n), n, message); }

  // A date format number: fallback when empty, else digits only.
  DateFormat Format(int n, DateFormat fallback);
  // A date read in the format's order; today when empty.
  CalendarDate Date(int n, DateFormat format, Message message);
  DayNumber Day(int n, DateFormat format, Message message) { return ToDayNumber(Date(n, format, message)); }
  // A whole signed number within min..max.
  std::int64_t SignedNumber(int n, Message message, std::int64_t min = -kMaxSignedNumber,
                            std::int64_t max = kMaxSignedNumber);
  // Digits only, within min..max; fallback when empty.
  int Number(int n, int fallback, Message message, int min = 0, int max = kMaxNumber);
  // Argument n read by a parser of the caller's, which returns true when it
  // could read the text; fails with the message quoting it otherwise.
  template <typename Parser>
  void ReadWith(int n, Message message, Parser&& parse) {
    if (!failed_) Check(parse(Argument(n)), n, message);
  }
  // Argument n read by a parser such as ParseMonth, which gives -1 for a
  // text it cannot read; fallback when empty.
  int Parsed(int n, int (*parse)(std::u16string_view), int fallback, Message message);

 private:
  bool failed_ = false;
};

// The locale's default date order as a format number: the default format
// of the functions whose two-digit years follow the long-year setting.
DateFormat LocaleFormat();

// Writes the date of a day number in the format, or reports "Resulting date
// out of range" for a day outside the calendar. Returns 0 or kErrorResult.
int WriteDate(KChar* buffer, std::int64_t day, DateFormat format);

// Writes a text (which need not be zero-terminated). Returns 0.
int AnswerText(KChar* buffer, std::u16string_view text);

// Writes a number in decimal, zero-filled to minimumDigits, as "%d" (or
// "%02d" ...) writes it. Returns 0.
int AnswerNumber(KChar* buffer, std::int64_t value, int minimumDigits = 1);

}  // namespace kalendra
