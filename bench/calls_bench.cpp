// Whole exported calls, in process, with the shell's services and the real
// platform back-end, beside a reference pipeline in plain C (strptime and
// strftime) that bench/run.sh divides every figure by.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <ctime>
#include <string_view>

#include "frame/host_interface.h"
#include "frame/text.h"
#include "services/testing.h"

extern "C" {
int f_dateconv(KChar*);
int f_dateplus(KChar*);
int f_isoweek(KChar*);
int f_dow(KChar*);
int f_date(KChar*);
int f_makedate(KChar*);
int f_nextdow(KChar*);
int f_easter(KChar*);
int f_holiday(KChar*);
int f_isholiday(KChar*);
int f_roman(KChar*);
int f_istime(KChar*);
int f_timefmt(KChar*);
int f_timeplus(KChar*);
int f_timediff(KChar*);
int f_timetodec(KChar*);
int f_dectotime(KChar*);
int f_agedate(KChar*);
int f_makeage(KChar*);
int f_localdatetime(KChar*);
int _isoweek(KChar*);
int _t4(KChar*);
int f_inlieu(KChar*);
PluginInfo* GetPluginInfo();
}

namespace {

// Holiday rules call back into the plug-in through the shell, which must
// know it: registered as a plug-in linked into this program.
FeatureEntry HolidayExport(std::u16string_view name) {
  if (name == u"f_easter") return f_easter;
  if (name == u"f_holiday") return f_holiday;
  if (name == u"f_isholiday") return f_isholiday;
  if (name == u"f_inlieu") return f_inlieu;
  return nullptr;
}
const bool kRegistered = torvane::testing::RegisterPlugin(GetPluginInfo, HolidayExport);

// The C library parses an ISO date and writes it with a four-digit year.
void BM_CReference(benchmark::State& state) {
  char out[32];
  for (auto _ : state) {
    tm fields{};
    strptime("2015-12-25", "%Y-%m-%d", &fields);
    strftime(out, sizeof out, "%m/%d/%Y", &fields);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_CReference);

// One call as the shell makes it: the argument text copied into the
// 8192-character buffer, then the export.
void Call(benchmark::State& state, int (*function)(KChar*), std::u16string_view text) {
  std::array<KChar, kHostBufferLength> buffer{};
  for (auto _ : state) {
    kalendra::CopyText(buffer.data(), buffer.size(), text);
    benchmark::DoNotOptimize(function(buffer.data()));
  }
}

BENCHMARK_CAPTURE(Call, date_dateconv, f_dateconv, u"2015-12-25,4,257");
BENCHMARK_CAPTURE(Call, date_dateplus, f_dateplus, u"2015-12-25,7");
BENCHMARK_CAPTURE(Call, date_isoweek, f_isoweek, u"2015-12-31");
BENCHMARK_CAPTURE(Call, date_dow, f_dow, u"2015-12-25");
BENCHMARK_CAPTURE(Call, date_date, f_date, u"2015-12-25");
BENCHMARK_CAPTURE(Call, date_makedate, f_makedate, u"735957,4");
BENCHMARK_CAPTURE(Call, date_nextdow, f_nextdow, u"Mon,2015-12-25,4");
BENCHMARK_CAPTURE(Call, holiday_easter, f_easter, u"2016,0,4");
BENCHMARK_CAPTURE(Call, holiday_holiday, f_holiday, u"last,Mon,May,2016,4");
BENCHMARK_CAPTURE(Call, holiday_isholiday, f_isholiday, u"2015-12-25");
BENCHMARK_CAPTURE(Call, numeral_roman, f_roman, u"1999");
BENCHMARK_CAPTURE(Call, time_istime, f_istime, u"10:30:15");
BENCHMARK_CAPTURE(Call, time_timefmt, f_timefmt, u"13:05:07.042,7");
BENCHMARK_CAPTURE(Call, time_timeplus, f_timeplus, u"2015-12-31T23:00,2:00,4");
BENCHMARK_CAPTURE(Call, time_timediff, f_timediff, u"2015-12-31@23:00,2016-01-01@01:30");
BENCHMARK_CAPTURE(Call, time_timetodec, f_timetodec, u"12:00");
BENCHMARK_CAPTURE(Call, time_dectotime, f_dectotime, u"1.5");
BENCHMARK_CAPTURE(Call, time_agedate, f_agedate, u"130943178050429999");
BENCHMARK_CAPTURE(Call, time_makeage, f_makeage, u"2015-12-11 14:30:05.042");
BENCHMARK_CAPTURE(Call, time_localdatetime, f_localdatetime, u"2015-07-01,12:00,4");
BENCHMARK_CAPTURE(Call, variable_isoweek, _isoweek, u"");
BENCHMARK_CAPTURE(Call, variable_t4, _t4, u"");

}  // namespace
