// Ages and moments, in 64-bit arithmetic.
#include "times/age.h"

namespace kalendra {
namespace {

TimeOfDay TimeOfMillisecond(std::uint32_t millisecondOfDay) {
  const std::uint32_t seconds = millisecondOfDay / kMillisecondsPerSecond;
  return {seconds / 3600, seconds / 60 % 60, seconds % 60, millisecondOfDay % kMillisecondsPerSecond};
}

std::uint32_t MillisecondOfDay(const TimeOfDay& time) {
  return ((time.hour * kMinutesPerHour + time.minute) * kSecondsPerMinute + time.second) * kMillisecondsPerSecond +
         time.millisecond;
}

}  // namespace

Moment MomentOfAge(AgeValue age) {
  const auto day = static_cast<DayNumber>(age / kAgeTicksPerDay) + kFirstDay;
  const auto millisecond = static_cast<std::uint32_t>(age % kAgeTicksPerDay / kAgeTicksPerMillisecond);
  return {day, TimeOfMillisecond(millisecond)};
}

std::uint32_t YearOfAge(AgeValue age) {
  const auto daysFrom1970 = static_cast<std::int64_t>(age / kAgeTicksPerDay) - civil::kDaysFrom1601To1970;
  return static_cast<std::uint32_t>(civil::CivilFromDays(daysFrom1970).year);
}

AgeValue AgeOfMoment(const Moment& moment) {
  return AgeValue(moment.day - kFirstDay) * kAgeTicksPerDay +
         AgeValue{MillisecondOfDay(moment.time)} * kAgeTicksPerMillisecond;
}

platform::SystemDateTime FieldsOfMoment(const Moment& moment) {
  const CalendarDate date = FromDayNumber(moment.day);
  const auto field = [](std::uint32_t value) { return static_cast<int>(value); };
  return {date.year,
          date.month,
          date.day,
          field(moment.time.hour),
          field(moment.time.minute),
          field(moment.time.second),
          field(moment.time.millisecond)};
}

std::optional<Moment> MomentOfFields(const platform::SystemDateTime& fields) {
  const DayNumber day = ToDayNumber(fields.year, fields.month, fields.day);
  const auto field = [](int value) { return static_cast<std::uint32_t>(value); };
  const TimeOfDay time{field(fields.hour), field(fields.minute), field(fields.second), field(fields.millisecond)};
  if (day == kInvalidDay || fields.hour < 0 || fields.minute < 0 || fields.second < 0 || fields.millisecond < 0 ||
      !IsValidTime(time)) {
    return std::nullopt;
  }
  return Moment{day, time};
}

}  // namespace kalendra
