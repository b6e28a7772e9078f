// The sample "holidays.ini" shipped in data/: each country section marks the
// public holidays of that country, checked against published calendars.
#include "support/kit.h"

#include "holidays/holiday_file.h"

namespace {

using Days = std::vector<std::string>;

struct SectionYearRow { std::u16string country; int year; Days expected; };

class SampleHolidaysTest : public KalendraTest {
 protected:
  void SetUp() override {
    KalendraTest::SetUp();
    std::filesystem::copy_file(KALENDRA_SAMPLE_HOLIDAYS, folder_ / "holidays.ini");
  }
};

TEST_F(SampleHolidaysTest, EachSectionMarksItsCountrysHolidays) {
  const SectionYearRow kTable[] = {
      {u"United States", 2016, {"01-01", "01-18", "02-15", "05-30", "07-04", "09-05", "10-10", "11-11", "11-24",
                                "12-25", "12-26"}},
      {u"United States", 2021, {"01-01", "01-18", "02-15", "05-31", "06-18", "06-19", "07-04", "07-05", "09-06",
                                "10-11", "11-11", "11-25", "12-24", "12-25"}},
      {u"United States", 1975, {"01-01", "02-17", "05-26", "07-04", "09-01", "10-13", "10-27", "11-27", "12-25"}},
      {u"Canada", 2018, {"01-01", "03-30", "05-21", "07-01", "07-02", "09-03", "10-08", "11-11", "12-25", "12-26"}},
      {u"Canada", 2023, {"01-01", "04-07", "05-22", "07-01", "09-04", "09-30", "10-09", "11-11", "12-25", "12-26"}},
      {u"United Kingdom", 2020, {"01-01", "04-10", "04-13", "05-08", "05-25", "08-31", "12-25", "12-26", "12-28"}},
      {u"United Kingdom", 2021, {"01-01", "04-02", "04-05", "05-03", "05-31", "08-30", "12-25", "12-26", "12-27",
                                 "12-28"}},
      {u"United Kingdom", 2022, {"01-01", "01-03", "04-15", "04-18", "05-02", "06-02", "06-03", "08-29", "09-19",
                                 "12-25", "12-26", "12-27"}},
      {u"Germany", 2016, {"01-01", "03-25", "03-28", "05-01", "05-05", "05-16", "10-03", "12-25", "12-26"}},
      {u"Germany", 2017, {"01-01", "04-14", "04-17", "05-01", "05-25", "06-05", "10-03", "10-31", "12-25", "12-26"}},
      {u"Germany", 1993, {"01-01", "04-09", "04-12", "05-01", "05-20", "05-31", "10-03", "11-17", "12-25", "12-26"}},
      {u"Germany", 1985, {"01-01", "04-05", "04-08", "05-01", "05-16", "05-27", "06-17", "12-25", "12-26"}},
      {u"France", 2016, {"01-01", "03-28", "05-01", "05-05", "05-08", "05-16", "07-14", "08-15", "11-01", "11-11",
                         "12-25"}},
      {u"France", 2024, {"01-01", "04-01", "05-01", "05-08", "05-09", "05-20", "07-14", "08-15", "11-01", "11-11",
                         "12-25"}},
      {u"Australia", 2021, {"01-01", "01-26", "04-02", "04-05", "04-25", "06-14", "12-25", "12-26", "12-27",
                            "12-28"}},
      {u"Australia", 2022, {"01-01", "01-03", "01-26", "04-15", "04-18", "04-25", "06-13", "12-25", "12-26",
                            "12-27"}},
  };
  for (const SectionYearRow& row : kTable) {
    Locale().holidayCountry.Assign(row.country);
    ASSERT_EQ(LoadHolidayFile(), 0) << ToUtf8(row.country);
    std::u16string err;
    EXPECT_EQ(MarkedDays(row.year, &err), row.expected) << ToUtf8(row.country) << " " << row.year;
    EXPECT_EQ(err, u"") << ToUtf8(row.country) << " " << row.year;
  }
}

// Christmas and Boxing Day substitutes follow from the weekday of Christmas:
// Friday moves Boxing Day to Monday 28; Saturday gives Monday 27 and Tuesday
// 28; Sunday gives Tuesday 27.
Days ChristmasSubstitutes(int year) {
  const int christmas = WeekdayOf(ToDayNumber(year, 12, 25));
  if (christmas == kFriday) return {"12-28"};
  if (christmas == kSaturday) return {"12-27", "12-28"};
  if (christmas == kSunday) return {"12-27"};
  return {};
}

TEST_F(SampleHolidaysTest, ChristmasSubstitutesHoldForEveryYearOfTheCycle) {
  for (const std::u16string country : {u"United Kingdom", u"Australia"}) {
    Locale().holidayCountry.Assign(country);
    ASSERT_EQ(LoadHolidayFile(), 0);
    for (int year = 1971; year <= 2099; ++year) {
      Days december;  // the days substitutes fall on
      for (const std::string& day : MarkedDays(year)) {
        if (day == "12-27" || day == "12-28") december.push_back(day);
      }
      ASSERT_EQ(december, ChristmasSubstitutes(year)) << ToUtf8(country) << " " << year;
    }
  }
}

}  // namespace
