// The plug-in's exports, one thin wrapper each, in the order of the shell's
// calls, then by subsystem. A name listed in the feature list whose
// subsystem has not been built is not exported; the shell reports it.
#include "calendar/long_years.h"
#include "calendar/variables.h"
#include "frame/errors.h"
#include "frame/host_interface.h"
#include "frame/plugin.h"
#include "numerals/ordinal.h"
#include "numerals/roman.h"

namespace {

// Variable functions, internal variables and commands do nothing without a
// buffer.
int WithBuffer(KChar* buffer, int (*body)(KChar*)) {
  return buffer == nullptr ? kalendra::kNoBufferResult : body(buffer);
}

}  // namespace

// ---- The shell's own calls --------------------------------------------------
PLUGIN_EXPORT PluginInfo* GetPluginInfo() { return kalendra::GetPluginInfoRecord(); }
PLUGIN_EXPORT int InitializePlugin() { return kalendra::InitializePluginNow(); }
PLUGIN_EXPORT int ShutdownPlugin() { return kalendra::ShutdownPluginNow(); }

// ---- Calendar core: internal variables --------------------------------------
PLUGIN_EXPORT int _isowyear(KChar* buffer) { return WithBuffer(buffer, kalendra::IsoWeekYearVariable); }
PLUGIN_EXPORT int _isoweek(KChar* buffer) { return WithBuffer(buffer, kalendra::IsoWeekVariable); }
PLUGIN_EXPORT int _isodowi(KChar* buffer) { return WithBuffer(buffer, kalendra::IsoWeekdayVariable); }
PLUGIN_EXPORT int _t4(KChar* buffer) { return WithBuffer(buffer, kalendra::TimeT4Variable); }
PLUGIN_EXPORT int _isordate(KChar* buffer) { return WithBuffer(buffer, kalendra::IsoOrdinalDateVariable); }
PLUGIN_EXPORT int _isowdate(KChar* buffer) { return WithBuffer(buffer, kalendra::IsoWeekDateVariable); }

// ---- Calendar core: commands ------------------------------------------------
PLUGIN_EXPORT int longyears(KChar* buffer) { return WithBuffer(buffer, kalendra::LongYearsCommand); }

// ---- Numerals ---------------------------------------------------------------
PLUGIN_EXPORT int f_roman(KChar* buffer) { return WithBuffer(buffer, kalendra::RomanFunction); }
PLUGIN_EXPORT int f_ord(KChar* buffer) { return WithBuffer(buffer, kalendra::OrdFunction); }
