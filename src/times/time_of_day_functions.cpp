// @istime, @timeparts and @timefmt: a time of day read and written as it is.
#include <string>

#include "calendar/locale_snapshot.h"
#include "frame/arguments.h"
#include "frame/errors.h"
#include "frame/text.h"
#include "times/time_format.h"
#include "times/time_functions.h"
#include "times/time_grammar.h"
#include "times/time_readers.h"

namespace kalendra {
namespace {

// The bits that keep a written time at least as precise as it was read.
TimeFormat PrecisionOf(TimeParts parts) {
  if ((parts & kFractionPart) != 0) return kWithSeconds | kWithMilliseconds;
  return (parts & kSecondsPart) != 0 ? kWithSeconds : 0;
}

// The parts of the buffer's whole text, untrimmed; 0 when it is no time.
TimeParts PartsOfWholeText(const KChar* buffer) {
  TimeOfDay time;
  TimeParts parts = 0;
  ParseTime({buffer, TextLength(buffer)}, time, &parts);
  return parts;
}

}  // namespace

int IsTimeFunction(KChar* buffer) {
  Sprintf(buffer, u"%d", PartsOfWholeText(buffer) != 0 ? 1 : 0);
  return 0;
}

int TimePartsFunction(KChar* buffer) {
  Sprintf(buffer, u"%d", static_cast<int>(PartsOfWholeText(buffer)));
  return 0;
}

int TimeFmtFunction(KChar* buffer) {
  SplitArguments(buffer, false);
  RefreshLocale();
  TimeFormat format = 0;
  if (ReadTimeFormatArgument(2, 0, format) != 0) return kErrorResult;
  TimeOfDay time;
  if (!HasArgument(1)) {
    time = CurrentDateTime().time;
  } else {
    TimeParts parts = 0;
    if (ParseTime(Argument(1), time, &parts) != 0) return ReportError(u"Invalid time \"%s\"", Argument(1).data());
    format |= PrecisionOf(parts);
  }
  TimeText text;
  FormatTime(time, format, text);
  CopyText(buffer, kHostBufferLength, text.View());
  return 0;
}

}  // namespace kalendra
