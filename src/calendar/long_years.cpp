// The long-year setting and the longyears command.
#include "calendar/long_years.h"


#include "frame/arguments.h"
#include "frame/errors.h"

namespace kalendra {
namespace {

LongYearsMode& ModeState() {
  static LongYearsMode mode = LongYearsMode::kOff;
  return mode;
}

std::u16string_view ModeName(LongYearsMode mode) {
  switch (mode) {
    case LongYearsMode::kOn: return u"ON";
    case LongYearsMode::kStrict: return u"STRICT";
    case LongYearsMode::kOff: break;
  }
  return u"OFF";
}

constexpr int kLongYearsErrorResult = -1;

}  // namespace

LongYearsMode CurrentLongYearsMode() { return ModeState(); }

void SetLongYearsMode(LongYearsMode mode) { ModeState() = mode; }

int LongYearsCommand(KChar* tail) {
  SplitCommandLine(tail);
  const std::u16string_view option = Argument(1);  // upper-cased by the splitter
  if (option.empty()) {
    Printf(u"LONGYEARS is %s\r\n", ModeName(CurrentLongYearsMode()).data());
    return 0;
  }
  for (const LongYearsMode mode : {LongYearsMode::kOff, LongYearsMode::kOn, LongYearsMode::kStrict}) {
    if (option == ModeName(mode)) {
      SetLongYearsMode(mode);
      return 0;
    }
  }
  if (option.starts_with(u"/?")) {
    Printf(u"%s\n\n%s", kLongYearsTitle.data(), kLongYearsUsage.data());  // both views are literals
    return 0;
  }
  ReportError(u"Unknown LONGYEARS option \"%s\"", option.data());
  return kLongYearsErrorResult;
}

}  // namespace kalendra
