// FormatTime in every style and option, and the round trip through
// ParseTime of every time of day.
#include "support/kit.h"

#include <cmath>
#include <cstdio>

#include "times/time_format.h"
#include "times/time_grammar.h"

namespace {

const TimeLocale kUsLocale{u':', u'.', u"AM", u"PM"};
const TimeLocale kGermanLocale{u'.', u',', u"vorm.", u"nachm."};

struct FormatRow { TimeOfDay time; TimeFormat format; std::u16string_view expected; };

const FormatRow kFormatTable[] = {
    // The worked example, 13:05:07.042.
    {{13, 5, 7, 42}, 0, u"13:05"}, {{13, 5, 7, 42}, 128, u"13:05:07"}, {{13, 5, 7, 42}, 256, u"13:05:07.042"},
    {{13, 5, 7, 42}, 1, u"1:05 PM"}, {{13, 5, 7, 42}, 1025, u"01:05 PM"}, {{13, 5, 7, 42}, 2049, u" 1:05 PM"},
    {{13, 5, 7, 42}, 4352, u"130507042"}, {{13, 5, 7, 42}, 5376, u"130507.042"}, {{13, 5, 7, 42}, 7, u"1:05P.M."},
    {{13, 5, 7, 42}, 15, u".54522039"},
    // Every marker style, afternoon and morning.
    {{13, 5, 0, 0}, 2, u"1:05 pm"}, {{13, 5, 0, 0}, 3, u"1:05 P.M."}, {{13, 5, 0, 0}, 4, u"1:05 p.m."},
    {{13, 5, 0, 0}, 5, u"1:05PM"}, {{13, 5, 0, 0}, 6, u"1:05pm"}, {{13, 5, 0, 0}, 8, u"1:05p.m."},
    {{13, 5, 0, 0}, 9, u"1:05 P"}, {{13, 5, 0, 0}, 10, u"1:05 p"}, {{13, 5, 0, 0}, 11, u"1:05P"},
    {{13, 5, 0, 0}, 12, u"1:05p"}, {{13, 5, 0, 0}, 13, u"1:05 PM"}, {{13, 5, 0, 0}, 14, u"1:05 pm"},
    {{1, 5, 0, 0}, 1, u"1:05 AM"}, {{1, 5, 0, 0}, 12, u"1:05a"}, {{1, 5, 0, 0}, 14, u"1:05 am"},
    // The hour on the 12-hour clock: 0 is written 12.
    {{0, 0, 0, 0}, 1, u"12:00 AM"}, {{0, 59, 0, 0}, 0, u"0:59"}, {{12, 0, 0, 0}, 1, u"12:00 PM"},
    {{23, 59, 59, 999}, 257, u"11:59:59.999 PM"},
    // Padding.
    {{9, 5, 0, 0}, 4096, u"0905"}, {{9, 5, 0, 0}, 2048, u" 9:05"}, {{9, 5, 0, 0}, 1024, u"09:05"},
    {{21, 5, 0, 0}, 4096 + 1, u"0905 PM"}, {{21, 5, 0, 0}, 2048 + 6, u" 9:05pm"},
    // Separators.
    {{9, 5, 3, 7}, 512 + 256, u"9.05.03,007"}, {{9, 5, 3, 7}, 4096 + 512 + 256, u"090503,007"},
    {{9, 5, 3, 7}, 4096 + 1024 + 512 + 256, u"090503,007"}, {{9, 5, 3, 7}, 4096 + 128, u"090503"},
    // Ignored bits: 4 to 6 and above 12.
    {{9, 5, 3, 7}, 16 + 32 + 64 + 8192 + 65536 + 1, u"9:05 AM"},
    // The decimal fraction of a day.
    {{12, 0, 0, 0}, 15, u".50000000"}, {{12, 0, 0, 0}, 1039, u"0.50000000"}, {{23, 59, 59, 999}, 15, u".99999999"},
    {{6, 0, 0, 0}, 1024 + 15, u"0.25000000"},
};

TEST(FormatTime, WritesEveryStyleAndOption) {
  for (const FormatRow& row : kFormatTable) {
    TimeText text;
    EXPECT_EQ(FormatTime(row.time, row.format, row.format & 512 ? kGermanLocale : kUsLocale, text), 0);
    EXPECT_EQ(Narrow(text.View()), Narrow(row.expected)) << "format " << row.format << " of " << row.time.hour << ":" << row.time.minute
                                  << ":" << row.time.second << "." << row.time.millisecond;
  }
}

TEST(FormatTime, LocaleDesignators) {
  const TimeLocale empty{u':', u'.', u"", u""};
  const struct { TimeOfDay time; TimeFormat format; const TimeLocale* locale; std::u16string_view expected; } rows[] = {
      {{9, 5, 0, 0}, 13, &empty, u"9:05 "}, {{21, 5, 0, 0}, 14, &empty, u"9:05 "},
      {{9, 5, 0, 0}, 13, &kGermanLocale, u"9:05 vorm."}, {{21, 5, 0, 0}, 13, &kGermanLocale, u"9:05 nachm."},
      {{21, 5, 0, 0}, 13 + 512 + 128, &kGermanLocale, u"9.05.00 nachm."},
  };
  for (const auto& row : rows) {
    TimeText text;
    EXPECT_EQ(FormatTime(row.time, row.format, *row.locale, text), 0);
    EXPECT_EQ(Narrow(text.View()), Narrow(row.expected)) << "format " << row.format;
  }
  const TimeLocale mixedCase{u':', u'.', u"Vm\u00C4", u"NM\u00C4"};  // only A to Z are lower-cased
  TimeText text;
  FormatTime({21, 5, 0, 0}, 14, mixedCase, text);
  EXPECT_EQ(Narrow(text.View()), "9:05 nm\u00C4");
}

TEST(FormatTime, RefusesFieldsOutOfRange) {
  for (const TimeOfDay& time : {TimeOfDay{24, 0, 0, 0}, TimeOfDay{0, 60, 0, 0}, TimeOfDay{0, 0, 60, 0},
                                TimeOfDay{0, 0, 0, 1000}, TimeOfDay{4294967295u, 0, 0, 0}}) {
    for (TimeFormat format : {0u, 1u, 15u, 256u + 4096u}) {
      TimeText text;
      text.Append(u"unchanged");
      EXPECT_EQ(FormatTime(time, format, kUsLocale, text), -1) << time.hour << " " << format;
      EXPECT_EQ(Narrow(text.View()), "unchanged");
    }
  }
}

// Writes the time and reads it back; adds a failure naming the text and the
// format when it does not come back whole. Plain checks, not assertions, so
// that the sweep over every millisecond stays quick in a debug build.
bool ReadsBack(const TimeOfDay& time, TimeFormat format, const TimeLocale& locale, TimeText& text) {
  TimeOfDay back;
  if (FormatTime(time, format, locale, text) == 0 && ParseTime(text.View(), back) == 0 && back == time) return true;
  ADD_FAILURE() << "\"" << Narrow(text.View()) << "\" in format " << format << " does not read back as " << time.hour << ":"
                << time.minute << ":" << time.second << "." << time.millisecond;
  return false;
}

// Every millisecond of the day, written with milliseconds in a style and
// option mix that cycles with the time, reads back as itself; so does every
// second in every style with seconds only. Sanitizer builds, many times
// slower, take every kSweepStride-th millisecond.
TEST(FormatTime, EveryTimeOfDayReadsBack) {
  constexpr std::uint32_t kSweepStride = KALENDRA_TIME_SWEEP_STRIDE;
  constexpr std::uint32_t kMillisecondsPerDay = 86400000;
  const TimeFormat options[] = {0, 512, 1024, 512 + 1024};
  const TimeLocale locales[] = {kUsLocale, {u'.', u',', u"a.m.", u"P"}};
  TimeText text;
  for (std::uint32_t n = 0; n < kMillisecondsPerDay; n += kSweepStride) {
    const TimeOfDay time{n / 3600000, n / 60000 % 60, n / 1000 % 60, n % 1000};
    const TimeFormat format = n % 15 + options[n / 15 % 4] + kWithMilliseconds;
    if (!ReadsBack(time, format, locales[n / 60 % 2], text)) return;
  }
  for (std::uint32_t n = 0; n < kMillisecondsPerDay; n += 1000) {
    for (TimeFormat style = 0; style < 15; ++style) {
      if (!ReadsBack({n / 3600000, n / 60000 % 60, n / 1000 % 60, 0}, style + kWithSeconds, kUsLocale, text)) return;
    }
  }
}

// Style 15 of every whole second lies within 1e-8 of the exact fraction.
TEST(FormatTime, DecimalDayOfEverySecondIsCloseToExact) {
  TimeText text;
  for (std::uint32_t second = 0; second < 86400; ++second) {
    const TimeOfDay time{second / 3600, second / 60 % 60, second % 60, 0};
    ASSERT_EQ(FormatTime(time, kDecimalDayStyle, kUsLocale, text), 0);
    ASSERT_EQ(text.Size(), 9u);
    ASSERT_EQ(text[0], u'.');
    const double written = std::stod("0" + Narrow(text.View()));
    ASSERT_LT(std::fabs(written - second / 86400.0), 1e-8) << Narrow(text.View()) << " for second " << second;
  }
}

TEST(FixedPoint, WritesLikePrintf) {
  for (double value : {0.0, 0.5, -0.5, 2.75, 1.0 / 3, -1.0 / 3, 1e-10, -1e-10, 0.999999999999, 123456789.125,
                       -2147483648.5, 0.0000000005, 0.0000000015}) {
    for (int digits : {8, 9}) {
      char expected[64];
      std::snprintf(expected, sizeof expected, "%.*f", digits, value);
      EXPECT_EQ(Narrow(FixedPoint(value, digits)), expected) << value << " with " << digits << " digits";
    }
  }
}

}  // namespace
