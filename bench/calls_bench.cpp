// Whole exported calls, in process, with the shell's services and the real
// platform back-end, beside a reference pipeline in plain C (strptime and
// strftime) that bench/run.sh divides every figure by.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <ctime>
#include <string_view>

#include "contract/host_interface.h"
#include "frame/text.h"
#include "services/testing.h"

extern "C" {
int f_date(KChar*);
int f_day(KChar*);
int f_month(KChar*);
int f_year(KChar*);
int f_dow(KChar*);
int f_dowf(KChar*);
int f_dowi(KChar*);
int f_idow(KChar*);
int f_idowf(KChar*);
int f_doy(KChar*);
int f_isodowi(KChar*);
int f_isoweek(KChar*);
int f_isowyear(KChar*);
int f_usweek(KChar*);
int f_leap(KChar*);
int f_monthlen(KChar*);
int f_monthname(KChar*);
int f_isdate(KChar*);
int f_dateplus(KChar*);
int f_days(KChar*);
int f_makedate(KChar*);
int f_dateconv(KChar*);
int f_inrange(KChar*);
int f_nextdate(KChar*);
int f_nextdow(KChar*);
int f_dowis(KChar*);
int f_pickdate(KChar*);
int f_easter(KChar*);
int f_holiday(KChar*);
int f_isholiday(KChar*);
int f_inlieu(KChar*);
int f_roman(KChar*);
int f_ord(KChar*);
int f_istime(KChar*);
int f_timeparts(KChar*);
int f_timefmt(KChar*);
int f_timeplus(KChar*);
int f_timediff(KChar*);
int f_timetodec(KChar*);
int f_dectotime(KChar*);
int f_localdatetime(KChar*);
int f_utcdatetime(KChar*);
int f_agedate(KChar*);
int f_makeage(KChar*);
int f_filestamp(KChar*);
int _isowyear(KChar*);
int _isoweek(KChar*);
int _isodowi(KChar*);
int _t4(KChar*);
int _isordate(KChar*);
int _isowdate(KChar*);
int qcal(KChar*);
int longyears(KChar*);
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
const bool kWithoutConsole = (torvane::testing::SetConsole(false, 25), true);

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

BENCHMARK_CAPTURE(Call, date_date, f_date, u"2015-12-25");
BENCHMARK_CAPTURE(Call, date_day, f_day, u"2015-12-25");
BENCHMARK_CAPTURE(Call, date_month, f_month, u"2015-12-25");
BENCHMARK_CAPTURE(Call, date_year, f_year, u"2015-12-25");
BENCHMARK_CAPTURE(Call, date_dow, f_dow, u"2015-12-25");
BENCHMARK_CAPTURE(Call, date_dowf, f_dowf, u"2015-12-25");
BENCHMARK_CAPTURE(Call, date_dowi, f_dowi, u"2015-12-27");
BENCHMARK_CAPTURE(Call, date_idow, f_idow, u"2015-12-25");
BENCHMARK_CAPTURE(Call, date_idowf, f_idowf, u"2015-12-25");
BENCHMARK_CAPTURE(Call, date_doy, f_doy, u"2015-12-31");
BENCHMARK_CAPTURE(Call, date_isodowi, f_isodowi, u"2015-12-27");
BENCHMARK_CAPTURE(Call, date_isoweek, f_isoweek, u"2015-12-31");
BENCHMARK_CAPTURE(Call, date_isowyear, f_isowyear, u"2016-01-03");
BENCHMARK_CAPTURE(Call, date_usweek, f_usweek, u"2015-01-01");
BENCHMARK_CAPTURE(Call, date_leap, f_leap, u"2000");
BENCHMARK_CAPTURE(Call, date_monthlen, f_monthlen, u"2,2016");
BENCHMARK_CAPTURE(Call, date_monthname, f_monthname, u"9");
BENCHMARK_CAPTURE(Call, date_isdate, f_isdate, u"2016-02-29");
BENCHMARK_CAPTURE(Call, date_dateplus, f_dateplus, u"2015-12-25,7");
BENCHMARK_CAPTURE(Call, date_days, f_days, u"2015-01-01,2015-12-31");
BENCHMARK_CAPTURE(Call, date_makedate, f_makedate, u"735957,4");
BENCHMARK_CAPTURE(Call, date_dateconv, f_dateconv, u"2015-12-25,4,257");
BENCHMARK_CAPTURE(Call, date_inrange, f_inrange, u"2015-12-25,2015-12-01,2015-12-31");
BENCHMARK_CAPTURE(Call, date_nextdate, f_nextdate, u"12,25,2015-12-25,4");
BENCHMARK_CAPTURE(Call, date_nextdow, f_nextdow, u"Mon,2015-12-25,4");
BENCHMARK_CAPTURE(Call, date_dowis, f_dowis, u"weekend,2015-12-26");
// Every argument read and checked; the last, a timeout of 601 seconds, is
// refused before any dialog opens (the message goes to standard error).
BENCHMARK_CAPTURE(Call, date_pickdate_checks, f_pickdate, u"Due date,2015-12-25,4,2015-12-01,2015-12-31,,Mon,weekend,601");
BENCHMARK_CAPTURE(Call, holiday_easter, f_easter, u"2016,0,4");
BENCHMARK_CAPTURE(Call, holiday_holiday, f_holiday, u"last,Mon,May,2016,4");
BENCHMARK_CAPTURE(Call, holiday_isholiday, f_isholiday, u"2015-12-25");
BENCHMARK_CAPTURE(Call, holiday_inlieu, f_inlieu, u"2015-07-04,4");
BENCHMARK_CAPTURE(Call, numeral_roman, f_roman, u"1999");
BENCHMARK_CAPTURE(Call, numeral_ord, f_ord, u"22");
BENCHMARK_CAPTURE(Call, time_istime, f_istime, u"10:30:15");
BENCHMARK_CAPTURE(Call, time_timeparts, f_timeparts, u"7:00");
BENCHMARK_CAPTURE(Call, time_timefmt, f_timefmt, u"13:05:07.042,7");
BENCHMARK_CAPTURE(Call, time_timeplus, f_timeplus, u"2015-12-31T23:00,2:00,4");
BENCHMARK_CAPTURE(Call, time_timediff, f_timediff, u"2015-12-31@23:00,2016-01-01@01:30");
BENCHMARK_CAPTURE(Call, time_timetodec, f_timetodec, u"12:00");
BENCHMARK_CAPTURE(Call, time_dectotime, f_dectotime, u"1.5");
BENCHMARK_CAPTURE(Call, time_localdatetime, f_localdatetime, u"2015-07-01,12:00,4");
BENCHMARK_CAPTURE(Call, time_utcdatetime, f_utcdatetime, u"2015-12-01,13:00,4");
BENCHMARK_CAPTURE(Call, time_agedate, f_agedate, u"130943178050429999");
BENCHMARK_CAPTURE(Call, time_makeage, f_makeage, u"2015-12-11 14:30:05.042");
BENCHMARK_CAPTURE(Call, time_filestamp, f_filestamp, KALENDRA_BENCH_FILE u",U");
BENCHMARK_CAPTURE(Call, variable_isowyear, _isowyear, u"");
BENCHMARK_CAPTURE(Call, variable_isoweek, _isoweek, u"");
BENCHMARK_CAPTURE(Call, variable_isodowi, _isodowi, u"");
BENCHMARK_CAPTURE(Call, variable_t4, _t4, u"");
BENCHMARK_CAPTURE(Call, variable_isordate, _isordate, u"");
BENCHMARK_CAPTURE(Call, variable_isowdate, _isowdate, u"");
// The commands write to standard output; with no console qcal never pauses.
BENCHMARK_CAPTURE(Call, command_qcal, qcal, u"/D 2015-12-11");
BENCHMARK_CAPTURE(Call, command_longyears, longyears, u"");

}  // namespace
