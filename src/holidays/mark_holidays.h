// HolidayMarks and MarkHolidays: the holidays of one year, found by
// evaluating every rule of the holiday list for that year.
#pragma once

#include <array>
#include <cstdint>

namespace kalendra {

inline constexpr int kMarkMonths = 12;
inline constexpr int kMarkDaysPerMonth = 31;

// One flag per month and day (1 = holiday), stored month by month; days a
// month lacks stay 0. The caller owns the grid.
struct HolidayMarks {
  std::array<std::uint16_t, kMarkMonths * kMarkDaysPerMonth> flags{};

  // month 1..12, day 1..31
  std::uint16_t& At(int month, int day) {
    return flags[static_cast<std::size_t>((month - 1) * kMarkDaysPerMonth + (day - 1))];
  }
  std::uint16_t At(int month, int day) const {
    return flags[static_cast<std::size_t>((month - 1) * kMarkDaysPerMonth + (day - 1))];
  }
};

enum MarkResult : int {
  kMarksDone = 0,
  kMarkingRefused = -1,  // called from inside a rule: the grid is left clear
};

// Clears the grid and marks every date of the year that a rule yields. Each
// rule goes through the shell's expansion, which may call back into the
// plug-in; a MarkHolidays reached that way is refused rather than nested.
int MarkHolidays(int year, HolidayMarks& marks);

}  // namespace kalendra
