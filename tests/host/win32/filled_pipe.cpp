#include <windows.h>

#include "host_kit.h"

namespace torvane::test {

FilledPipe::FilledPipe(const std::string& bytes) {
  HANDLE reader = nullptr;
  HANDLE writer = nullptr;
  EXPECT_NE(CreatePipe(&reader, &writer, nullptr, 0), 0);
  DWORD written = 0;
  EXPECT_NE(WriteFile(writer, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr), 0);
  EXPECT_EQ(written, bytes.size());
  CloseHandle(writer);
  reader_ = reinterpret_cast<HostFile>(reader);
}

FilledPipe::~FilledPipe() { CloseHandle(reinterpret_cast<HANDLE>(reader_)); }

}  // namespace torvane::test
