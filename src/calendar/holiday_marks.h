// HolidayMarks: the holiday flags of one year, as the holiday marker fills
// them and the month grids read them. Data only.
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

}  // namespace kalendra
