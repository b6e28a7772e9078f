// @pickdate's arguments, checked in their order, and the starting state of
// the dialog.
#include "picker/pick_date.h"

#include <array>
#include <cstdint>
#include <string>

#include "calendar/date_format.h"
#include "calendar/locale_snapshot.h"
#include "calendar/names.h"
#include "calendar/today.h"
#include "calendar/argument_reader.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "frame/text.h"
#include "holidays/holiday_file.h"
#include "picker/picker_view.h"
#include "platform/platform.h"

namespace kalendra {
namespace {

constexpr DateFormat kDefaultPickerFormat = kFourDigitYearBit;  // the locale's order, four-digit years
constexpr CalendarDate kClampedFirst{1980, 1, 1};
constexpr CalendarDate kClampedLast{2099, 12, 31};
constexpr std::u16string_view kMaskMessage = u"Invalid days-of-the-week mask \"%s\"";

struct RangeEndMessages {
  std::u16string_view offset;
  std::u16string_view date;
};
constexpr RangeEndMessages kMinimumMessages{u"Invalid minimum date \"%s\" (offset)", u"Invalid minimum date \"%s\""};
constexpr RangeEndMessages kMaximumMessages{u"Invalid maximum date \"%s\" (offset)", u"Invalid maximum date \"%s\""};

// "+" or "-" and a digit: a count of days, whatever follows it.
bool IsOffset(std::u16string_view text) {
  return text.size() >= 2 && (text[0] == u'+' || text[0] == u'-') && IsDigit(text[1]);
}

// Argument n as an end of the range: days from the date `from`, or a date.
// False when the argument is empty or bad (then the reader has failed).
bool ReadRangeEnd(ArgumentReader& read, int n, DateFormat order, const CalendarDate& from,
                  const RangeEndMessages& messages, CalendarDate& end) {
  if (read.Failed() || !HasArgument(n)) return false;
  const std::u16string_view text = Argument(n);
  if (!IsOffset(text)) {
    end = read.Date(n, order, messages.date);
    return !read.Failed();
  }
  std::size_t pos = 0;
  const std::int64_t day = ToDayNumber(from) + ReadSignedNumber(text, pos).value_or(0);
  read.Check(day >= kFirstDay && day <= kLastDay, n, messages.offset);
  if (read.Failed()) return false;
  end = FromDayNumber(static_cast<DayNumber>(day));
  return true;
}

// A date as the range messages write it: in the output format when that is
// a numeric local or ISO format, else in the locale's order.
std::u16string MessageDate(const CalendarDate& date, DateFormat format) {
  DateText text;
  FormatDate(text.data(), date, FormatNumber(format) < kIsoWeekDate ? format : kDefaultPickerFormat);
  return text.data();
}

int ReportRange(std::u16string_view message, const PickerState& state) {
  return ReportError(message, MessageDate(state.minimum, state.outputFormat).c_str(),
                     MessageDate(state.maximum, state.outputFormat).c_str());
}

}  // namespace

bool AdjustInitialDate(PickerState& state) {
  if (state.weekdayMask == kEveryDayMask) return false;
  const DayNumber day = ToDayNumber(state.selected);
  if (!IsMaskedDay(state, day)) return true;
  DayNumber next = day + 1;
  while (IsMaskedDay(state, next)) ++next;
  DayNumber previous = day - 1;
  while (IsMaskedDay(state, previous)) --previous;
  const bool previousFits = previous >= ToDayNumber(state.minimum);
  const bool nextFits = next <= ToDayNumber(state.maximum);
  if (!previousFits && !nextFits) return false;
  bool takeNext = !previousFits;
  if (previousFits && nextFits) {
    const PickerFlags way = state.flags & (kPickerMoveEarlier | kPickerMoveLater);
    takeNext = way == kPickerMoveLater || ((way == 0 || way == (kPickerMoveEarlier | kPickerMoveLater)) &&
                                           next - day < day - previous);
  }
  state.selected = FromDayNumber(takeNext ? next : previous);
  return true;
}

int PickDateFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kCommasOnly);  // a title may hold blanks
  PickerState& state = Picker();
  state = PickerState{};
  state.selected = Today();
  state.title = Argument(1);  // the rules the grid marks holidays with split arguments of their own
  const auto format = static_cast<DateFormat>(read.Number(3, kDefaultPickerFormat, u"Invalid format \"%s\""));
  const DateFormat order = static_cast<DateFormat>(FormatNumber(format));
  int mask = read.Parsed(8, ParseWeekdayList, 0, kMaskMessage);
  read.Check(mask != kEveryDayMask, 8, kMaskMessage);
  const auto flags = static_cast<PickerFlags>(read.Number(6, 0, kInvalidFlagsMessage));
  const bool hasInitialDate = HasArgument(2);
  if (hasInitialDate) state.selected = read.Date(2, order, u"Invalid initial date \"%s\"");
  const bool hasMinimum = ReadRangeEnd(read, 4, order, state.selected, kMinimumMessages, state.minimum);
  const bool hasMaximum = ReadRangeEnd(read, 5, order, state.selected, kMaximumMessages, state.maximum);
  const int leftColumn = read.Parsed(7, ParseWeekday, Locale().firstWeekday, u"Invalid left-column day value \"%s\"");
  const int timeout = read.Number(9, 0, u"Invalid timeout \"%s\"", 0, static_cast<int>(kMaxPickerTimeout));
  if (read.Failed()) return kErrorResult;

  state.firstWeekday = leftColumn;
  state.flags = flags;
  state.outputFormat = format;
  state.timeout = static_cast<unsigned>(timeout);
  if ((flags & kPickerClampRange) != 0) {
    if (state.minimum.year < kClampedFirst.year) state.minimum = kClampedFirst;
    if (state.maximum.year > kClampedLast.year) state.maximum = kClampedLast;
  }
  state.weekdayMask = (flags & kPickerMaskWeekend) != 0 ? kWeekendMask : mask;
  const DayNumber minimum = ToDayNumber(state.minimum);
  const DayNumber maximum = ToDayNumber(state.maximum);
  if (minimum > maximum) return ReportRange(u"Invalid date range %s - %s", state);
  // Without an initial date, a range that lies wholly after or before today
  // opens on its nearer end.
  const DayNumber today = ToDayNumber(state.selected);
  if (!hasInitialDate && hasMinimum && today < minimum) {
    state.selected = state.minimum;
  } else if (!hasInitialDate && hasMaximum && today > maximum) {
    state.selected = state.maximum;
  }
  const DayNumber selected = ToDayNumber(state.selected);
  if (selected < minimum || selected > maximum) {
    return ReportError(u"Date %s not in range %s - %s", MessageDate(state.selected, format).c_str(),
                       MessageDate(state.minimum, format).c_str(), MessageDate(state.maximum, format).c_str());
  }
  if (!AdjustInitialDate(state)) return ReportRange(u"No unmasked days in range %s - %s", state);
  if ((flags & kPickerNoHolidays) == 0) LoadHolidayRules();

  StartPicker(state);
  HoldSignals();
  const int end = RunPickerView(state);
  if (end == kPickerAccepted) return FormatDate(buffer, state.selected, format);
  if (end == kPickerCancelled) return AnswerText(buffer, u"*CANCEL*");
  AnswerText(buffer, u"Dialog error " + std::u16string(NumberText(end).View()));
  return -1;
}

}  // namespace kalendra
