// @istime, @timeparts and @timefmt: a time of day read and written as it is.
#include <string>

#include "calendar/argument_reader.h"
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

int IsTimeFunction(KChar* buffer) { return AnswerNumber(buffer, PartsOfWholeText(buffer) != 0 ? 1 : 0); }

int TimePartsFunction(KChar* buffer) { return AnswerNumber(buffer, PartsOfWholeText(buffer)); }

int TimeFmtFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kCommasOnly);
  const TimeFormat format = ReadTimeFormat(read, 2, 0);
  TimeOfDay time;
  TimeParts parts = 0;
  if (!HasArgument(1)) {
    time = CurrentDateTime().time;
  } else {
    time = ReadTime(read, 1, &parts);
  }
  if (read.Failed()) return kErrorResult;
  TimeText text;
  FormatTime(time, format | PrecisionOf(parts), text);
  return AnswerText(buffer, text.View());
}

}  // namespace kalendra
