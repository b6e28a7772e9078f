// Readable UTF-16 in test failure messages, and dates as the tests write
// them. GoogleTest prints a std::u16string itself; Narrow serves the texts
// a test streams after an assertion.
#pragma once

#include <string>
#include <string_view>

#include "calendar/day_number.h"

namespace kalendra::test {

// UTF-8 form of a UTF-16 text, for messages.
std::string Narrow(std::u16string_view text);

// "yyyy-mm-dd", written independently of the code under test.
std::u16string IsoText(const CalendarDate& date);

}  // namespace kalendra::test
