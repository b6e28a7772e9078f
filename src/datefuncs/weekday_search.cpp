// Weekday searches over a day mask: @dowis and @nextdow.
#include "datefuncs/weekday_search.h"

#include <bit>
#include <cstdlib>
#include <optional>

#include "calendar/date_format_word.h"
#include "calendar/names.h"
#include "calendar/argument_reader.h"
#include "frame/errors.h"

namespace kalendra {
namespace {

int ListedDaysPerWeek(int mask) { return std::popcount(static_cast<unsigned>(mask & kEveryDayMask)); }

// Argument 1 of both functions. A list that leaves no day is as bad as one
// that cannot be read.
int ReadDayMask(ArgumentReader& read) {
  constexpr std::u16string_view kInvalidList = u"Invalid days-of-the-week list \"%s\"";
  read.Require(1, u"Missing days-of-the-week list");
  const int mask = read.Parsed(1, ParseWeekdayList, 0, kInvalidList);
  read.Check(mask != 0, 1, kInvalidList);
  return mask;
}

// The search index: a signed number at the start of argument n, whatever
// follows it ("2x" is 2); 1 when the argument is empty.
int ReadSearchIndex(ArgumentReader& read, int n) {
  if (!HasArgument(n) || read.Failed()) return 1;
  std::size_t end = 0;
  const std::optional<std::int64_t> index = ReadSignedNumber(Argument(n), end);
  read.Check(index && std::abs(*index) <= kMaxSearchIndex, n, kBadIndexMessage);
  return read.Failed() ? 0 : static_cast<int>(*index);
}

}  // namespace

bool IsListedDay(DayNumber day, int mask) {
  // A floored remainder: a search may step to day 0 and below before the
  // range check refuses its result.
  const int weekday = (day % kDaysPerWeek + kDaysPerWeek) % kDaysPerWeek;
  return ((mask >> weekday) & 1) != 0;
}

DayNumber StepToListedDay(DayNumber day, int index, int mask) {
  const int perWeek = ListedDaysPerWeek(mask);
  if (perWeek == 0) return kInvalidDay;
  // Every whole week holds perWeek listed days.
  for (; index > perWeek; index -= perWeek) day += kDaysPerWeek;
  for (; index < -perWeek; index += perWeek) day -= kDaysPerWeek;
  if (index == 0) {
    while (!IsListedDay(day, mask)) ++day;
    return day;
  }
  const int step = index > 0 ? 1 : -1;
  for (int left = std::abs(index); left > 0;) {
    day += step;
    if (IsListedDay(day, mask)) --left;
  }
  return day;
}

int DowIsFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kCommasOnly);
  const int mask = ReadDayMask(read);
  const DateFormat format = read.Format(3, LocaleFormat());
  const DayNumber day = read.Day(2, format, kInvalidDateMessage);
  if (read.Failed()) return kErrorResult;
  return AnswerText(buffer, IsListedDay(day, mask) ? u"1" : u"0");
}

int NextDowFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kCommasOnly);
  const int mask = ReadDayMask(read);
  const DateFormat format = read.Format(4, kFourDigitYearBit);
  const DayNumber start = read.Day(2, format, kInvalidDateMessage);
  const int index = ReadSearchIndex(read, 3);
  if (read.Failed()) return kErrorResult;
  return WriteDate(buffer, StepToListedDay(start, index, mask), format);
}

}  // namespace kalendra
