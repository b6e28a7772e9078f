// Feeds arbitrary UTF-16 text to every date function and both numeral
// functions, and checks that each answers with a result that fits the
// shell's buffer or with one message line.
#include "datefuncs/arithmetic.h"
#include "datefuncs/queries.h"
#include "datefuncs/weekday_search.h"
#include "fuzz_support.h"
#include "numerals/ordinal.h"
#include "numerals/roman.h"

namespace {

using Function = int (*)(KChar*);

constexpr Function kFunctions[] = {
    kalendra::DateFunction,      kalendra::DayFunction,       kalendra::MonthFunction,
    kalendra::YearFunction,      kalendra::DowFunction,       kalendra::DowfFunction,
    kalendra::DowiFunction,      kalendra::IdowFunction,      kalendra::IdowfFunction,
    kalendra::DoyFunction,       kalendra::IsoDowiFunction,   kalendra::IsoWeekFunction,
    kalendra::IsoWeekYearFunction, kalendra::UsWeekFunction,  kalendra::LeapFunction,
    kalendra::MonthLenFunction,  kalendra::MonthNameFunction, kalendra::IsDateFunction,
    kalendra::DatePlusFunction,  kalendra::DaysFunction,      kalendra::MakeDateFunction,
    kalendra::DateConvFunction,  kalendra::InRangeFunction,   kalendra::NextDateFunction,
    kalendra::NextDowFunction,   kalendra::DowIsFunction,     kalendra::RomanFunction,
    kalendra::OrdFunction,
};

}  // namespace

// The first byte picks the function, the rest is its text. @ord also fails
// when the shell cannot evaluate its text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const Function function = kFunctions[data[0] % std::size(kFunctions)];
  const int otherFailure = function == kalendra::OrdFunction ? kalendra::kEvaluateFailedResult : kalendra::kErrorResult;
  fuzz::CallAndCheck(function, fuzz::Utf16(data + 1, size - 1), otherFailure);
  return 0;
}
