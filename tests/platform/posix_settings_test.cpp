// The POSIX settings file: values round-trip, other lines are kept, a
// malformed value reads as none, and a file that cannot be read is never
// replaced.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/platform.h"

namespace kalendra {
namespace {

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() / ("kalendra-settings-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder_);
    ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
  }
  void TearDown() override {
    std::filesystem::remove_all(folder_);
    ::unsetenv("XDG_CONFIG_HOME");
  }
  std::filesystem::path File() const { return folder_ / "kalendra" / "settings"; }
  std::string Contents() const {
    std::ifstream in(File());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void Write(const std::string& text) const {
    std::filesystem::create_directories(File().parent_path());
    std::ofstream(File()) << text;
  }

  std::filesystem::path folder_;
};

TEST_F(SettingsFileTest, ValuesRoundTripAndOtherLinesStay) {
  EXPECT_EQ(platform::ReadSetting(u"Qcal default colors 0", 10), std::nullopt);
  Write("# kept\nother=41\nQcal default colors 0=zz\n");
  EXPECT_EQ(platform::ReadSetting(u"Qcal default colors 0", 10), std::nullopt);  // malformed: no value
  ASSERT_TRUE(platform::WriteSetting(u"Qcal default colors 0", std::string("\x70\xC0\0\0", 4)));
  EXPECT_EQ(platform::ReadSetting(u"Qcal default colors 0", 10), std::string("\x70\xC0\0\0", 4));
  EXPECT_EQ(platform::ReadSetting(u"Qcal default colors 0", 3), std::nullopt);  // longer than asked
  EXPECT_EQ(platform::ReadSetting(u"other", 10), std::string("A"));
  EXPECT_EQ(Contents(), "# kept\nother=41\nQcal default colors 0=70C00000\n");
  ASSERT_TRUE(platform::WriteSetting(u"Qcal default colors F", "\x1E"));
  EXPECT_EQ(Contents(), "# kept\nother=41\nQcal default colors 0=70C00000\nQcal default colors F=1E\n");
  for (const auto& entry : std::filesystem::directory_iterator(File().parent_path())) {
    EXPECT_EQ(entry.path().filename(), "settings");  // no temporary file is left behind
  }
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadIsLeftAlone) {
  if (::geteuid() == 0) {
    // Root reads every file; a folder in its place cannot be read as one.
    std::filesystem::create_directories(File());
  } else {
    Write("other=41\n");
    ::chmod(File().c_str(), 0);
  }
  EXPECT_FALSE(platform::WriteSetting(u"Qcal default colors 0", "\x70"));
  EXPECT_EQ(platform::ReadSetting(u"Qcal default colors 0", 10), std::nullopt);
}

}  // namespace
}  // namespace kalendra
