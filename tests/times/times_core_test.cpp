// Times of day without a function around them: the time grammar, the time
// formats and the arithmetic of times and decimal days.
#include "support/kit.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

#include "times/time_arithmetic.h"
#include "times/time_format.h"
#include "times/time_grammar.h"

namespace {

// ---- ParseTime and ParseOffset: the grammar's cases, good and bad, by table.
struct TimeRow {
  std::u16string_view text;
  int result;  // 0 or -1
  TimeOfDay time;
  TimeParts parts;
};

const TimeRow kTimeTable[] = {
    // Clock fields.
    {u"7:00", 0, {7, 0, 0, 0}, 12}, {u"0:00", 0, {0, 0, 0, 0}, 12}, {u"23:59:59.999", 0, {23, 59, 59, 999}, 15},
    {u"007:0005", 0, {7, 5, 0, 0}, 12}, {u"10.30", 0, {10, 30, 0, 0}, 12}, {u"10:30.5", 0, {10, 30, 5, 0}, 14},
    {u"10.30.15,25", 0, {10, 30, 15, 250}, 15}, {u"10:30:15.1239", 0, {10, 30, 15, 123}, 15},
    {u"10:30:15.", 0, {10, 30, 15, 0}, 14}, {u"10:30:15.09", 0, {10, 30, 15, 90}, 15},
    {u"10:30 ", 0, {10, 30, 0, 0}, 12},
    // Markers after the time.
    {u"12:00 AM", 0, {0, 0, 0, 0}, 28}, {u"12:00 PM", 0, {12, 0, 0, 0}, 28}, {u"1 PM", 0, {13, 0, 0, 0}, 24},
    {u"10:30 p.m.", 0, {22, 30, 0, 0}, 28}, {u"10:30p", 0, {22, 30, 0, 0}, 28}, {u"10:30 a m", 0, {10, 30, 0, 0}, 28},
    {u"11:59:59.999PM", 0, {23, 59, 59, 999}, 31},
    // Markers before the time.
    {u"PM 7", 0, {19, 0, 0, 0}, 24}, {u"A.M.10:30", 0, {10, 30, 0, 0}, 28}, {u"am12:05", 0, {0, 5, 0, 0}, 28},
    {u"p 12", 0, {12, 0, 0, 0}, 24},
    // Not times.
    {u"", -1, {}, 0}, {u" 10:30", -1, {}, 0}, {u"7", -1, {}, 0}, {u"24:00", -1, {}, 0}, {u"23:60", -1, {}, 0},
    {u"23:59:60", -1, {}, 0}, {u"0:30 AM", -1, {}, 0}, {u"13:00 PM", -1, {}, 0}, {u"PM 0", -1, {}, 0},
    {u"AM 10:30 PM", -1, {}, 0}, {u"10:30 Px", -1, {}, 0}, {u"10,30", -1, {}, 0}, {u"10:30:", -1, {}, 0},
    {u"10:30.", -1, {}, 0}, {u"10::30", -1, {}, 0}, {u"PM", -1, {}, 0}, {u"M10:30", -1, {}, 0},
    {u"10:30:15.5.5", -1, {}, 0}, {u"4294967296:00", -1, {}, 0}, {u"10:99999999999", -1, {}, 0},
    {u"99999999999 PM", -1, {}, 0},
};

TEST(ParseTime, ReadsTheGrammar) {
  for (const TimeRow& row : kTimeTable) {
    TimeOfDay time{99, 99, 99, 9999};
    TimeParts parts = 12345;
    EXPECT_EQ(ParseTime(row.text, time, &parts), row.result) << Narrow(row.text);
    EXPECT_EQ(parts, row.parts) << Narrow(row.text);
    if (row.result == 0) {
      EXPECT_EQ(time, row.time) << Narrow(row.text);
    } else {
      EXPECT_EQ(time, (TimeOfDay{99, 99, 99, 9999})) << Narrow(row.text) << ": a failure leaves the time";
    }
  }
}

TEST(ParseTime, NeedsNoPlaceForTheParts) {
  TimeOfDay time;
  EXPECT_EQ(ParseTime(u"9:15 pm", time), 0);
  EXPECT_EQ(time, (TimeOfDay{21, 15, 0, 0}));
  EXPECT_EQ(ParseTime(u"9", time), -1);
}

// Every hour of both halves of the day, with each marker spelling.
TEST(ParseTime, TwelveHourClockCoversTheDay) {
  for (std::uint32_t hour = 1; hour <= 12; ++hour) {
    for (std::u16string_view am : {u"AM", u"a.m.", u"a", u"A.M"}) {
      const std::u16string text = Widen(std::to_string(hour)) + u":07 " + std::u16string(am);
      std::u16string pmText = text;
      pmText[pmText.size() - am.size()] = am[0] == u'A' ? u'P' : u'p';
      TimeOfDay time;
      ASSERT_EQ(ParseTime(text, time), 0) << Narrow(text);
      EXPECT_EQ(time.hour, hour % 12) << Narrow(text);
      ASSERT_EQ(ParseTime(pmText, time), 0) << Narrow(pmText);
      EXPECT_EQ(time.hour, hour % 12 + 12) << Narrow(pmText);
    }
  }
}

struct OffsetRow { std::u16string_view text; int result; TimeOffset offset; };

const OffsetRow kOffsetTable[] = {
    {u"2:00", 0, {0, 2, 0, 0, 0}}, {u"-2:00", 0, {0, -2, 0, 0, 0}}, {u"0:90", 0, {0, 0, 90, 0, 0}},
    {u"2", 0, {0, 2, 0, 0, 0}}, {u"1:02:03.4567", 0, {0, 1, 2, 3, 456}}, {u"1.02.03,45", 0, {0, 1, 2, 3, 450}},
    {u"2 days 1:00", 0, {2, 1, 0, 0, 0}}, {u"1 day", 0, {1, 0, 0, 0, 0}}, {u"1 Day  3", 0, {1, 3, 0, 0, 0}},
    {u"2  1:00", 0, {2, 1, 0, 0, 0}}, {u"-1 12:00", 0, {-1, -12, 0, 0, 0}}, {u"-1@2:00", 0, {-1, -2, 0, 0, 0}},
    {u"+3@0:00:00.001", 0, {3, 0, 0, 0, 1}},
    {u"2147483647@2147483647:2147483647", 0, {2147483647, 2147483647, 2147483647, 0, 0}},
    {u"-2147483647", 0, {0, -2147483647, 0, 0, 0}},
    // Not offsets.
    {u"", -1, {}}, {u"-", -1, {}}, {u"+-1", -1, {}}, {u"x", -1, {}}, {u"2@", -1, {}}, {u"2 x", -1, {}},
    {u"2 days 1:", -1, {}}, {u"1:00 ", -1, {}}, {u"1,30", -1, {}}, {u"1:02:03:04", -1, {}}, {u" 1:00", -1, {}},
    {u"2147483648", -1, {}}, {u"-2147483648:00", -1, {}}, {u"0:2147483648", -1, {}}, {u"99999999999 1:00", -1, {}},
};

TEST(ParseOffset, ReadsTheGrammar) {
  for (const OffsetRow& row : kOffsetTable) {
    TimeOffset offset{7, 7, 7, 7, 7};
    EXPECT_EQ(ParseOffset(row.text, offset), row.result) << Narrow(row.text);
    const TimeOffset expected = row.result == 0 ? row.offset : TimeOffset{7, 7, 7, 7, 7};
    EXPECT_EQ(offset, expected) << Narrow(row.text);
  }
}

TEST(SkipDayWord, StepsOverSpacesAndTheWord) {
  const struct {
    std::u16string_view text;
    std::size_t end;
  } rows[] = {{u" days 1", 6}, {u"day", 3}, {u"  DaYs  ", 8}, {u" dais", 1}, {u"1", 0}, {u" d", 1}, {u"dayss", 4}};
  for (const auto& row : rows) {
    std::size_t pos = 0;
    SkipDayWord(row.text, pos);
    EXPECT_EQ(pos, row.end) << Narrow(row.text);
  }
}

// ---- FormatTime in every style and option, and the round trip through
// ParseTime of every time of day.
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

// ---- AddTime and TimeDifference against plain millisecond counts, and decimal
// days in both directions.
constexpr std::int64_t kMsPerDay = 86400000;

std::int64_t MillisecondsOf(const TimeOfDay& t) {
  return ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

TimeOfDay TimeAt(std::int64_t ms) {
  return {static_cast<std::uint32_t>(ms / 3600000), static_cast<std::uint32_t>(ms / 60000 % 60),
          static_cast<std::uint32_t>(ms / 1000 % 60), static_cast<std::uint32_t>(ms % 1000)};
}

std::string Describe(const TimeOfDay& t, const TimeOffset& o) {
  return std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" + std::to_string(t.second) + "." +
         std::to_string(t.millisecond) + " + {" + std::to_string(o.days) + "d " + std::to_string(o.hours) + "h " +
         std::to_string(o.minutes) + "m " + std::to_string(o.seconds) + "s " + std::to_string(o.milliseconds) +
         "ms}";
}

// The oracle: everything as one count of milliseconds, split by floor
// division at the end. Returns false when the day count leaves 32 bits.
bool AddByMilliseconds(const TimeOfDay& time, const TimeOffset& o, std::int64_t& days, TimeOfDay& result) {
  const std::int64_t total = MillisecondsOf(time) + o.milliseconds + o.seconds * 1000LL + o.minutes * 60000LL +
                             o.hours * 3600000LL + o.days * kMsPerDay;
  std::int64_t rest = total % kMsPerDay;
  days = total / kMsPerDay;
  if (rest < 0) {
    rest += kMsPerDay;
    --days;
  }
  result = TimeAt(rest);
  return days >= std::numeric_limits<std::int32_t>::min() && days <= std::numeric_limits<std::int32_t>::max();
}

void ExpectAddTimeAgrees(const TimeOfDay& time, const TimeOffset& offset) {
  std::int64_t expectedDays = 0;
  TimeOfDay expected;
  const bool fits = AddByMilliseconds(time, offset, expectedDays, expected);
  std::int32_t carry = 12345;
  TimeOfDay result{1, 2, 3, 4};
  ASSERT_EQ(AddTime(time, offset, carry, result), fits ? 0 : -1) << Describe(time, offset);
  if (fits) {
    EXPECT_EQ(carry, expectedDays) << Describe(time, offset);
    EXPECT_EQ(result, expected) << Describe(time, offset);
  } else {
    EXPECT_EQ(carry, 12345) << Describe(time, offset) << ": a refusal leaves the carry";
  }
}

// The day carry must fit 32 bits; offsets at the edges of the count range
// either fit exactly or are refused, never wrapped.
TEST(AddTime, ExtremeCountsFitOrAreRefused) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const TimeOffset offsets[] = {
      {kMax, 0, 0, 0, 0},    {kMax, 23, 0, 0, 0},   {kMax, 24, 0, 0, 0},   {kMin, 0, 0, 0, 0},
      {kMin, 0, 0, 0, -1},   {kMin + 1, -24, 0, 0, 0}, {0, kMax, kMax, kMax, kMax}, {kMax, kMax, kMax, kMax, kMax},
      {kMin, kMin, kMin, kMin, kMin}, {-kMax, -kMax, -kMax, -kMax, -kMax}, {0, kMin, 0, 0, 0}};
  for (const TimeOffset& offset : offsets) {
    for (const TimeOfDay& time : {TimeOfDay{0, 0, 0, 0}, TimeOfDay{23, 59, 59, 999}, TimeOfDay{12, 30, 30, 500}}) {
      ExpectAddTimeAgrees(time, offset);
    }
  }
  std::int32_t carry = 0;
  TimeOfDay result;
  EXPECT_EQ(AddTime({23, 0, 0, 0}, {kMax, 1, 0, 0, 0}, carry, result), -1);
  EXPECT_EQ(AddTime({0, 0, 0, 0}, {kMin, 0, 0, 0, -1}, carry, result), -1);
}

TEST(AddTime, AgreesWithMillisecondCountsForRandomOffsets) {
  std::mt19937_64 random(20151225);
  std::uniform_int_distribution<std::int64_t> ms(0, kMsPerDay - 1);
  // Small, medium and full-range counts, so carries of every size occur.
  const std::int32_t limits[] = {100, 100000, std::numeric_limits<std::int32_t>::max()};
  for (int i = 0; i < 200000; ++i) {
    const auto count = [&](int pick) {
      const std::int32_t limit = limits[pick];
      return static_cast<std::int32_t>(std::uniform_int_distribution<std::int64_t>(-limit, limit)(random));
    };
    const TimeOffset offset{count(i % 3), count(i / 3 % 3), count(i / 9 % 3), count(i / 27 % 3), count(i / 81 % 3)};
    ExpectAddTimeAgrees(TimeAt(ms(random)), offset);
  }
}

}  // namespace
