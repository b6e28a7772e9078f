// Prints a calendar page through the shell's console services, pausing with
// "- More -" after each screenful when paging is on.
#pragma once

#include "qcal/calendar_page.h"

namespace kalendra {

struct Paging {
  bool on = false;
  int screenRows = 0;
  int lineCount = 0;  // line ends since the last pause
};

void DrawPage(const CalendarPage& page, Paging& paging);

}  // namespace kalendra
