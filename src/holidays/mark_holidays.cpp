// Evaluating the holiday rules for one year. The shell's expansion of a rule
// re-enters the plug-in and overwrites the argument table, today and the
// locale snapshot; everything this evaluation needs lives in its own storage,
// and the list it walks refuses changes until the walk ends.
#include "holidays/mark_holidays.h"

#include <string>
#include <string_view>

#include "calendar/date_grammar.h"
#include "calendar/day_number.h"
#include "calendar/holiday_year.h"
#include "contract/host_interface.h"
#include "frame/numbers.h"
#include "frame/text.h"
#include "holidays/rule_list.h"
#include "holidays/year_prefix.h"

namespace kalendra {
namespace {

// Sets HolidayYear for the life of the evaluation, so that dates are read
// and written in ISO order in that year.
class HolidayYearScope {
 public:
  explicit HolidayYearScope(int year) { SetHolidayYear(year); }
  ~HolidayYearScope() { SetHolidayYear(0); }
  HolidayYearScope(const HolidayYearScope&) = delete;
  HolidayYearScope& operator=(const HolidayYearScope&) = delete;
};

// The rule with every "*" replaced by the year's digits.
std::u16string WithYear(std::u16string_view rule, std::u16string_view yearText) {
  std::u16string text;
  for (const KChar c : rule) {
    if (c == u'*') {
      text += yearText;
    } else {
      text += c;
    }
  }
  return text;
}

// Marks the date that one rule yields in the year, if it yields one.
void MarkRule(std::u16string_view rule, int year, std::u16string_view yearText, HolidayMarks& marks) {
  std::u16string work = WithYear(rule, yearText);
  if (work.size() > kMaxRuleLength) return;
  // A malformed prefix stays in the text, which then reads as no date.
  if (ApplyYearPrefix(work, year) == kRuleNotThisYear) return;
  std::array<KChar, kHostBufferLength> text;  // not cleared: CopyText terminates it, once per rule
  CopyText(text.data(), text.size(), work);
  if (rule.find(u'%') != std::u16string_view::npos) ExpandVariables(text.data(), 1);
  CalendarDate date;
  if (ParseDate(text.data(), date, 0) == 0 && date.year == year) marks.At(date.month, date.day) = 1;
}

}  // namespace

int MarkHolidays(int year, HolidayMarks& marks) {
  marks = HolidayMarks{};
  if (HolidayListInUse()) return kMarkingRefused;
  if (year < kFirstYear || year > kLastYear) return kMarksDone;
  const std::u16string yearText(NumberText(year).View());
  const HolidayYearScope holidayYear(year);
  const HolidayListWalk walk;
  for (const std::u16string& rule : walk) MarkRule(rule, year, yearText, marks);
  return kMarksDone;
}

}  // namespace kalendra
