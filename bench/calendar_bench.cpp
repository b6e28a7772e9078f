// How fast the calendar spine, the splitter and the date and time readers
// and writers run: every function call passes through them.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "calendar/date_format.h"
#include "calendar/date_grammar.h"
#include "calendar/day_number.h"
#include "frame/arguments.h"
#include "times/time_format.h"
#include "times/time_grammar.h"

namespace kalendra {
namespace {

void BM_DayNumberRoundTrip(benchmark::State& state) {
  DayNumber day = kFirstDay;
  for (auto _ : state) {
    const CalendarDate date = FromDayNumber(day);
    benchmark::DoNotOptimize(ToDayNumber(date));
    day = day == kLastDay ? kFirstDay : day + 1;
  }
}
BENCHMARK(BM_DayNumberRoundTrip);

void BM_FromDayNumber(benchmark::State& state) {
  DayNumber day = kFirstDay;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FromDayNumber(day));
    day = day == kLastDay ? kFirstDay : day + 1;
  }
}
BENCHMARK(BM_FromDayNumber);

// Dates of every month and day length, so the validation cannot be predicted away.
void BM_ToDayNumber(benchmark::State& state) {
  CalendarDate date{1601, 1, 1};
  for (auto _ : state) {
    benchmark::DoNotOptimize(ToDayNumber(date));
    date.day = date.day % 28 + 1;
    date.month = date.month % 12 + 1;
    date.year = date.year == kLastYear ? kFirstYear : date.year + 1;
  }
}
BENCHMARK(BM_ToDayNumber);

void BM_IsoWeekDate(benchmark::State& state) {
  DayNumber day = kFirstDay;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ToIsoWeekDate(FromDayNumber(day)));
    day = day == kLastDay ? kFirstDay : day + 1;
  }
}
BENCHMARK(BM_IsoWeekDate);

void BM_SplitArguments(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(SplitArguments(u"2015-12-25, 7 , 260", true));
  }
}
BENCHMARK(BM_SplitArguments);

void BM_ParseIsoDate(benchmark::State& state) {
  for (auto _ : state) {
    CalendarDate date;
    benchmark::DoNotOptimize(ParseDate(u"2015-12-25", date, kIsoDate));
    benchmark::DoNotOptimize(date);
  }
}
BENCHMARK(BM_ParseIsoDate);

void BM_FormatDateWithFourDigitYear(benchmark::State& state) {
  std::array<KChar, kHostBufferLength> buffer{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatDate(buffer.data(), CalendarDate{2015, 12, 25}, kMonthDayYearDate | kFourDigitYearBit));
    benchmark::DoNotOptimize(buffer);
  }
}
BENCHMARK(BM_FormatDateWithFourDigitYear);

void BM_ParseTime(benchmark::State& state) {
  for (auto _ : state) {
    TimeOfDay time;
    benchmark::DoNotOptimize(ParseTime(u"13:45:30", time));
    benchmark::DoNotOptimize(time);
  }
}
BENCHMARK(BM_ParseTime);

void BM_FormatTimeWithSeconds(benchmark::State& state) {
  const TimeLocale locale;
  TimeText text;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatTime(TimeOfDay{13, 45, 30, 0}, k24HourStyle | kWithSeconds, locale, text));
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(BM_FormatTimeWithSeconds);

}  // namespace
}  // namespace kalendra
