#include "support/text_printing.h"

#include "frame/text.h"

namespace kalendra::test {

std::string Narrow(std::u16string_view text) { return ToUtf8(text); }

}  // namespace kalendra::test
