// What the Windows back-end decides: lines read from a pipe (no position to
// set back, the writer's close is the end of the file), and full paths with
// drive letters, either slash and the current folder.
#include <windows.h>

#include "host_kit.h"

namespace {

std::u16string CurrentFolder() {
  std::vector<wchar_t> here(MAX_PATH * 4);
  const DWORD length = GetCurrentDirectoryW(static_cast<DWORD>(here.size()), here.data());
  EXPECT_GT(length, 0u);
  return std::u16string(reinterpret_cast<const char16_t*>(here.data()), length);
}

TEST(Win32Paths, TrueNamesAreFullAndNormalised) {
  std::u16string current = CurrentFolder();
  if (current.back() != u'\\') current += u'\\';
  const struct { std::u16string name; std::u16string expected; } rows[] = {
      {u"C:\\a\\b\\c", u"C:\\a\\b\\c"}, {u"C:/a/b/c", u"C:\\a\\b\\c"}, {u"C:\\a\\.\\b\\..\\c", u"C:\\a\\c"},
      {u"C:\\a\\b\\..\\..\\..", u"C:\\"}, {u"x.txt", current + u"x.txt"}, {u".\\x\\..\\y", current + u"y"},
  };
  for (const auto& row : rows) {
    std::vector<KChar> out(kHostBufferLength, u'\0');
    EXPECT_EQ(QueryTrueName(row.name.c_str(), out.data()), 0) << Narrow(row.name);
    EXPECT_EQ(Narrow(out.data()), Narrow(row.expected)) << Narrow(row.name);
  }
}

}  // namespace
