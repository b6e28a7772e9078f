// qcal: reads the words of its tail, settles the year, month and highlight,
// the colours and the holidays, and prints one of the three views.
#include "qcal/qcal_command.h"

#include <optional>
#include <string>
#include <vector>

#include "calendar/argument_reader.h"
#include "calendar/date_grammar.h"
#include "calendar/english_names.h"
#include "calendar/locale_snapshot.h"
#include "calendar/names.h"
#include "calendar/today.h"
#include "frame/arguments.h"
#include "frame/errors.h"
#include "frame/numbers.h"
#include "frame/text.h"
#include "holidays/holiday_file.h"
#include "holidays/rule_list.h"
#include "qcal/calendar_draw.h"
#include "qcal/calendar_page.h"
#include "qcal/qcal_colors.h"

namespace kalendra {
namespace {

constexpr std::int32_t kFirstBasicDate = 16010101;
constexpr std::int32_t kLastBasicDate = 99991231;

// What the words of one run ask for.
struct QcalRequest {
  int year = 0;
  int month = 0;
  std::optional<CalendarDate> date;
  bool threeMonths = false;
  bool wholeYear = false;
  bool weekNumbers = false;
  bool holidaysFromList = false;
  // The /H:list options, added to the holiday list only once every word
  // has been read, so that a run that fails leaves the list as it was.
  std::vector<std::u16string_view> holidayEntries;
  std::optional<int> leftWeekday;
  bool pause = false;
  bool colour = false;
  bool localNames = true;
  bool help = false;
};

// The text of an option after its letters and one optional ":" or "=".
std::u16string_view OptionValue(std::u16string_view word, std::size_t letters) {
  std::u16string_view value = word.substr(std::min(letters, word.size()));
  if (!value.empty() && (value[0] == u':' || value[0] == u'=')) value.remove_prefix(1);
  return value;
}

int UnknownOption(std::u16string_view word) {
  return ReportError(u"Unknown QCAL option \"%s\"", std::u16string(word).c_str());
}

int ReadColorOption(std::u16string_view word, int attribute, QcalColors& colors) {
  const bool save = word.size() > 2 && word[2] == u'Z';
  const std::optional<ColorSet> set = ParseColorText(word.substr(save ? 3 : 2), attribute);
  if (!set) return ReportError(u"Invalid colors \"%s\"", std::u16string(word).c_str());
  colors = ColorsOfSet(*set, attribute);
  if (save) SaveQcalColorDefault((attribute >> 4) & 15, *set);
  return 0;
}

int ReadOption(std::u16string_view word, int attribute, QcalRequest& request, QcalColors& colors) {
  switch (word.size() > 1 ? word[1] : u'\0') {
    case u'3': request.threeMonths = true; return 0;
    case u'?': request.help = true; return 0;
    case u'D': request.colour = false; return 0;
    case u'E': request.localNames = false; return 0;
    case u'I': request.weekNumbers = true; return 0;
    case u'P': request.pause = true; return 0;
    case u'Y': request.wholeYear = true; return 0;
    case u'C': {
      const std::u16string_view name = OptionValue(word, 2);
      if (name.empty()) return UnknownOption(word);
      Locale().holidayCountry.Assign(name);
      request.holidaysFromList = true;
      return 0;
    }
    case u'H':
      if (word.size() == 2) {
        request.holidaysFromList = true;
      } else {
        request.holidayEntries.push_back(word);
      }
      return 0;
    case u'W': {
      const int weekday = ParseWeekday(OptionValue(word, 2));
      if (weekday < 0) return UnknownOption(word);
      request.leftWeekday = weekday;
      return 0;
    }
    case u'Z': return ReadColorOption(word, attribute, colors);
    default: return UnknownOption(word);
  }
}

bool AllDigits(std::u16string_view word) {
  for (KChar c : word) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

// A word that is not an option: a number (a basic date, a free month or a
// free year), a date, or a month name.
int ReadWord(std::u16string_view word, QcalRequest& request) {
  const std::u16string text(word);
  if (AllDigits(word)) {
    const std::int32_t value = ParseNumber(word);
    const bool basicDate = value >= kFirstBasicDate && value <= kLastBasicDate;
    if (!basicDate) {
      if (value >= 1 && value <= 12 && request.month == 0) {
        request.month = value;
        return 0;
      }
      if (value >= kFirstYear && value <= kLastYear && request.year == 0) {
        request.year = value;
        return 0;
      }
      return ReportError(u"QCAL syntax error \"%s\"", text.c_str());
    }
  }
  if (!request.date) {
    CalendarDate date;
    if (ParseDate(word, date, 0) == 0) request.date = date;
  }
  if (request.month != 0 || request.date) return 0;
  request.month = MonthOfName(word, MonthNameMatch::kFirstThreeLetters);
  if (request.month < 0) return ReportError(kInvalidDateMessage, text.c_str());
  return 0;
}

// The year, month and highlight day to show.
void SettleWhatToShow(QcalRequest& request, int& highlightDay) {
  highlightDay = 0;
  if (request.date) {
    request.year = request.date->year;
    request.month = request.date->month;
    highlightDay = request.date->day;
    return;
  }
  const CalendarDate today = Today();
  if (request.month != 0 && request.year == 0) {
    const bool nextYear = request.month < today.month && today.year < kLastYear;
    request.year = today.year + (nextYear ? 1 : 0);
  } else if (request.month == 0 && request.year == 0) {
    request.year = today.year;
    request.month = today.month;
    highlightDay = today.day;
  }
}

}  // namespace

int QcalCommand(KChar* tail) {
  const bool console = QueryIsConsole(kHostStdout) != 0;
  RefreshLocale();
  const int words = SplitCommandLine(tail);
  Paging paging{false, GetScrRows(), 0};
  int attribute = 0;
  int unused = 0;  // the table names a second integer, which the shell may fill
  GetAttribute(&attribute, &unused);
  QcalColors colors = DeriveColors(attribute, QcalColorDefaults()[static_cast<std::size_t>((attribute >> 4) & 15)]);

  QcalRequest request;
  request.colour = console;
  for (int n = 1; n <= words; ++n) {
    const std::u16string_view word = Argument(n);
    if (word.empty()) continue;
    if (word[0] != u'/') {
      if (ReadWord(word, request) != 0) return kErrorResult;
      continue;
    }
    if (ReadOption(word, attribute, request, colors) != 0) return kErrorResult;
    if (request.help) {
      Printf(u"%s\n\n%s", kQcalTitle.data(), kQcalUsage.data());  // both views are literals
      return 0;
    }
  }

  int highlightDay = 0;
  SettleWhatToShow(request, highlightDay);
  for (const std::u16string_view entries : request.holidayEntries) AddHolidayRules(entries);
  if (request.holidaysFromList) LoadHolidayRules();
  CalendarStyle style;
  style.weekNumbers = request.weekNumbers;
  style.localNames = request.localNames;
  style.colour = request.colour;
  style.colors = colors;
  style.firstWeekday = request.leftWeekday.value_or(request.weekNumbers ? kMonday : Locale().firstWeekday);
  paging.on = request.pause && console && paging.screenRows > 0;

  CalendarPage page;
  if (request.wholeYear || request.month == 0) {
    page = YearPage(request.year, request.month, highlightDay, style);
  } else if (request.threeMonths) {
    page = ThreeMonthPage(request.year, request.month, highlightDay, style);
  } else {
    page = MonthPage(request.year, request.month, highlightDay, style);
  }
  DrawPage(page, paging);
  FreeHolidayRules();
  return 0;
}

}  // namespace kalendra
