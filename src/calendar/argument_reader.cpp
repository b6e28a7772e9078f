// The shared argument readers and the answer writers.
#include "calendar/argument_reader.h"

#include <string>

#include "calendar/date_format.h"
#include "calendar/date_grammar.h"
#include "calendar/locale_snapshot.h"
#include "calendar/today.h"
#include "frame/errors.h"
#include "frame/numbers.h"

namespace kalendra {

ArgumentReader::ArgumentReader(const KChar* text, Separators separators) {
  SplitArguments(text, separators == Separators::kSpacesAndCommas);
  RefreshLocale();
}

void ArgumentReader::Check(bool ok, int n, Message message) {
  if (failed_ || ok) return;
  ReportArgumentError(message, n);
  failed_ = true;
}

void ArgumentReader::CheckQuoting(bool ok, Message message, std::u16string_view quoted) {
  if (failed_ || ok) return;
  ReportError(message, std::u16string(quoted).c_str());  // made zero-terminated only now
  failed_ = true;
}

DateFormat ArgumentReader::Format(int n, DateFormat fallback) {
  return static_cast<DateFormat>(Number(n, static_cast<int>(fallback), kInvalidDateFormatMessage));
}

CalendarDate ArgumentReader::Date(int n, DateFormat format, Message message) {
  if (failed_) return {};
  if (Argument(n).empty()) return Today();
  CalendarDate date;
  Check(ParseDate(Argument(n), date, format) == 0, n, message);
  return date;
}

std::int64_t ArgumentReader::SignedNumber(int n, Message message, std::int64_t min, std::int64_t max) {
  if (failed_) return 0;
  const std::optional<std::int64_t> value = ParseSignedNumber(Argument(n));
  Check(value && *value >= min && *value <= max, n, message);
  return failed_ ? 0 : *value;
}

int ArgumentReader::Number(int n, int fallback, Message message, int min, int max) {
  if (failed_) return 0;
  if (Argument(n).empty()) return fallback;
  const int value = ParseNumber(Argument(n));
  Check(value >= 0 && value >= min && value <= max, n, message);
  return failed_ ? 0 : value;
}

int ArgumentReader::Parsed(int n, int (*parse)(std::u16string_view), int fallback, Message message) {
  if (failed_) return 0;
  if (Argument(n).empty()) return fallback;
  const int value = parse(Argument(n));
  Check(value >= 0, n, message);
  return failed_ ? 0 : value;
}

DateFormat LocaleFormat() { return static_cast<DateFormat>(Locale().dateOrder); }

int WriteDate(KChar* buffer, std::int64_t day, DateFormat format) {
  if (day < kFirstDay || day > kLastDay) return ReportError(kOutOfRangeMessage);
  return FormatDate(buffer, FromDayNumber(static_cast<DayNumber>(day)), format);
}

int AnswerText(KChar* buffer, std::u16string_view text) {
  CopyText(buffer, kHostBufferLength, text);
  return 0;
}

int AnswerNumber(KChar* buffer, std::int64_t value, int minimumDigits) {
  return AnswerText(buffer, NumberText(value, minimumDigits).View());
}

}  // namespace kalendra
