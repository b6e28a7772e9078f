// What the shell's unit tests start from: GoogleTest, the services, readable
// texts in failure messages, one runner of the shell and of a service on a
// buffer with what each wrote, one plug-in linked into the test, and a
// folder of files for a test.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "contract/host_interface.h"
#include "contract/text.h"
#include "services/contract_checks.h"
#include "services/shell.h"
#include "services/testing.h"

namespace torvane::test {

using contract_checks::kPoison;

// UTF-8 form of a UTF-16 text, for messages.
inline std::string Narrow(std::u16string_view text) { return contract::ToUtf8(text); }

using contract::Widen;

// What a run of the shell or a call of a service gave: its status, the text
// in the call's buffer, and what it wrote to each stream.
struct Outcome { int status = 0; std::u16string text; std::u16string out; std::u16string err; };

// The shell run with the arguments, without loading plug-ins.
Outcome RunShell(std::vector<std::u16string> arguments);

// The shell run with "-c LINE" for each line.
Outcome RunLines(const std::vector<std::u16string>& lines);

// A service called on the text, in a buffer of the shell's size.
Outcome OnBuffer(std::u16string_view text, const std::function<int(KChar*)>& service);

// ExpandVariables on the text.
inline Outcome Expand(std::u16string_view text, int recursive = 1) {
  return OnBuffer(text, [&](KChar* buffer) { return ExpandVariables(buffer, recursive); });
}

// The plug-in TESTPLUG 2.0.7, linked into the test: @twice doubles its text
// (cut to the buffer), @fail fails with a message, @nested expands a text of
// its own that calls back into @twice, _answer is 42, greet writes its tail,
// refuse fails, echo shadows the shell's own; @missing and _count are
// listed without an export.
inline constexpr std::u16string_view kTestPlugin = u"TESTPLUG";
void RegisterTestPlugin();

// A pipe holding bytes, its writing end closed; the reading end as the
// shell's file.
class FilledPipe {
 public:
  explicit FilledPipe(const std::string& bytes);
  ~FilledPipe();
  FilledPipe(const FilledPipe&) = delete;
  FilledPipe& operator=(const FilledPipe&) = delete;
  HostFile Reader() const { return reader_; }

 private:
  HostFile reader_{};
};

// A fresh folder for the test's files.
class FolderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { std::filesystem::remove_all(directory_); }

  // Writes the bytes to the named file of the folder; its full path.
  std::u16string Write(const std::string& name, const std::string& bytes) const;

  std::filesystem::path directory_;
};

}  // namespace torvane::test

using namespace torvane::test;  // NOLINT: the tests' own language
