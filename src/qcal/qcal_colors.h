// The five colours of a calendar, how they follow from the console's
// current attribute or from a saved set, the "/Z" colour text, and the
// saved defaults: one set for each of the sixteen background colours.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalendra {

// Console attributes: low four bits foreground, high four bits background.
struct QcalColors {
  int highlight = 0;
  int highlightSunday = 0;
  int sunday = 0;
  int holiday = 0;
  int weekNumber = 0;
  friend constexpr bool operator==(const QcalColors&, const QcalColors&) = default;
};

// A set in the order highlight, highlight-on-Sunday, Sunday, holiday, week
// number. kAutomaticColors first marks a set whose colours follow the
// console; elsewhere 0 stands for the console's current attribute.
inline constexpr int kColorsPerSet = 5;
using ColorSet = std::array<std::uint32_t, kColorsPerSet>;
inline constexpr std::uint32_t kAutomaticColors = 0x11;
inline constexpr int kBackgroundColors = 16;
// A saved set is ten bytes: the five colours, then five zeros.
inline constexpr std::size_t kSavedSetLength = 10;

// The colours for a console at this attribute under the saved set.
QcalColors DeriveColors(int attribute, const ColorSet& saved);

// The hexadecimal pairs of a "/Z" colour text (after "/Z" or "/ZZ" and an
// optional ":" or "="), with the defaults of missing pairs applied: the
// second takes the first, the others the attribute. std::nullopt for an odd
// or short count, or a pair whose halves are equal (other than 00).
std::optional<ColorSet> ParseColorText(std::u16string_view text, int attribute);

// The colours of a "/Z" set: each 0 becomes the attribute, the
// highlight-on-Sunday colour the highlight colour first.
QcalColors ColorsOfSet(const ColorSet& set, int attribute);

// The saved defaults of the process, all automatic until loaded.
std::array<ColorSet, kBackgroundColors>& QcalColorDefaults();

// The name of the saved value for a background: "Qcal default colors 0".."F".
std::u16string SavedColorsName(int background);

// Reads every saved set from the settings (at plug-in initialisation).
void LoadQcalColorDefaults();

// Makes the set the default of the background and saves it.
void SaveQcalColorDefault(int background, const ColorSet& set);

}  // namespace kalendra
