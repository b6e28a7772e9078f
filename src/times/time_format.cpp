// FormatTime: the clock styles with their markers, the decimal-day style,
// and the option bits that pad the hour and choose the separators.
#include "times/time_format.h"

#include <array>
#include <charconv>

#include "calendar/date_format.h"
#include "calendar/locale_snapshot.h"
#include "frame/numbers.h"
#include "frame/text.h"
#include "platform/platform.h"

namespace kalendra {
namespace {

constexpr int kDecimalDayDigits = 8;
constexpr std::uint32_t kTwelveHours = 12;
constexpr KChar kNoSeparator = 0;

enum class MarkerKind { kNone, kFixed, kLocale };

// How a style ends the time. A fixed marker is stored in its AM form; PM
// replaces the first letter with "P" before any lower-casing.
struct MarkerStyle {
  MarkerKind kind;
  bool spaceBefore;
  std::u16string_view fixedAm;
  bool lowerCase;
};

constexpr std::array<MarkerStyle, kDecimalDayStyle> kMarkerStyles = {{
    {MarkerKind::kNone, false, u"", false},   // 0: 24-hour clock
    {MarkerKind::kFixed, true, u"AM", false},  // 1
    {MarkerKind::kFixed, true, u"AM", true},   // 2
    {MarkerKind::kFixed, true, u"A.M.", false},
    {MarkerKind::kFixed, true, u"A.M.", true},
    {MarkerKind::kFixed, false, u"AM", false},  // 5
    {MarkerKind::kFixed, false, u"AM", true},
    {MarkerKind::kFixed, false, u"A.M.", false},
    {MarkerKind::kFixed, false, u"A.M.", true},
    {MarkerKind::kFixed, true, u"A", false},  // 9
    {MarkerKind::kFixed, true, u"A", true},
    {MarkerKind::kFixed, false, u"A", false},
    {MarkerKind::kFixed, false, u"A", true},
    {MarkerKind::kLocale, true, u"", false},  // 13
    {MarkerKind::kLocale, true, u"", true},   // 14
}};

bool Has(TimeFormat format, TimeFormat bit) { return (format & bit) != 0; }

// The fraction of the day, added in this order so that the last digit of
// "%.8f" comes out as it always has.
double DayFraction(const TimeOfDay& time) {
  return time.minute / 1440.0 + time.hour / 24.0 + time.second / 86400.0 + time.millisecond / 86400000.0;
}

std::u16string DecimalDayText(const TimeOfDay& time, TimeFormat format) {
  std::u16string text = FixedPoint(DayFraction(time), kDecimalDayDigits);  // always "0.dddddddd"
  return Has(format, kZeroPaddedHour) ? text : text.substr(1);
}

void AppendMarker(TimeText& text, const MarkerStyle& style, bool pm, const TimeLocale& locale) {
  if (style.spaceBefore) text.Append(u' ');
  const std::size_t start = text.Size();
  text.Append(style.kind == MarkerKind::kLocale ? (pm ? locale.pmDesignator : locale.amDesignator) : style.fixedAm);
  if (style.kind == MarkerKind::kFixed && pm) text[start] = u'P';
  if (style.lowerCase) {
    for (std::size_t i = start; i < text.Size(); ++i) text[i] = FoldAscii(text[i]);
  }
}

void AppendSeparator(TimeText& text, KChar separator) {
  if (separator != kNoSeparator) text.Append(separator);
}

void AppendNumber(TimeText& text, std::int64_t value, int minimumDigits) {
  if (value >= 0 && value < 100 && minimumDigits <= 2) {  // every field but the milliseconds
    if (value >= 10 || minimumDigits == 2) text.Append(static_cast<KChar>(u'0' + value / 10));
    text.Append(static_cast<KChar>(u'0' + value % 10));
    return;
  }
  text.Append(NumberText(value, minimumDigits).View());
}

void AppendClockText(TimeText& text, const TimeOfDay& time, TimeFormat format, const TimeLocale& locale) {
  const MarkerStyle& style = kMarkerStyles[TimeStyle(format)];
  const bool twelveHour = style.kind != MarkerKind::kNone;
  std::uint32_t hour = twelveHour ? time.hour % kTwelveHours : time.hour;
  if (twelveHour && hour == 0) hour = kTwelveHours;

  if (hour < 10 && (Has(format, kZeroPaddedHour) || Has(format, kNoSeparators))) text.Append(u'0');
  else if (hour < 10 && Has(format, kSpacePaddedHour)) text.Append(u' ');

  KChar timeSeparator = Has(format, kLocaleSeparators) ? locale.timeSeparator : u':';
  KChar decimalSeparator = Has(format, kLocaleSeparators) ? locale.decimalSeparator : u'.';
  if (Has(format, kNoSeparators)) {
    timeSeparator = kNoSeparator;
    if (!Has(format, kLocaleSeparators) && !Has(format, kZeroPaddedHour)) decimalSeparator = kNoSeparator;
  }

  AppendNumber(text, hour, 1);
  AppendSeparator(text, timeSeparator);
  AppendNumber(text, time.minute, 2);
  if (Has(format, kWithSeconds) || Has(format, kWithMilliseconds)) {
    AppendSeparator(text, timeSeparator);
    AppendNumber(text, time.second, 2);
  }
  if (Has(format, kWithMilliseconds)) {
    AppendSeparator(text, decimalSeparator);
    AppendNumber(text, time.millisecond, 3);
  }
  if (twelveHour) AppendMarker(text, style, time.hour >= kTwelveHours, locale);
}

}  // namespace

int FormatTime(const TimeOfDay& time, TimeFormat format, const TimeLocale& locale, TimeText& text) {
  if (!IsValidTime(time)) return -1;
  text.Clear();
  if (TimeStyle(format) == kDecimalDayStyle) {
    text.Append(DecimalDayText(time, format));
  } else {
    AppendClockText(text, time, format, locale);
  }
  return 0;
}

TimeLocale CurrentTimeLocale(TimeFormat format) {
  TimeLocale locale{Locale().timeSeparator, Locale().decimalSeparator, {}, {}};
  const TimeFormat style = TimeStyle(format);
  if (style == kLocaleMarkerStyle || style == kLowerLocaleMarkerStyle) {
    const auto designator = [](platform::LocaleItem item) {
      return platform::LocaleInfo(item).value_or(u"").substr(0, kDesignatorCapacity);
    };
    locale.amDesignator = designator(platform::LocaleItem::kAmDesignator);
    locale.pmDesignator = designator(platform::LocaleItem::kPmDesignator);
  }
  return locale;
}

int FormatTime(const TimeOfDay& time, TimeFormat format, TimeText& text) {
  return FormatTime(time, format, CurrentTimeLocale(format), text);
}

std::u16string DaysBeforeTime(std::int32_t days, bool withSign, bool decimalTime) {
  if (days == 0) return {};
  std::u16string text;
  if (withSign && days > 0) text += u'+';
  text += NumberText(days, 1).View();
  if (decimalTime) return text;
  return text + (days == 1 || days == -1 ? u" day " : u" days ");
}

void WriteDateAndTimeText(KChar* buffer, CalendarDate date, DateFormat dateFormat, KChar separator,
                          std::u16string_view timeText) {
  FormatDate(buffer, date, dateFormat);  // at most kLocaleDateCapacity characters
  const std::size_t length = TextLength(buffer);
  buffer[length] = separator;
  CopyText(buffer + length + 1, kHostBufferLength - length - 1, timeText);
}

std::u16string FixedPoint(double value, int digits) {
  std::array<char, 400> out{};  // the widest double in fixed notation has 309 digits before the point
  const auto end = std::to_chars(out.data(), out.data() + out.size(), value, std::chars_format::fixed, digits).ptr;
  return std::u16string(out.data(), end);
}

}  // namespace kalendra
