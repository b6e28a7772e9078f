// Help and usage: page names, the build date, the order in which the help
// file is searched for, and the shell's Help and Usage calls.
#include "support/kit.h"

#include <fstream>

#include "frame/plugin.h"

namespace kalendra::fake {
void PrintTo(const ShownHelpPage& shown, std::ostream* os) { *os << Narrow(shown.file) << "::" << Narrow(shown.page); }
}  // namespace kalendra::fake

namespace {

namespace fs = std::filesystem;

TEST(HelpPageName, LowersAndPrefixesFunctionsAndVariables) {
  const struct { std::u16string_view topic, page; } kTable[] = {
      {u"@DATEPLUS", u"f_dateplus"}, {u"@timediff", u"f_timediff"}, {u"_ISOWEEK", u"v_isoweek"},
      {u"QCAL", u"qcal"},            {u"overview", u"overview"},     {u"@", u"f_"},
      {u"a@b_c", u"a@b_c"},          {u"", u""},
  };
  for (const auto& row : kTable) EXPECT_EQ(HelpPageName(row.topic), row.page) << Narrow(row.topic);
}

TEST(BuildDate, ReadsTheCompilersDateWithinItsYears) {
  const struct { std::string_view compilerDate; std::u16string_view expected; } kTable[] = {
      {"Dec  8 2026", u"2026-12-08"}, {"Jan 31 2014", u"2014-01-31"}, {"Feb  1 2099", u"2099-02-01"},
      {"Sep 30 2015", u"2015-09-30"}, {"Dec 31 2013", u""},           {"Jan  1 2100", u""},
      {"Mar 32 2020", u""},           {"Mar  0 2020", u""},           {"Sept 1 2020", u""},
      {"Xyz  1 2020", u""},           {"Mar 2020", u""},              {"", u""},
  };
  for (const auto& row : kTable) EXPECT_EQ(BuildDate(row.compilerDate), row.expected) << row.compilerDate;
}

// Folders that may hold a help file, made afresh for each test.
class HelpSearchTest : public KalendraTest {
 protected:
  void SetUp() override {
    CloseHelpWindowAtShutdown();  // of an earlier test
    KalendraTest::SetUp();
    for (const char* folder : {"kalendrahelp", "pluginhelp", "library/help", "windows/help", "empty"}) {
      fs::create_directories(folder_ / folder);
    }
    fake::SetModulePath((folder_ / "library" / "kalendra.so").u16string());
    for (const char16_t* name : {u"KALENDRAHELP", u"PLUGINHELP", u"WINDIR"}) torvane::testing::SetEnvironment(name, u"");
  }
  void TearDown() override {
    for (const char16_t* name : {u"KALENDRAHELP", u"PLUGINHELP", u"WINDIR"}) torvane::testing::SetEnvironment(name, u"");
    KalendraTest::TearDown();
  }

  fs::path Folder(const char* name) const { return (folder_ / name).make_preferred(); }
  std::u16string HelpFileIn(const char* folder) const {
    return (Folder(folder) / std::u16string(platform::HelpFileName())).u16string();
  }
  void PutHelpFileIn(const char* folder) const { std::ofstream(fs::path(HelpFileIn(folder))) << "help"; }
  void PointVariable(std::u16string_view name, const char* folder) const {
    torvane::testing::SetEnvironment(name, Folder(folder).u16string());
  }
};

// kalendrahelp shows a page and writes nothing itself, found or not.
void RunHelpCommand(std::u16string_view tail) {
  const FunctionOutcome outcome = CallFunction(KalendraHelpCommand, tail);
  EXPECT_EQ(outcome.status, 0) << Narrow(tail);
  EXPECT_EQ(outcome.out + outcome.err, u"") << Narrow(tail);
}

TEST_F(HelpSearchTest, TriesTheCandidatesInTheirOrder) {
  struct Row {
    const char* what;
    std::vector<const char*> filesIn;
    const char* kalendrahelp;  // the folder the variable names, or null for unset
    const char* pluginhelp;
    const char* expectedFolder;  // null: no file found
  };
  const Row kTable[] = {
      {"every candidate holds one", {"kalendrahelp", "pluginhelp", "library", "library/help", "windows/help"},
       "kalendrahelp", "pluginhelp", "kalendrahelp"},
      {"KALENDRAHELP unset", {"pluginhelp", "library"}, nullptr, "pluginhelp", "pluginhelp"},
      {"KALENDRAHELP names a folder without it", {"pluginhelp"}, "empty", "pluginhelp", "pluginhelp"},
      {"the library's folder", {"library", "library/help"}, "empty", "empty", "library"},
      {"the library's help folder", {"library/help", "windows/help"}, nullptr, nullptr, "library/help"},
      {"the system's help folder", {"windows/help"}, nullptr, nullptr, "windows/help"},
      {"nowhere", {}, "empty", nullptr, nullptr},
  };
  for (const Row& row : kTable) {
    SetUp();
    for (const char* folder : row.filesIn) PutHelpFileIn(folder);
    if (row.kalendrahelp != nullptr) PointVariable(u"KALENDRAHELP", row.kalendrahelp);
    if (row.pluginhelp != nullptr) PointVariable(u"PLUGINHELP", row.pluginhelp);
    PointVariable(u"WINDIR", "windows");
    RunHelpCommand(u"@timediff");
    const fake::HelpRecord& help = fake::Help();
    if (row.expectedFolder == nullptr) {
      EXPECT_TRUE(help.shown.empty()) << row.what;
      ASSERT_EQ(help.missingFileReports.size(), 1u) << row.what;
    } else {
      EXPECT_EQ(help.shown, (std::vector<fake::ShownHelpPage>{{HelpFileIn(row.expectedFolder), u"f_timediff"}}))
          << row.what;
      EXPECT_TRUE(help.missingFileReports.empty()) << row.what;
    }
  }
}

// The message of a missing help file is shown by each system's own view:
// tests/help/help_viewer_posix.sh and help_window_under_wine.sh.

TEST_F(HelpSearchTest, OpensTheTopicsPage) {
  PutHelpFileIn("library");
  const struct { std::u16string_view tail, page; } kTable[] = {
      {u"", u"overview"},         {u"@timediff", u"f_timediff"}, {u"_isoweek", u"v_isoweek"},
      {u"qcal extra", u"qcal"},   {u"Holidays", u"holidays"},    {u"  LONGYEARS  ", u"longyears"},
  };
  for (const auto& row : kTable) {
    SetUp();
    PutHelpFileIn("library");
    RunHelpCommand(row.tail);
    EXPECT_EQ(fake::Help().shown, (std::vector<fake::ShownHelpPage>{{HelpFileIn("library"), std::u16string(row.page)}}))
        << Narrow(row.tail);
  }
}

int CallHelp(std::u16string name) { return HelpForName(name.c_str()); }

TEST_F(HelpSearchTest, HelpAnswersThePluginsOwnNamesOnly) {
  PutHelpFileIn("library");
  fake::SetEnvironmentValue(u"Disable_Features", u"@dowis,_t4");
  GetPluginInfoRecord();
  const struct {
    std::u16string_view name;
    int answer;
    std::u16string_view page;  // empty: none shown
  } kTable[] = {
      {u"@DATEPLUS", 1, u"f_dateplus"}, {u"_isoWeek", 1, u"v_isoweek"}, {u"Qcal", 1, u"qcal"},
      {u"kalendrahelp", 1, u"kalendrahelp"}, {u"@nosuch", 0, u""}, {u"dateplus", 0, u""},
      {u"@dowis", 0, u""},                   {u"_t4", 0, u""},     {u"", 0, u""},
  };
  std::vector<fake::ShownHelpPage> expected;
  for (const auto& row : kTable) {
    EXPECT_EQ(CallHelp(std::u16string(row.name)), row.answer) << Narrow(row.name);
    if (!row.page.empty()) expected.push_back({HelpFileIn("library"), std::u16string(row.page)});
    EXPECT_EQ(fake::Help().shown, expected) << Narrow(row.name);
  }
  EXPECT_EQ(HelpForName(nullptr), 0);
}

TEST_F(HelpSearchTest, ShutdownClosesTheWindowOfTheLastPageOnce) {
  PutHelpFileIn("library");
  ShutdownPluginNow();
  EXPECT_TRUE(fake::Help().closed.empty());
  RunHelpCommand(u"@date");
  RunHelpCommand(u"@days");
  ShutdownPluginNow();
  ShutdownPluginNow();
  EXPECT_EQ(fake::Help().closed, (std::vector<platform::HelpWindow>{2}));
}

TEST(Usage, GivesTheThreeCommandsTexts) {
  const struct { std::u16string_view name; int answer; std::u16string_view text; } kTable[] = {
      {u"QCAL", 1, kQcalUsage},     {u"longYears", 1, kLongYearsUsage}, {u"kalendrahelp", 1, kHelpUsage},
      {u"@date", 0, u""},           {u"qcal2", 0, u""},                  {u"", 0, u""},
  };
  for (const auto& row : kTable) {
    std::u16string name(row.name);
    std::u16string buffer(kUsageBufferLength, u'\0');
    EXPECT_EQ(UsageForName(name.c_str(), buffer.data()), row.answer) << Narrow(row.name);
    EXPECT_EQ(std::u16string(buffer.c_str()), row.text) << Narrow(row.name);
    EXPECT_LT(row.text.size(), kUsageBufferLength);
  }
  std::u16string buffer(kUsageBufferLength, u'\0');
  EXPECT_EQ(UsageForName(nullptr, buffer.data()), 0);
  std::u16string name(u"qcal");
  EXPECT_EQ(UsageForName(name.c_str(), nullptr), 0);
}

}  // namespace
