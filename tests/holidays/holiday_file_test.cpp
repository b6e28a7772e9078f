// "holidays.ini": the path beside the plug-in, both encodings, section
// selection, comments, and the fall-back to the built-in rules.
#include "support/kit.h"

#include "holidays/holiday_file.h"

namespace {

using Rules = std::vector<std::u16string>;

class HolidayFileTest : public KalendraTest {
 protected:
  // Loads the file for the country; the rules in file order.
  static Rules Load(std::u16string_view country, int expectedResult = 0) {
    Locale().holidayCountry.Assign(country);
    EXPECT_EQ(LoadHolidayFile(), expectedResult) << Narrow(country);
    Rules rules = LoadedRules();
    std::reverse(rules.begin(), rules.end());
    return rules;
  }
};

constexpr std::string_view kTwoCountries =
    "; holidays\n"
    "*-01-02\n"                          // before any header: ignored
    "[Germany]\n"
    "*-10-03   ; Tag der Deutschen Einheit\n"
    "  %@easter[,,,1]  \n"
    "\n"
    "%@if[1;2,*-05-01,x] ; a \";\" inside brackets stays\n"
    "[France]\r\n"
    "*-07-14\r\n"
    "[ Germany ]\n"                     // blanks inside the brackets: another name
    "*-08-15\n"
    "[GERMANY] ; again\n"
    "*-12-26\n";

TEST_F(HolidayFileTest, SelectsEverySectionOfTheCountryInBothEncodings) {
  for (const test::FileEncoding encoding : {test::FileEncoding::kEightBit, test::FileEncoding::kUtf16WithBom}) {
    WriteHolidayFile(kTwoCountries, encoding);
    EXPECT_EQ(Load(u"Germany"), (Rules{u"*-10-03", u"%@easter[,,,1]", u"%@if[1;2,*-05-01,x]", u"*-12-26"}));
    EXPECT_EQ(Load(u"germany"), Load(u"Germany"));
    EXPECT_EQ(Load(u"France"), Rules{u"*-07-14"});
    EXPECT_EQ(Load(u" Germany "), Rules{u"*-08-15"});
    EXPECT_EQ(Load(u"Spain", -1), Rules{});
  }
}

TEST_F(HolidayFileTest, NonAsciiTextSurvivesBothEncodings) {
  for (const test::FileEncoding encoding : {test::FileEncoding::kEightBit, test::FileEncoding::kUtf16WithBom}) {
    WriteHolidayFile("[Österreich]\n*-10-26 ; Nationalfeiertag\n", encoding);
    EXPECT_EQ(Load(u"Österreich"), Rules{u"*-10-26"});
  }
}

TEST_F(HolidayFileTest, LoadingEmptiesTheListFirst) {
  AddHolidayRules(u"/H:*-12-24");
  WriteHolidayFile("[Germany]\n*-10-03\n");
  EXPECT_EQ(Load(u"Germany"), Rules{u"*-10-03"});
  AddHolidayRules(u"/H:*-12-24");
  EXPECT_EQ(Load(u"France", -1), Rules{});
}

TEST_F(HolidayFileTest, AFolderNamedLikeTheFileIsNoFile) {
  std::filesystem::create_directory(folder_ / "holidays.ini");
  EXPECT_EQ(Load(u"Germany", -1), Rules{});
}

TEST_F(HolidayFileTest, CountryNamesUpTo125CharactersSelectASection) {
  const std::u16string longest(kMaxCountryNameLength, u'N');
  WriteHolidayFile("[" + std::string(kMaxCountryNameLength, 'N') + "]\n*-01-02\n[" +
                   std::string(kMaxCountryNameLength + 1, 'N') + "]\n*-01-03\n");
  EXPECT_EQ(Load(longest), Rules{u"*-01-02"});
  EXPECT_EQ(Load(longest + u"N", -1), Rules{});
}

TEST_F(HolidayFileTest, OverlongLinesAreCutByTheShellsLineReader) {
  // A rule longer than a line may be is not read whole; the rest of the
  // file is still read.
  WriteHolidayFile("[Germany]\n*-10-03" + std::string(9000, ' ') + "\n*-12-26\n");
  const Rules rules = Load(u"Germany");
  ASSERT_FALSE(rules.empty());
  EXPECT_EQ(rules.back(), u"*-12-26");
}

struct PathRow { std::u16string modulePath; std::optional<std::u16string> expected; };

TEST(HolidayFilePath, TheFileLiesInThePluginsFolder) {
  const PathRow kTable[] = {
      {u"/opt/kalendra/libkalendra.so", u"/opt/kalendra/holidays.ini"},
      {u"C:\\Tools\\Plugins\\kalendra-x64.dll", u"C:\\Tools\\Plugins\\holidays.ini"},
      {u"Z:\\tmp/mixed\\kalendra-x64.dll", u"Z:\\tmp/mixed\\holidays.ini"}, {u"/libkalendra.so", u"/holidays.ini"},
      {u"libkalendra.so", std::nullopt}, {u"", std::nullopt},
      {u"/" + std::u16string(kMaxModulePathLength, u'x'), std::nullopt},
  };
  for (const PathRow& row : kTable) {
    fake::SetModulePath(row.modulePath);
    EXPECT_EQ(HolidayFilePath(), row.expected) << Narrow(row.modulePath.substr(0, 40));
  }
  fake::Reset();
}

struct CleanRow { std::u16string line; std::u16string expected; };

TEST(CleanRuleLine, CutsCommentsOutsideBracketsAndTrims) {
  const CleanRow kTable[] = {
      {u"", u""}, {u"   \t ", u""}, {u"; comment", u""}, {u"*-12-26 ; Boxing Day", u"*-12-26"},
      {u"\t*-12-26\t", u"*-12-26"}, {u"%@if[a;b,1,2];c", u"%@if[a;b,1,2]"}, {u"%@x[[;]];c", u"%@x[[;]]"},
      {u"a];b", u"a]"}, {u"[Germany] ; c", u"[Germany]"},
  };
  for (const CleanRow& row : kTable) EXPECT_EQ(CleanRuleLine(row.line), row.expected) << Narrow(row.line);
}

}  // namespace
