// Whole exported calls, in process, with the shell's services and the real
// platform back-end, beside a reference pipeline in plain C (strptime and
// strftime) that bench/run.sh divides every figure by.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>

#include "contract/host_interface.h"
#include "contract/text.h"
#include "services/testing.h"

// The exports, declared from the feature table.
extern "C" {
#define FEATURE_FUNCTION(name, Entry) int f_##name(KChar*);
#define FEATURE_TIME_FUNCTION(name, Entry) int f_##name(KChar*);
#define FEATURE_VARIABLE(name, Entry) int name(KChar*);
#define FEATURE_COMMAND(name, Entry, Usage) int name(KChar*);
#include "frame/feature_table.inc"
#undef FEATURE_FUNCTION
#undef FEATURE_TIME_FUNCTION
#undef FEATURE_VARIABLE
#undef FEATURE_COMMAND
PluginInfo* GetPluginInfo();
}

namespace {

struct Export {
  std::u16string_view name;    // as the shell knows it
  std::u16string_view symbol;  // as exported
  FeatureEntry call;
};

#define FEATURE_FUNCTION(name, Entry) Export{u"@" #name, u"f_" #name, f_##name},
#define FEATURE_TIME_FUNCTION(name, Entry) FEATURE_FUNCTION(name, Entry)
#define FEATURE_VARIABLE(name, Entry) Export{u"" #name, u"" #name, name},
#define FEATURE_COMMAND(name, Entry, Usage) FEATURE_VARIABLE(name, Entry)
constexpr std::array kExports{
#include "frame/feature_table.inc"
};
#undef FEATURE_FUNCTION
#undef FEATURE_TIME_FUNCTION
#undef FEATURE_VARIABLE
#undef FEATURE_COMMAND

// Holiday rules call back into the plug-in through the shell, which must
// know it: registered as a plug-in linked into this program.
FeatureEntry ExportNamed(std::u16string_view symbol) {
  for (const Export& entry : kExports) {
    if (entry.symbol == symbol) return entry.call;
  }
  return nullptr;
}
const bool kRegistered = torvane::testing::RegisterPlugin(GetPluginInfo, ExportNamed);
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
    contract::CopyText(buffer.data(), buffer.size(), text);
    benchmark::DoNotOptimize(function(buffer.data()));
  }
}

// One sample call of every name of the table: the benchmark's label (its
// family first, which bench/run.sh holds to a goal) and its arguments.
struct Sample {
  std::u16string_view name;
  const char* label;  // nullptr: not measured
  std::u16string_view arguments;
};
const Sample kSamples[] = {
    {u"@date", "date_date", u"2015-12-25"},
    {u"@day", "date_day", u"2015-12-25"},
    {u"@month", "date_month", u"2015-12-25"},
    {u"@year", "date_year", u"2015-12-25"},
    {u"@dow", "date_dow", u"2015-12-25"},
    {u"@dowf", "date_dowf", u"2015-12-25"},
    {u"@dowi", "date_dowi", u"2015-12-27"},
    {u"@idow", "date_idow", u"2015-12-25"},
    {u"@idowf", "date_idowf", u"2015-12-25"},
    {u"@doy", "date_doy", u"2015-12-31"},
    {u"@isodowi", "date_isodowi", u"2015-12-27"},
    {u"@isoweek", "date_isoweek", u"2015-12-31"},
    {u"@isowyear", "date_isowyear", u"2016-01-03"},
    {u"@usweek", "date_usweek", u"2015-01-01"},
    {u"@leap", "date_leap", u"2000"},
    {u"@monthlen", "date_monthlen", u"2,2016"},
    {u"@monthname", "date_monthname", u"9"},
    {u"@isdate", "date_isdate", u"2016-02-29"},
    {u"@dateplus", "date_dateplus", u"2015-12-25,7"},
    {u"@days", "date_days", u"2015-01-01,2015-12-31"},
    {u"@makedate", "date_makedate", u"735957,4"},
    {u"@dateconv", "date_dateconv", u"2015-12-25,4,257"},
    {u"@inrange", "date_inrange", u"2015-12-25,2015-12-01,2015-12-31"},
    {u"@nextdate", "date_nextdate", u"12,25,2015-12-25,4"},
    {u"@nextdow", "date_nextdow", u"Mon,2015-12-25,4"},
    {u"@dowis", "date_dowis", u"weekend,2015-12-26"},
    // Every argument read and checked; the last, a timeout of 601 seconds, is
    // refused before any dialog opens (the message goes to standard error).
    {u"@pickdate", "date_pickdate_checks", u"Due date,2015-12-25,4,2015-12-01,2015-12-31,,Mon,weekend,601"},
    {u"@easter", "holiday_easter", u"2016,0,4"},
    {u"@holiday", "holiday_holiday", u"last,Mon,May,2016,4"},
    {u"@isholiday", "holiday_isholiday", u"2015-12-25"},
    {u"@inlieu", "holiday_inlieu", u"2015-07-04,4"},
    {u"@roman", "numeral_roman", u"1999"},
    {u"@ord", "numeral_ord", u"22"},
    {u"@istime", "time_istime", u"10:30:15"},
    {u"@timeparts", "time_timeparts", u"7:00"},
    {u"@timefmt", "time_timefmt", u"13:05:07.042,7"},
    {u"@timeplus", "time_timeplus", u"2015-12-31T23:00,2:00,4"},
    {u"@timediff", "time_timediff", u"2015-12-31@23:00,2016-01-01@01:30"},
    {u"@timetodec", "time_timetodec", u"12:00"},
    {u"@dectotime", "time_dectotime", u"1.5"},
    {u"@localdatetime", "time_localdatetime", u"2015-07-01,12:00,4"},
    {u"@utcdatetime", "time_utcdatetime", u"2015-12-01,13:00,4"},
    {u"@agedate", "time_agedate", u"130943178050429999"},
    {u"@makeage", "time_makeage", u"2015-12-11 14:30:05.042"},
    {u"@filestamp", "time_filestamp", KALENDRA_BENCH_FILE u",U"},
    {u"_isowyear", "variable_isowyear", u""},
    {u"_isoweek", "variable_isoweek", u""},
    {u"_isodowi", "variable_isodowi", u""},
    {u"_t4", "variable_t4", u""},
    {u"_isordate", "variable_isordate", u""},
    {u"_isowdate", "variable_isowdate", u""},
    // The commands write to standard output; with no console qcal never pauses.
    {u"qcal", "command_qcal", u"/D 2015-12-11"},
    {u"longyears", "command_longyears", u""},
    // Opens the help viewer.
    {u"kalendrahelp", nullptr, u""},
};

// Registers a benchmark for every export of the table; a name without a
// sample stops the program, so a new row cannot go unmeasured.
const bool kRegisteredCalls = [] {
  for (const Export& entry : kExports) {
    const auto sample = std::find_if(std::begin(kSamples), std::end(kSamples),
                                     [&](const Sample& s) { return s.name == entry.name; });
    if (sample == std::end(kSamples)) {
      std::fprintf(stderr, "no benchmark sample for %s\n", contract::ToUtf8(entry.name).c_str());
      std::abort();
    }
    if (sample->label == nullptr) continue;
    benchmark::RegisterBenchmark((std::string("Call/") + sample->label).c_str(),
                                 [call = entry.call, text = sample->arguments](benchmark::State& state) {
                                   Call(state, call, text);
                                 });
  }
  return true;
}();

}  // namespace
