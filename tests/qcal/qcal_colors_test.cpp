// The colours of a calendar: derived from the console's attribute, from a
// saved set, from a "/Z" text; and the saved defaults as ten-byte values.
#include "support/kit.h"

#include "qcal/qcal_colors.h"

namespace {

ColorSet Automatic() {
  ColorSet set;
  set.fill(kAutomaticColors);
  return set;
}

TEST(QcalColors, DerivedFromTheConsoleOrASavedSet) {
  const struct {
    int attribute;
    ColorSet saved;
    QcalColors expected;  // highlight, on Sunday, Sunday, holiday, week number
  } rows[] = {
      {0x07, Automatic(), {0x70, 0xC0, 0x0C, 0x17, 0x03}}, {0x1F, Automatic(), {0xF1, 0xC1, 0x1C, 0x2F, 0x13}},
      {0xF0, Automatic(), {0x1F, 0x4F, 0xF4, 0xE0, 0xF3}},
      {0x0C, Automatic(), {0xC0, 0xA0, 0x0A, 0x1C, 0x03}},  // red text: Sundays turn green
      {0x13, Automatic(), {0x31, 0xC1, 0x1C, 0x23, 0x13}},  // cyan text: week numbers keep the attribute
      {0x8F, Automatic(), {0xF8, 0x48, 0x84, 0xE0, 0x8F}}, {0xE4, Automatic(), {0x4E, 0x0E, 0xE0, 0xB1, 0xE4}},
      {0x07, {0x1E, 0, 0x0A, 0, 0}, {0x1E, 0x1E, 0x0A, 0x07, 0x07}},
      {0x07, {0, 0, 0, 0, 0x0B}, {0x07, 0x07, 0x07, 0x07, 0x0B}},
      {0x07, {0x1E, 0x2E, 0x3E, 0x4E, 0x5E}, {0x1E, 0x2E, 0x3E, 0x4E, 0x5E}},
  };
  for (const auto& row : rows) EXPECT_EQ(DeriveColors(row.attribute, row.saved), row.expected) << row.attribute;
}

TEST(QcalColors, ColourTexts) {
  const struct { std::u16string_view text; std::optional<ColorSet> set; } rows[] = {
      {u"70", ColorSet{0x70, 0x70, 0x07, 0x07, 0x07}}, {u":70C0", ColorSet{0x70, 0xC0, 0x07, 0x07, 0x07}},
      {u"=70C00C1703", ColorSet{0x70, 0xC0, 0x0C, 0x17, 0x03}},
      {u"70C00C1703F1xyz", ColorSet{0x70, 0xC0, 0x0C, 0x17, 0x03}},  // past the tenth digit: ignored
      {u"70c0", ColorSet{0x70, 0xC0, 0x07, 0x07, 0x07}}, {u"00", ColorSet{0, 0, 0x07, 0x07, 0x07}},
      {u"7", std::nullopt}, {u"707", std::nullopt}, {u"77", std::nullopt}, {u"70EE", std::nullopt}, {u"", std::nullopt},
      {u"x70", std::nullopt}, {u"::70", std::nullopt},
  };
  for (const auto& row : rows) EXPECT_EQ(ParseColorText(row.text, 0x07), row.set) << "/Z" << ToUtf8(row.text);
  EXPECT_EQ(ColorsOfSet({0, 0xC0, 0, 0, 0}, 0x1F), (QcalColors{0x1F, 0xC0, 0x1F, 0x1F, 0x1F}));
  EXPECT_EQ(ColorsOfSet({0x70, 0, 0, 0x2A, 0}, 0x1F), (QcalColors{0x70, 0x70, 0x1F, 0x2A, 0x1F}));
}

TEST(QcalColors, SavedDefaultsAreTenBytesPerBackground) {
  fake::Reset();
  SaveQcalColorDefault(0, {0x70, 0xC0, 0x0C, 0x17, 0x03});
  SaveQcalColorDefault(15, {0x1F, 0x1F, 0xF4, 0xE0, 0xF3});
  EXPECT_EQ(fake::Settings()[u"Qcal default colors 0"], std::string("\x70\xC0\x0C\x17\x03\0\0\0\0\0", 10));
  EXPECT_EQ(fake::Settings()[u"Qcal default colors F"], std::string("\x1F\x1F\xF4\xE0\xF3\0\0\0\0\0", 10));
  fake::Settings()[u"Qcal default colors 1"] = std::string(11, '\x1E');  // too long: unread
  fake::Settings()[u"Qcal default colors 2"] = "\x2E\x3E";              // short: the rest are 0
  LoadQcalColorDefaults();
  EXPECT_EQ(QcalColorDefaults()[0], (ColorSet{0x70, 0xC0, 0x0C, 0x17, 0x03}));
  EXPECT_EQ(QcalColorDefaults()[15], (ColorSet{0x1F, 0x1F, 0xF4, 0xE0, 0xF3}));
  EXPECT_EQ(QcalColorDefaults()[1], Automatic());
  EXPECT_EQ(QcalColorDefaults()[2], (ColorSet{0x2E, 0x3E, 0, 0, 0}));
  EXPECT_EQ(QcalColorDefaults()[3], Automatic());
  fake::Reset();
  LoadQcalColorDefaults();
  EXPECT_EQ(QcalColorDefaults()[0], Automatic());
}

}  // namespace
