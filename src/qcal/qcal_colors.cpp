// Colours of the calendar and their saved defaults.
#include "qcal/qcal_colors.h"

#include <algorithm>

#include "platform/platform.h"

namespace kalendra {
namespace {

constexpr int kBrightRed = 0xC;
constexpr int kBrightGreen = 0xA;
constexpr int kRed = 4;
constexpr int kBlack = 0;
constexpr int kBlue = 1;
constexpr int kGreen = 2;
constexpr int kCyan = 3;
constexpr int kBrightYellow = 0xE;
constexpr int kBrightWhite = 0xF;
constexpr int kBlackOnWhite = 0xF0;
constexpr int kWhiteOnBlue = 0x1F;
constexpr int kCyanOnBlue = 0xB1;
constexpr int kBlackOnYellow = 0xE0;

constexpr int Attribute(int foreground, int background) { return (background << 4) | foreground; }
constexpr int Foreground(int attribute) { return attribute & 15; }
constexpr int Background(int attribute) { return (attribute >> 4) & 15; }
constexpr int Swapped(int attribute) { return Attribute(Background(attribute), Foreground(attribute)); }

QcalColors AutomaticColors(int attribute) {
  const int f = Foreground(attribute);
  const int b = Background(attribute);
  QcalColors colors;
  colors.highlight = attribute == kBlackOnWhite ? kWhiteOnBlue : Swapped(attribute);
  if (b < 8) {
    colors.sunday = Attribute(f == kBrightRed ? kBrightGreen : kBrightRed, b);
    colors.holiday = Attribute(f, b == kBlue ? kGreen : kBlue);
  } else {
    colors.sunday = Attribute(f == kRed ? kBlack : kRed, b);
    colors.holiday = b == kBrightYellow ? kCyanOnBlue : kBlackOnYellow;
  }
  colors.highlightSunday = Swapped(colors.sunday);
  const bool cyanShows = (b == kBlack || b == kBlue || b == kBrightWhite) && f != kCyan;
  colors.weekNumber = cyanShows ? Attribute(kCyan, b) : attribute;
  return colors;
}

int HexDigit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

int OrAttribute(std::uint32_t color, int attribute) { return color != 0 ? static_cast<int>(color) : attribute; }

}  // namespace

QcalColors DeriveColors(int attribute, const ColorSet& saved) {
  if (saved[0] == kAutomaticColors) return AutomaticColors(attribute);
  QcalColors colors;
  colors.highlight = OrAttribute(saved[0], attribute);
  colors.highlightSunday = OrAttribute(saved[1], colors.highlight);
  colors.sunday = OrAttribute(saved[2], attribute);
  colors.holiday = OrAttribute(saved[3], attribute);
  colors.weekNumber = OrAttribute(saved[4], attribute);
  return colors;
}

std::optional<ColorSet> ParseColorText(std::u16string_view text, int attribute) {
  if (!text.empty() && (text[0] == u':' || text[0] == u'=')) text.remove_prefix(1);
  std::size_t digits = 0;
  while (digits < text.size() && HexDigit(text[digits]) >= 0) ++digits;
  if (digits < 2 || digits % 2 != 0) return std::nullopt;
  const std::size_t pairs = std::min<std::size_t>(digits / 2, kColorsPerSet);
  ColorSet set;
  set.fill(static_cast<std::uint32_t>(attribute));
  for (std::size_t i = 0; i < pairs; ++i) {
    const int color = HexDigit(text[2 * i]) * 16 + HexDigit(text[2 * i + 1]);
    if (color != 0 && Foreground(color) == Background(color)) return std::nullopt;
    set[i] = static_cast<std::uint32_t>(color);
  }
  if (pairs < 2) set[1] = set[0];
  return set;
}

QcalColors ColorsOfSet(const ColorSet& set, int attribute) {
  QcalColors colors;
  colors.highlight = OrAttribute(set[0], attribute);
  colors.sunday = OrAttribute(set[2], attribute);
  colors.highlightSunday = OrAttribute(set[1], colors.highlight);
  colors.weekNumber = OrAttribute(set[4], attribute);
  colors.holiday = OrAttribute(set[3], attribute);
  return colors;
}

std::array<ColorSet, kBackgroundColors>& QcalColorDefaults() {
  static std::array<ColorSet, kBackgroundColors> defaults = [] {
    std::array<ColorSet, kBackgroundColors> sets;
    for (ColorSet& set : sets) set.fill(kAutomaticColors);
    return sets;
  }();
  return defaults;
}

std::u16string SavedColorsName(int background) {
  constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  return std::u16string(u"Qcal default colors ") + kDigits[background & 15];
}

void LoadQcalColorDefaults() {
  for (int background = 0; background < kBackgroundColors; ++background) {
    ColorSet& set = QcalColorDefaults()[static_cast<std::size_t>(background)];
    set.fill(kAutomaticColors);
    const std::optional<std::string> saved = platform::ReadSetting(SavedColorsName(background), kSavedSetLength);
    if (!saved) continue;
    // A value shorter than five bytes (never written so) leaves its missing
    // colours at 0: the current attribute.
    for (std::size_t i = 0; i < set.size(); ++i) {
      set[i] = i < saved->size() ? static_cast<unsigned char>((*saved)[i]) : 0;
    }
  }
}

void SaveQcalColorDefault(int background, const ColorSet& set) {
  QcalColorDefaults()[static_cast<std::size_t>(background & 15)] = set;
  std::string bytes(kSavedSetLength, '\0');
  for (std::size_t i = 0; i < set.size(); ++i) bytes[i] = static_cast<char>(set[i] & 0xFF);
  platform::WriteSetting(SavedColorsName(background), bytes);  // a failed save is not reported
}

}  // namespace kalendra
