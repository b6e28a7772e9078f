// Feeds arbitrary UTF-16 text to every date function and both numeral
// functions, and checks that each answers with a result that fits the
// shell's buffer or with one message line.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "datefuncs/arithmetic.h"
#include "datefuncs/queries.h"
#include "datefuncs/weekday_search.h"
#include "frame/errors.h"
#include "frame/text.h"
#include "numerals/ordinal.h"
#include "numerals/roman.h"
#include "services/testing.h"

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

// The first byte picks the function, the rest is its text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const Function function = kFunctions[data[0] % std::size(kFunctions)];
  std::array<KChar, kHostBufferLength> buffer{};
  const std::size_t length = std::min((size - 1) / 2, buffer.size() - 1);
  for (std::size_t i = 0; i < length; ++i) {
    buffer[i] = static_cast<KChar>(data[1 + 2 * i] | (data[2 + 2 * i] << 8));
  }
  int status = 0;
  const torvane::testing::CapturedOutput output =
      torvane::testing::CaptureOutput([&] { status = function(buffer.data()); });
  if (status == 0) {
    if (kalendra::TextLength(buffer.data()) >= buffer.size() || !output.err.empty()) std::abort();
  } else if (status == kalendra::kErrorResult) {
    if (!output.err.starts_with(u"KALENDRA plugin: ") || !output.err.ends_with(u"\r\n")) std::abort();
  } else if (status != kalendra::kEvaluateFailedResult || function != kalendra::OrdFunction) {
    std::abort();
  }
  return 0;
}
