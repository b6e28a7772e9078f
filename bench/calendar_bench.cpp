// How fast the calendar spine and the splitter run: the whole day range is
// walked by several tests, and every function call splits its text.
#include <benchmark/benchmark.h>

#include "calendar/day_number.h"
#include "frame/arguments.h"

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

}  // namespace
}  // namespace kalendra
