#include "support/text_printing.h"

#include <cstdio>

#include "frame/text.h"

namespace kalendra::test {

std::string Narrow(std::u16string_view text) { return ToUtf8(text); }

std::u16string IsoText(const CalendarDate& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return Widen(text);
}

}  // namespace kalendra::test
