// Readable UTF-16 in test failure messages. GoogleTest prints a
// std::u16string itself; Narrow serves the texts a test streams after an
// assertion.
#pragma once

#include <string>
#include <string_view>

namespace kalendra::test {

// UTF-8 form of a UTF-16 text, for messages.
std::string Narrow(std::u16string_view text);

}  // namespace kalendra::test
