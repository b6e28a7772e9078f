// The fixed English weekday and month names that formats and parsers use
// whatever the user's locale is.
#pragma once

#include <string_view>

namespace kalendra {

// By weekday, 0 = Sunday ... 6 = Saturday.
inline constexpr std::u16string_view kEnglishWeekdayNames[7] = {
    u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"};

// By month, 1 = January ... 12 = December; entry 0 is empty.
inline constexpr std::u16string_view kEnglishMonthNames[13] = {
    u"",     u"January", u"February",  u"March",   u"April",    u"May",     u"June",
    u"July", u"August",  u"September", u"October", u"November", u"December"};

// The three-letter abbreviation: "Sun", "Jan".
constexpr std::u16string_view EnglishAbbreviation(std::u16string_view name) { return name.substr(0, 3); }

}  // namespace kalendra
