// Readable UTF-16 in test failure messages: GoogleTest prints std::u16string
// as code units; these print it as UTF-8 text.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace kalendra::test {

// UTF-8 form of a UTF-16 text, for messages.
std::string Narrow(std::u16string_view text);

}  // namespace kalendra::test

namespace std {
// Found by GoogleTest through argument-dependent lookup.
void PrintTo(const std::u16string& text, std::ostream* os);
}  // namespace std
