// Every format that can be read back reads back to the same date, for every
// day from 1601 to 9999: the ISO forms and day counts under every reading
// order, each local format under the orders that read it, format 0 under
// each locale order, and the local formats again under STRICT.
#include "support/kit.h"

namespace {

// Formats whose text reads back whatever the order.
constexpr DateFormat kOrderFreeFormats[] = {kIsoDate,       kIsoWeekDate,     kIsoOrdinalDate, kDaysSince1980,
                                            kDaysFromToday, kDayNumberFormat, kIsoBasicDate,   kDaysSince1970};
constexpr DateFormat kReadingOrders[] = {kMonthDayYear, kDayMonthYear, kYearMonthDay, kIsoOrder};

// A local format and an order that reads it (year-month-day text also reads
// under the ISO order).
struct LocalReading { DateFormat format; DateFormat order; };
constexpr LocalReading kLocalReadings[] = {
    {kMonthDayYearDate, kMonthDayYear}, {kDayMonthYearDate, kDayMonthYear},
    {kYearMonthDayDate, kYearMonthDay}, {kYearMonthDayDate, kIsoOrder},
};

// Two-digit years read back as 1980..2079.
bool TwoDigitYearReadsBack(const CalendarDate& date) { return date.year >= 1980 && date.year <= 2079; }

class RoundTripTest : public KalendraTest {
 protected:
  // Writes the date in the format, reads the text with the order, and
  // compares; a failure names the day, the format, the order and the text.
  ::testing::AssertionResult RoundTrips(const CalendarDate& date, DateFormat format, DateFormat order) {
    FormatDate(buffer_.data(), date, format);
    return ReadsBack(date, format, order);
  }

  // Reads the text already in the buffer.
  ::testing::AssertionResult ReadsBack(const CalendarDate& date, DateFormat format, DateFormat order) {
    CalendarDate read{};
    if (ParseDate(buffer_.data(), read, order) == 0 && read == date) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << date << " format " << format << " order " << order << " wrote "
                                         << ToUtf8(buffer_.data());
  }

  std::array<KChar, kHostBufferLength> buffer_{};
};

TEST_F(RoundTripTest, EveryDayInEveryReadableFormatUnderEveryOrder) {
  UseLocaleOrder(kDayMonthYear, u".");
  for (DayNumber day = kFirstDay; day <= kLastDay; day += kExhaustiveStride) {
    const CalendarDate date = FromDayNumber(day);
    for (const DateFormat format : kOrderFreeFormats) {
      FormatDate(buffer_.data(), date, format);
      for (const DateFormat order : kReadingOrders) ASSERT_TRUE(ReadsBack(date, format, order));
    }
    for (const LocalReading& local : kLocalReadings) {
      ASSERT_TRUE(RoundTrips(date, local.format | kFourDigitYearBit, local.order));
      if (TwoDigitYearReadsBack(date)) {
        ASSERT_TRUE(RoundTrips(date, local.format, local.order));
      }
    }
  }
}

// Format 0 writes in the locale's order, with its separator, and reads back
// with the same word.
TEST_F(RoundTripTest, EveryDayInTheLocaleOrder) {
  const struct {
    int order;
    std::u16string separator;
  } kLocales[] = {{kMonthDayYear, u"/"}, {kDayMonthYear, u"-"}, {kYearMonthDay, u"."}};
  for (const auto& locale : kLocales) {
    UseLocaleOrder(locale.order, locale.separator);
    for (DayNumber day = kFirstDay; day <= kLastDay; day += kExhaustiveStride) {
      const CalendarDate date = FromDayNumber(day);
      ASSERT_TRUE(RoundTrips(date, kLocalOrder | kFourDigitYearBit, kLocalOrder));
      if (TwoDigitYearReadsBack(date)) {
        ASSERT_TRUE(RoundTrips(date, kLocalOrder, kLocalOrder));
      }
    }
  }
}

// Under STRICT the local formats write four-digit years without bit 8.
TEST_F(RoundTripTest, EveryDayInTheLocalFormatsUnderStrict) {
  SetLongYearsMode(LongYearsMode::kStrict);
  for (DayNumber day = kFirstDay; day <= kLastDay; day += kExhaustiveStride) {
    const CalendarDate date = FromDayNumber(day);
    for (const LocalReading& local : kLocalReadings) ASSERT_TRUE(RoundTrips(date, local.format, local.order));
  }
}

}  // namespace
