// Feeds arbitrary UTF-16 text to both splitters and the number reader, and
// checks the table's invariants afterwards.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "frame/arguments.h"
#include "frame/numbers.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::u16string text = fuzz::Utf16(data, size);
  const std::u16string zeroTerminated(text.c_str());  // an embedded zero ends the text
  for (const bool spaceSeparates : {false, true}) {
    const int count = kalendra::SplitArguments(zeroTerminated.c_str(), spaceSeparates);
    if (count < 1 || count > kalendra::kMaxArgs) std::abort();
  }
  const int count = kalendra::SplitCommandLine(zeroTerminated.c_str());
  if (count < 1 || count > kalendra::kMaxArgs) std::abort();
  for (int n = 1; n <= kalendra::kMaxArgs; ++n) {
    const std::u16string_view argument = kalendra::Argument(n);
    if (argument.size() > static_cast<std::size_t>(kalendra::kMaxArgLength)) std::abort();
    if (argument.data()[argument.size()] != u'\0') std::abort();
    const std::int32_t value = kalendra::ParseNumber(argument);
    if (value < -1) std::abort();
  }
  return 0;
}
