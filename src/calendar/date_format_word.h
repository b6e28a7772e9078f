// The DateFormat word that the date grammar and the output formats share:
// bits 0-7 a format number (an order preference when reading), bit 8 four-
// digit years in the local formats; higher bits are ignored.
#pragma once

#include <cstdint>

namespace kalendra {

using DateFormat = std::uint32_t;

inline constexpr DateFormat kFourDigitYearBit = 256;

constexpr int FormatNumber(DateFormat format) { return static_cast<int>(format & 0xFFu); }

// The format numbers with a meaning of their own; 0 stands for the locale's
// default date order, and every other number writes like kIsoDate.
enum DateFormatNumber : int {
  kLocalOrder = 0,
  kMonthDayYearDate = 1,
  kDayMonthYearDate = 2,
  kYearMonthDayDate = 3,
  kIsoDate = 4,             // 2015-03-07
  kIsoWeekDate = 5,         // 2015-W10-6
  kIsoOrdinalDate = 6,      // 2015-066
  kDaysSince1980 = 16,      // +12849
  kEnglishLongDate = 17,    // Saturday, March 7, 2015
  kDaysFromToday = 18,      // T+0
  kDayNumberFormat = 19,    // A+151276
  kIsoBasicDate = 20,       // 20150307
  kDaysSince1970 = 21,      // U+16501
  kLocaleLongDate = 32,
  kLocaleShortDate = 33,
  kLocaleAlternativeCalendar = 34,
  kLocalePicture = 35,      // the picture in the shell variable dateform
  kLocaleNamesLongDate = 145,
};

}  // namespace kalendra
