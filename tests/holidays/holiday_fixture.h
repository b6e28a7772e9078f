// The holiday tests' fixture: the plug-in's holiday functions registered with
// the in-process shell, so that the expansion of a rule calls back into them
// as into the loaded plug-in, and a fresh folder as the plug-in's folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/function_call.h"

namespace kalendra::test {

enum class FileEncoding { kEightBit, kUtf16WithBom };

class HolidayTest : public PluginTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes "holidays.ini" into the plug-in's folder; text is UTF-8 here and
  // is stored as Latin-1 bytes or as UTF-16LE after a byte-order mark.
  void WriteHolidayFile(std::string_view text, FileEncoding encoding = FileEncoding::kEightBit) const;

  // The days MarkHolidays marks in the year, as "MM-DD", in calendar order;
  // what the rules wrote to stderr goes to err when asked for.
  static std::vector<std::string> MarkedDays(int year, std::u16string* err = nullptr);

  // The rules of the list, newest first.
  static std::vector<std::u16string> LoadedRules();

  std::filesystem::path folder_;
};

}  // namespace kalendra::test
