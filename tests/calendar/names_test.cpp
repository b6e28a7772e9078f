// Weekday and month names, weekday lists and years: the edge cases, the
// locale's names before the English ones, and every two-day range against a
// day-by-day count.
#include "support/kit.h"

#include "calendar/english_names.h"
#include "calendar/names.h"
#include "calendar/today.h"

namespace {

using platform::LocaleNameSet;

struct NameRow { std::u16string text; int expected; };

class NamesTest : public KalendraTest {
 protected:
  // German abbreviations, Monday first as the locale numbers them.
  static void UseGermanNames() {
    const char16_t* kDays[] = {u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa", u"So"};
    const char16_t* kMonths[] = {u"Jan", u"Feb", u"Mär", u"Apr", u"Mai", u"Jun",
                                 u"Jul", u"Aug", u"Sep", u"Okt", u"Nov", u"Dez"};
    for (int i = 1; i <= 7; ++i) fake::SetLocaleName(LocaleNameSet::kAbbreviatedWeekday, i, kDays[i - 1]);
    for (int i = 1; i <= 12; ++i) fake::SetLocaleName(LocaleNameSet::kAbbreviatedMonth, i, kMonths[i - 1]);
    RefreshLocale();
  }
};

TEST_F(NamesTest, ParseWeekday) {
  const NameRow kTable[] = {
      {u"0", 0},      {u"7", 0},     {u"1", 1},      {u"6", 6},        {u"07", 0},     {u"8", -1},
      {u"99999999999", -1},          {u"1x", -1},    {u"Sun", 0},      {u"sun", 0},    {u"SU", 0},
      {u"Th", 4},     {u"thursday", 4}, {u"Tuesday", 2}, {u"Tux", 2},  {u"Mo", 1},     {u"Sa", 6},
      {u"T", -1},     {u"", -1},     {u"-1", -1},    {u" Mon", -1},    {u"Xy", -1},    {u"Mi", -1},
  };
  for (const NameRow& row : kTable) EXPECT_EQ(ParseWeekday(row.text), row.expected) << ToUtf8(row.text);
}

TEST_F(NamesTest, ParseMonth) {
  const NameRow kTable[] = {
      {u"12", 12},   {u"1", 1},     {u"01", 1},   {u"13", -1},  {u"0", -1},     {u"12x", -1}, {u"Dec", 12},
      {u"dec", 12},  {u"DECEMBER", 12}, {u"Sept", 9}, {u"Sep", 9}, {u"Jan", 1},  {u"Ju", -1},  {u"Jun", 6},
      {u"Jul", 7},   {u"Mai", -1},  {u"", -1},    {u"-1", -1},  {u"99999999999", -1},       {u"Mä", -1},
  };
  for (const NameRow& row : kTable) EXPECT_EQ(ParseMonth(row.text), row.expected) << ToUtf8(row.text);
}

TEST_F(NamesTest, LocaleNamesAreWholeWordsTriedFirst) {
  UseGermanNames();
  const NameRow kWeekdays[] = {{u"So", 0}, {u"mo", 1}, {u"Di", 2}, {u"MI", 3}, {u"Do", 4}, {u"Sa", 6},
                               {u"Sun", 0}, {u"Mon", 1}, {u"Dienstag", -1}, {u"Mit", -1}};
  for (const NameRow& row : kWeekdays) EXPECT_EQ(ParseWeekday(row.text), row.expected) << ToUtf8(row.text);
  const NameRow kMonths[] = {{u"Mär", 3}, {u"mär", 3}, {u"Mai", 5}, {u"Okt", 10}, {u"Dez", 12},
                             {u"Oct", 10}, {u"März", -1}, {u"Märch", -1}, {u"MÄR", -1}};  // only A-Z fold
  for (const NameRow& row : kMonths) EXPECT_EQ(ParseMonth(row.text), row.expected) << ToUtf8(row.text);

  // A locale name that is also an English prefix wins.
  fake::SetLocaleName(LocaleNameSet::kAbbreviatedWeekday, 7, u"Mon");  // Sunday's name
  fake::SetLocaleName(LocaleNameSet::kAbbreviatedMonth, 1, u"Dec");
  RefreshLocale();
  EXPECT_EQ(ParseWeekday(u"Mon"), 0);
  EXPECT_EQ(ParseWeekday(u"Monday"), 1);
  EXPECT_EQ(ParseMonth(u"Dec"), 1);
  EXPECT_EQ(ParseMonth(u"December"), 12);
}

TEST_F(NamesTest, ParseWeekdayToken) {
  const struct { std::u16string text; int expected; std::size_t length; } kTable[] = {
      {u"Mon", 1, 3},       {u"Mon-Fri", 1, 3},   {u"Tue..Thu", 2, 3},   {u"Wed,Fri", 3, 3},
      {u"Sat;Sun", 6, 3},   {u"Sun Mon", 0, 3},   {u"weekday", 62, 7},   {u"WEEKDAYS", 62, 8},
      {u"weekend", 65, 7},  {u"Weekends,x", 65, 8}, {u"weekendx", 3, 8}, {u"", -1, 0},
      {u"-Mon", -1, 0},     {u",", -1, 0},        {u"7", 0, 1},          {u"x", -1, 1},
  };
  for (const auto& row : kTable) {
    std::size_t length = 99;
    EXPECT_EQ(ParseWeekdayToken(row.text, length), row.expected) << ToUtf8(row.text);
    EXPECT_EQ(length, row.length) << ToUtf8(row.text);
  }
}

TEST_F(NamesTest, ParseWeekdayList) {
  const NameRow kTable[] = {
      {u"Mon-Fri", 62},    {u"weekdays", 62},   {u"Mon..Wed", 14},  {u"Fri-Mon", 99},   {u"!weekend", 62},
      {u"^Sun", 126},      {u"Mon, Wed;Fri", 42}, {u"Mon-Wed-Fri", -1}, {u"weekday-Fri", -1}, {u"", 0},
      {u"!", 127},         {u"^", 127},         {u"Sun", 1},        {u"Sat", 64},       {u"0-6", 127},
      {u"Mon-Mon", 2},     {u"Tue-Mon", 127},   {u"Sat..Sun", 65},  {u"weekend weekday", 127},
      {u"Mon,,;; Tue", 6}, {u"Mon,", 2},        {u"Mon-", -1},      {u"Mon..", -1},     {u"Mon.Tue", -1},
      {u"Mon...Tue", -1},  {u"Mon-weekend", -1}, {u"Mon-Wed.", -1},  {u"Mon..Wed..Fri", -1}, {u" Mon", -1},
      {u"!!Mon", -1},      {u"Mon Xyz", -1},    {u"Mon-Fri Sat", 126}, {u"!Mon-Fri", 65}, {u"7", 1},
      {u"8", -1},          {u"Mon - Fri", -1},
  };
  for (const NameRow& row : kTable) EXPECT_EQ(ParseWeekdayList(row.text), row.expected) << ToUtf8(row.text);
}

// Every range of two days, with both marks, against a walk that counts the
// days from the first to the last.
TEST_F(NamesTest, EveryRangeCoversTheDaysFromFirstToLast) {
  for (int first = 0; first < 7; ++first) {
    for (int last = 0; last < 7; ++last) {
      int expected = 0;
      for (int steps = 0; steps <= (last - first + 7) % 7; ++steps) expected |= 1 << ((first + steps) % 7);
      for (const std::u16string mark : {u"-", u".."}) {
        const std::u16string text = std::u16string(EnglishAbbreviation(kEnglishWeekdayNames[first])) + mark +
                                    std::u16string(EnglishAbbreviation(kEnglishWeekdayNames[last]));
        EXPECT_EQ(ParseWeekdayList(text), expected) << ToUtf8(text);
        EXPECT_EQ(ParseWeekdayList(u"!" + text), kEveryDayMask - expected) << ToUtf8(text);
      }
    }
  }
}

TEST_F(NamesTest, ParseYear) {
  const NameRow kTable[] = {
      {u"2015", 2015}, {u"", 2015},       {u"+1", 2016},       {u"-1", 2014},          {u"+0", 2015},
      {u"+7984", 9999}, {u"+7985", -1},   {u"-414", 1601},     {u"-415", -1},          {u"1601", 1601},
      {u"9999", 9999}, {u"1600", -1},     {u"10000", -1},      {u"15", -1},            {u"2015x", -1},
      {u"+1x", -1},    {u"+", -1},        {u"-", -1},          {u"+x", -1},            {u"x", -1},
      {u" 2015", -1},  {u"+99999999999", -1}, {u"-99999999999", -1}, {u"99999999999", -1}, {u"+-1", -1},
  };
  for (const NameRow& row : kTable) EXPECT_EQ(ParseYear(row.text), row.expected) << ToUtf8(row.text);
}

}  // namespace
