// The plug-in's one seam to the operating system. Each back-end folder
// (posix/, win32/, fake/) defines every function declared here; CMake links
// exactly one. Nothing outside src/platform/ includes a system header.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "contract/host_interface.h"

namespace kalendra::platform {

// ---- Clock -----------------------------------------------------------------

// A date and time as the system's clocks read it, local or UTC (SYSTEMTIME
// without its weekday).
struct SystemDateTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;

  friend bool operator==(const SystemDateTime&, const SystemDateTime&) = default;
};

// The current local date and time.
SystemDateTime LocalNow();

// The current UTC date and time (GetSystemTime).
SystemDateTime UtcNow();

// Whole seconds since 1970-01-01 00:00:00 UTC, read as cheaply as the system
// allows.
std::int64_t UtcSecondsNow();

// ---- Time zone -------------------------------------------------------------
// The user's current zone, with the daylight-saving rule in force on the
// date converted (SystemTimeToTzSpecificLocalTime and
// TzSpecificLocalTimeToSystemTime with no explicit zone). A result may lie
// outside 1601..9999; the caller checks. std::nullopt when the system
// refuses the conversion.

std::optional<SystemDateTime> UtcToLocal(const SystemDateTime& utc);

// A number, never 0, that stays the same for as long as the user's zone
// cannot have changed (on POSIX: the TZ variable; a back-end that cannot
// tell answers a new number every time).
std::uint64_t ZoneGeneration();

// A local time that the clocks skip in spring, or show twice in autumn, is
// read as daylight-saving time, as Windows reads it: the larger of the two
// offsets applies.
std::optional<SystemDateTime> LocalToUtc(const SystemDateTime& local);

// File times: counts of 100-nanosecond intervals since 1601-01-01 00:00:00.
using FileTime = std::uint64_t;

// The file time moved by the zone's offset from UTC in force now, whatever
// the date of the time itself (FileTimeToLocalFileTime). std::nullopt when
// the result would leave the range of a file time.
std::optional<FileTime> ToLocalFileTimeByCurrentBias(FileTime utc);

// ---- Module ----------------------------------------------------------------

// Called by the library's load hook with its own module handle (Windows);
// other back-ends find themselves without it.
void RecordModuleHandle(void* module);

// The full path of the plug-in's own library file, or empty on failure.
std::u16string ModulePath();

// ---- Files -----------------------------------------------------------------

// The character between the folders of a path ('\\' on Windows, '/' on POSIX).
KChar PathSeparator();

// What OpenFileForReading gives when the file cannot be opened.
inline constexpr HostFile kNoFile = -1;

// Opens an existing file (not a folder) for reading, sharing read access
// with others, as a handle for the shell's QueryIsFileUnicode and GetLine.
HostFile OpenFileForReading(const std::u16string& path);

// Closes a file that OpenFileForReading opened.
void CloseFile(HostFile file);

// The three time stamps of a file, in UTC, as a directory search reports
// them (FindFirstFileW). Where a system keeps no creation time, creation is
// the nearest time it keeps (the POSIX back-end: the last status change).
struct FileStamps {
  FileTime lastWrite = 0;
  FileTime lastAccess = 0;
  FileTime creation = 0;
};

// The stamps of the file or folder at a full path, or std::nullopt when it
// cannot be found.
std::optional<FileStamps> FindFileStamps(const std::u16string& path);

// The name of the file system that holds a volume root ("NTFS", "FAT32",
// ...; GetVolumeInformationW), or std::nullopt when the volume gives no
// answer. A root is "C:\", "\\server\share\" or, on POSIX, any path on
// the volume.
std::optional<std::u16string> VolumeFileSystemName(const std::u16string& root);

// ---- Settings --------------------------------------------------------------
// The plug-in's saved binary values: on Windows under the registry key
// "Software\QuorraPlugins\KALENDRA", read under HKEY_CURRENT_USER, then
// HKEY_LOCAL_MACHINE, and written under HKEY_CURRENT_USER only; on POSIX in
// the file "settings" of the user's configuration folder
// ($XDG_CONFIG_HOME/kalendra/, else ~/.config/kalendra/), replaced whole and
// at once when a value is written.

// A value of at most maxLength bytes, or std::nullopt when it is missing,
// longer or unreadable.
std::optional<std::string> ReadSetting(const std::u16string& name, std::size_t maxLength);

// Saves a value, keeping every other one. False when it cannot be saved.
bool WriteSetting(const std::u16string& name, std::string_view bytes);

// ---- Environment -----------------------------------------------------------

// The value of an environment variable; empty when it is unset.
std::u16string EnvironmentValue(const std::u16string& name);

// ---- Locale ----------------------------------------------------------------
// Items of the user's default locale. Each query answers with the item's text
// as GetLocaleInfoW gives it for LOCALE_USER_DEFAULT (numbers as decimal
// text), or std::nullopt when the item cannot be read.

enum class LocaleItem {
  kShortDateOrder,      // LOCALE_IDATE: "0" month-day-year, "1" day-month-year, "2" year-month-day
  kLongDateOrder,       // LOCALE_ILDATE: the same values for the long date
  kDateSeparator,       // LOCALE_SDATE
  kTimeSeparator,       // LOCALE_STIME
  kDecimalSeparator,    // LOCALE_SDECIMAL
  kThousandsSeparator,  // LOCALE_STHOUSAND
  kFirstDayOfWeek,      // LOCALE_IFIRSTDAYOFWEEK: "0" Monday ... "6" Sunday
  kEnglishCountryName,  // LOCALE_SENGCOUNTRY, such as "Germany"
  kAmDesignator,        // LOCALE_S1159
  kPmDesignator,        // LOCALE_S2359
};

std::optional<std::u16string> LocaleInfo(LocaleItem item);

// Brings the back-end's view of the user's locale up to date; the core calls
// it once before it reads the items. Returns the locale's generation: a
// number, never 0, that stays the same for as long as no item or name can
// have changed, so that the core reads them again only when it moves.
std::uint64_t ReloadLocaleIfChanged();

enum class LocaleNameSet {
  kMonth,              // LOCALE_SMONTHNAME1..12
  kAbbreviatedMonth,   // LOCALE_SABBREVMONTHNAME1..12
  kWeekday,            // LOCALE_SDAYNAME1..7
  kAbbreviatedWeekday  // LOCALE_SABBREVDAYNAME1..7
};

// One name of a set: months by number 1..12; weekdays 1..7 with 1 = Monday
// and 7 = Sunday, as the LOCALE_SDAYNAMEn items number them.
std::optional<std::u16string> LocaleName(LocaleNameSet set, int index);

// How the system writes a date for the user's default locale; the values
// are the GetDateFormatW flags.
enum class LocaleDateStyle {
  kPicture = 0,              // the picture given, or the default (short) date when it is empty
  kShortDate = 1,            // DATE_SHORTDATE
  kLongDate = 2,             // DATE_LONGDATE
  kAlternativeCalendar = 4,  // DATE_USE_ALT_CALENDAR: the default date in the locale's other calendar
};

// A Gregorian date with its weekday (0 = Sunday), as SYSTEMTIME holds it.
struct LocaleDate {
  int year = 0;
  int month = 0;
  int day = 0;
  int weekday = 0;
};

// The date as the system writes it (GetDateFormatW for LOCALE_USER_DEFAULT).
// The picture is used by kPicture only, in the Windows picture language: d,
// dd the day without and with a leading zero; ddd, dddd the abbreviated and
// full weekday name; M, MM the month; MMM, MMMM the abbreviated and full
// month name (in the form that goes with a day when the picture also has d
// or dd); y the last two digits of the year without a leading zero, yy and
// yyy with it, yyyy the whole year; g, gg the era; 'quoted text' as it
// stands, '' an apostrophe; any other character as it stands. Returns the
// text, or std::nullopt when the system cannot write it.
std::optional<std::u16string> FormatLocaleDate(LocaleDateStyle style, const LocaleDate& date,
                                               std::u16string_view picture);

// ---- Help --------------------------------------------------------------------

// A window of the help viewer (an HWND on Windows); kNoHelpWindow for none.
using HelpWindow = std::uintptr_t;
inline constexpr HelpWindow kNoHelpWindow = 0;

// The name of the help file that the candidate folders are searched for:
// the compiled help on Windows, the contents page beside the pages on POSIX.
std::u16string_view HelpFileName();

// How the message of a missing help file names the places searched here:
// the help file, the library's file and what the system calls it, the help
// folder beside the library and the shell, and the system's own help folder
// (empty where there is none).
struct HelpPlaceNames {
  std::u16string_view helpFile;      // "KALENDRA.CHM"
  std::u16string_view library;       // "KALENDRA.DLL"
  std::u16string_view libraryKind;   // "DLL"
  std::u16string_view helpFolder;    // "HELP"
  std::u16string_view systemFolder;  // "%WINDIR\\HELP"
};
HelpPlaceNames HelpPlaces();

// Shows one page of the help file at a full path: Windows hands the HTML
// Help engine "file::/page.html"; POSIX shows the page beside the file as
// text (through the pager on a terminal) or in the user's browser. The
// viewer's window, kNoHelpWindow when none appeared, or std::nullopt when
// the help has no such page (POSIX: Windows' viewer says so itself).
std::optional<HelpWindow> ShowHelpPage(const std::u16string& helpFile, std::u16string_view page);

// Closes a window that ShowHelpPage gave, if it still exists and is still
// the library's help window.
void CloseHelpWindow(HelpWindow window);

// Shows a message in a box of its own where the system has them (Windows);
// false where it has none (POSIX), and the caller writes it as an error.
bool ShowMessageBox(std::u16string_view text);

}  // namespace kalendra::platform
