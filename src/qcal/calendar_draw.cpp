// Drawing a page: plain runs with QPuts, coloured runs with ColorPrintf,
// every line end through the pause.
#include "qcal/calendar_draw.h"

#include "contract/host_interface.h"

namespace kalendra {
namespace {

// A line end, then the pause when the screen is full: any key continues and
// is discarded, and the prompt is erased.
void LineEnd(Paging& paging) {
  CrLf();
  if (!paging.on) return;
  if (++paging.lineCount < paging.screenRows) return;
  QPuts(u"- More -");
  while (QueryKeyWaiting() == 0) tty_yield(0);
  EatKeystrokes();
  QPuts(u"\r          \r");
  paging.lineCount = 0;
}

}  // namespace

void DrawPage(const CalendarPage& page, Paging& paging) {
  for (const PageLine& line : page.lines) {
    for (const PageRun& run : line) {
      if (run.attribute == kUncoloured) {
        QPuts(run.text.c_str());
      } else {
        ColorPrintf(run.attribute, u"%s", run.text.c_str());
      }
    }
    LineEnd(paging);
  }
}

}  // namespace kalendra
