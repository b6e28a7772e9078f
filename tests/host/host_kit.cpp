#include "host_kit.h"

namespace torvane::test {
namespace {

int Twice(KChar* buffer) {
  const std::u16string text(buffer);
  contract::CopyText(buffer, kHostBufferLength, text + text);
  return 0;
}

int Fail(KChar* /*buffer*/) {
  Qprintf(kHostStderr, u"TESTPLUG: failed\r\n");
  return -87;
}

// Re-entry: expands a text of its own that calls back into this plug-in.
int Nested(KChar* buffer) {
  std::vector<KChar> own(kHostBufferLength, u'\0');
  Sprintf(own.data(), u"<%%@twice[%s]>", buffer);
  if (ExpandVariables(own.data(), 1) != 0) return -1;
  Sprintf(buffer, u"%s", own.data());
  return 0;
}

int Answer(KChar* buffer) {
  Sprintf(buffer, u"42");
  return 0;
}

// The tail may fill a whole buffer: too long for one formatted line.
int Greet(KChar* tail) {
  QPuts(u"hello <");
  QPuts(tail);
  QPuts(u">\r\n");
  return 0;
}

int Refuse(KChar* /*tail*/) {
  Qprintf(kHostStderr, u"TESTPLUG: refused\r\n");
  return -1;
}

int PluginEcho(KChar* tail) {
  Printf(u"plugin echo: %s\r\n", tail);
  return 0;
}

PluginInfo* TestPluginInfo() {
  static std::u16string name(kTestPlugin);
  static std::u16string features = u"@twice,@fail,@nested,@missing,_answer,_count,greet,refuse,echo";
  static PluginInfo info{name.data(), nullptr, nullptr, nullptr, nullptr, features.data(), 2, 0, 7};
  return &info;
}

FeatureEntry TestPluginExport(std::u16string_view name) {
  const struct {
    std::u16string_view name;
    FeatureEntry entry;
  } exports[] = {{u"f_twice", Twice}, {u"f_fail", Fail},   {u"f_nested", Nested},  {u"_answer", Answer},
                 {u"greet", Greet},   {u"refuse", Refuse}, {u"echo", PluginEcho}};
  for (const auto& e : exports) {
    if (e.name == name) return e.entry;
  }
  return nullptr;
}

}  // namespace

Outcome RunShell(std::vector<std::u16string> arguments) {
  arguments.insert(arguments.begin(), u"--no-plugins");
  Outcome run;
  const auto captured = testing::CaptureOutput([&] { run.status = torvane::RunShell(arguments); });
  run.out = captured.out;
  run.err = captured.err;
  return run;
}

Outcome RunLines(const std::vector<std::u16string>& lines) {
  std::vector<std::u16string> arguments;
  for (const std::u16string& line : lines) arguments.insert(arguments.end(), {u"-c", line});
  return RunShell(arguments);
}

Outcome OnBuffer(std::u16string_view text, const std::function<int(KChar*)>& service) {
  std::vector<KChar> buffer(kHostBufferLength, u'\0');
  std::copy(text.begin(), text.end(), buffer.begin());
  Outcome run;
  const auto captured = testing::CaptureOutput([&] { run.status = service(buffer.data()); });
  run.text = buffer.data();
  run.out = captured.out;
  run.err = captured.err;
  return run;
}

void RegisterTestPlugin() { ASSERT_TRUE(testing::RegisterPlugin(TestPluginInfo, TestPluginExport)); }

void FolderTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance();
  directory_ = std::filesystem::temp_directory_path() / ("torvane_" + std::to_string(info->random_seed()) + "_" +
                                                         info->current_test_info()->name());
  std::filesystem::create_directories(directory_);
}

std::u16string FolderTest::Write(const std::string& name, const std::string& bytes) const {
  const std::filesystem::path path = directory_ / name;
  std::ofstream(path, std::ios::binary) << bytes;
  return path.u16string();
}

}  // namespace torvane::test
