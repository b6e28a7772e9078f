// The plug-in's exports, one thin wrapper each, in the order of the shell's
// calls, then by subsystem. A name listed in the feature list whose
// subsystem has not been built is not exported; the shell reports it.
// This file is the one list of exports: each begins its line with
// PLUGIN_EXPORT, and the Windows build makes the DLL's .def file from those
// lines (cmake/PluginExports.cmake).
#include "calendar/long_years.h"
#include "calendar/variables.h"
#include "datefuncs/arithmetic.h"
#include "datefuncs/queries.h"
#include "datefuncs/weekday_search.h"
#include "frame/errors.h"
#include "contract/host_interface.h"
#include "frame/plugin.h"
#include "help/help.h"
#include "holidays/floating_functions.h"
#include "holidays/holiday_functions.h"
#include "numerals/ordinal.h"
#include "numerals/roman.h"
#include "picker/pick_date.h"
#include "qcal/qcal_command.h"
#include "times/time_functions.h"

namespace {

// Variable functions, internal variables and commands do nothing without a
// buffer.
int WithBuffer(KChar* buffer, int (*body)(KChar*)) {
  return buffer == nullptr ? kalendra::kNoBufferResult : body(buffer);
}

// Most time functions answer a call without a buffer with -1 instead.
int WithTimeBuffer(KChar* buffer, int (*body)(KChar*)) {
  return buffer == nullptr ? kalendra::kNoBufferTimeResult : body(buffer);
}

}  // namespace

// ---- The shell's own calls --------------------------------------------------
PLUGIN_EXPORT PluginInfo* GetPluginInfo() { return kalendra::GetPluginInfoRecord(); }
PLUGIN_EXPORT int InitializePlugin() { return kalendra::InitializePluginNow(); }
PLUGIN_EXPORT int ShutdownPlugin() { return kalendra::ShutdownPluginNow(); }
PLUGIN_EXPORT int Help(KChar* name) { return kalendra::HelpForName(name); }
PLUGIN_EXPORT int Usage(KChar* name, KChar* buffer) { return kalendra::UsageForName(name, buffer); }

// ---- Calendar core: internal variables --------------------------------------
PLUGIN_EXPORT int _isowyear(KChar* buffer) { return WithBuffer(buffer, kalendra::IsoWeekYearVariable); }
PLUGIN_EXPORT int _isoweek(KChar* buffer) { return WithBuffer(buffer, kalendra::IsoWeekVariable); }
PLUGIN_EXPORT int _isodowi(KChar* buffer) { return WithBuffer(buffer, kalendra::IsoWeekdayVariable); }
PLUGIN_EXPORT int _t4(KChar* buffer) { return WithBuffer(buffer, kalendra::TimeT4Variable); }
PLUGIN_EXPORT int _isordate(KChar* buffer) { return WithBuffer(buffer, kalendra::IsoOrdinalDateVariable); }
PLUGIN_EXPORT int _isowdate(KChar* buffer) { return WithBuffer(buffer, kalendra::IsoWeekDateVariable); }

// ---- Calendar core: commands ------------------------------------------------
PLUGIN_EXPORT int longyears(KChar* buffer) { return WithBuffer(buffer, kalendra::LongYearsCommand); }

PLUGIN_EXPORT int qcal(KChar* buffer) { return WithBuffer(buffer, kalendra::QcalCommand); }

// ---- Help -------------------------------------------------------------------
PLUGIN_EXPORT int kalendrahelp(KChar* buffer) { return WithBuffer(buffer, kalendra::KalendraHelpCommand); }

// ---- Date functions: queries ------------------------------------------------
PLUGIN_EXPORT int f_date(KChar* buffer) { return WithBuffer(buffer, kalendra::DateFunction); }
PLUGIN_EXPORT int f_day(KChar* buffer) { return WithBuffer(buffer, kalendra::DayFunction); }
PLUGIN_EXPORT int f_month(KChar* buffer) { return WithBuffer(buffer, kalendra::MonthFunction); }
PLUGIN_EXPORT int f_year(KChar* buffer) { return WithBuffer(buffer, kalendra::YearFunction); }
PLUGIN_EXPORT int f_dow(KChar* buffer) { return WithBuffer(buffer, kalendra::DowFunction); }
PLUGIN_EXPORT int f_dowf(KChar* buffer) { return WithBuffer(buffer, kalendra::DowfFunction); }
PLUGIN_EXPORT int f_dowi(KChar* buffer) { return WithBuffer(buffer, kalendra::DowiFunction); }
PLUGIN_EXPORT int f_idow(KChar* buffer) { return WithBuffer(buffer, kalendra::IdowFunction); }
PLUGIN_EXPORT int f_idowf(KChar* buffer) { return WithBuffer(buffer, kalendra::IdowfFunction); }
PLUGIN_EXPORT int f_doy(KChar* buffer) { return WithBuffer(buffer, kalendra::DoyFunction); }
PLUGIN_EXPORT int f_isodowi(KChar* buffer) { return WithBuffer(buffer, kalendra::IsoDowiFunction); }
PLUGIN_EXPORT int f_isoweek(KChar* buffer) { return WithBuffer(buffer, kalendra::IsoWeekFunction); }
PLUGIN_EXPORT int f_isowyear(KChar* buffer) { return WithBuffer(buffer, kalendra::IsoWeekYearFunction); }
PLUGIN_EXPORT int f_usweek(KChar* buffer) { return WithBuffer(buffer, kalendra::UsWeekFunction); }
PLUGIN_EXPORT int f_leap(KChar* buffer) { return WithBuffer(buffer, kalendra::LeapFunction); }
PLUGIN_EXPORT int f_monthlen(KChar* buffer) { return WithBuffer(buffer, kalendra::MonthLenFunction); }
PLUGIN_EXPORT int f_monthname(KChar* buffer) { return WithBuffer(buffer, kalendra::MonthNameFunction); }
PLUGIN_EXPORT int f_isdate(KChar* buffer) { return WithBuffer(buffer, kalendra::IsDateFunction); }

// ---- Date functions: arithmetic and weekday searches ------------------------
PLUGIN_EXPORT int f_dateplus(KChar* buffer) { return WithBuffer(buffer, kalendra::DatePlusFunction); }
PLUGIN_EXPORT int f_days(KChar* buffer) { return WithBuffer(buffer, kalendra::DaysFunction); }
PLUGIN_EXPORT int f_makedate(KChar* buffer) { return WithBuffer(buffer, kalendra::MakeDateFunction); }
PLUGIN_EXPORT int f_dateconv(KChar* buffer) { return WithBuffer(buffer, kalendra::DateConvFunction); }
PLUGIN_EXPORT int f_inrange(KChar* buffer) { return WithBuffer(buffer, kalendra::InRangeFunction); }
PLUGIN_EXPORT int f_nextdate(KChar* buffer) { return WithBuffer(buffer, kalendra::NextDateFunction); }
PLUGIN_EXPORT int f_nextdow(KChar* buffer) { return WithBuffer(buffer, kalendra::NextDowFunction); }
PLUGIN_EXPORT int f_dowis(KChar* buffer) { return WithBuffer(buffer, kalendra::DowIsFunction); }

// ---- Holidays ---------------------------------------------------------------
PLUGIN_EXPORT int f_easter(KChar* buffer) { return WithBuffer(buffer, kalendra::EasterFunction); }
PLUGIN_EXPORT int f_holiday(KChar* buffer) { return WithBuffer(buffer, kalendra::HolidayFunction); }
PLUGIN_EXPORT int f_isholiday(KChar* buffer) { return WithBuffer(buffer, kalendra::IsHolidayFunction); }
PLUGIN_EXPORT int f_inlieu(KChar* buffer) { return WithBuffer(buffer, kalendra::InLieuFunction); }

// ---- Date picker ------------------------------------------------------------
PLUGIN_EXPORT int f_pickdate(KChar* buffer) { return WithBuffer(buffer, kalendra::PickDateFunction); }

// ---- Numerals ---------------------------------------------------------------
PLUGIN_EXPORT int f_roman(KChar* buffer) { return WithBuffer(buffer, kalendra::RomanFunction); }
PLUGIN_EXPORT int f_ord(KChar* buffer) { return WithBuffer(buffer, kalendra::OrdFunction); }

// ---- Times: times of day, time arithmetic, decimal days ----------------------
PLUGIN_EXPORT int f_istime(KChar* buffer) { return WithTimeBuffer(buffer, kalendra::IsTimeFunction); }
PLUGIN_EXPORT int f_timeparts(KChar* buffer) { return WithTimeBuffer(buffer, kalendra::TimePartsFunction); }
PLUGIN_EXPORT int f_timefmt(KChar* buffer) { return WithBuffer(buffer, kalendra::TimeFmtFunction); }
PLUGIN_EXPORT int f_timeplus(KChar* buffer) { return WithTimeBuffer(buffer, kalendra::TimePlusFunction); }
PLUGIN_EXPORT int f_timediff(KChar* buffer) { return WithTimeBuffer(buffer, kalendra::TimeDiffFunction); }
PLUGIN_EXPORT int f_timetodec(KChar* buffer) { return WithTimeBuffer(buffer, kalendra::TimeToDecFunction); }
PLUGIN_EXPORT int f_dectotime(KChar* buffer) { return WithTimeBuffer(buffer, kalendra::DecToTimeFunction); }

// ---- Times: local time and UTC, ages, file stamps ---------------------------
PLUGIN_EXPORT int f_localdatetime(KChar* buffer) { return WithTimeBuffer(buffer, kalendra::LocalDateTimeFunction); }
PLUGIN_EXPORT int f_utcdatetime(KChar* buffer) { return WithTimeBuffer(buffer, kalendra::UtcDateTimeFunction); }
PLUGIN_EXPORT int f_agedate(KChar* buffer) { return WithBuffer(buffer, kalendra::AgeDateFunction); }
PLUGIN_EXPORT int f_makeage(KChar* buffer) { return WithBuffer(buffer, kalendra::MakeAgeFunction); }
PLUGIN_EXPORT int f_filestamp(KChar* buffer) { return WithBuffer(buffer, kalendra::FileStampFunction); }
