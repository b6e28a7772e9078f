// Windows back-end of files: full paths, existence, and reading through file
// handles.
#include <windows.h>

#include <string>

#include "platform/host_platform.h"
#include "contract/win32/wide.h"

namespace torvane::platform {
namespace {

using contract::AsUtf16;
using contract::AsWide;

HANDLE AsHandle(HostFile file) { return reinterpret_cast<HANDLE>(file); }

bool IsDiskFile(HostFile file) { return GetFileType(AsHandle(file)) == FILE_TYPE_DISK; }

}  // namespace

static_assert(kNoFile == -1, "kNoFile is INVALID_HANDLE_VALUE");

bool IsPathSeparator(KChar c) { return c == u'\\' || c == u'/'; }

std::optional<std::u16string> FullPath(std::u16string_view name) {
  if (name.empty()) return std::nullopt;
  const std::u16string terminated(name);
  std::u16string path(MAX_PATH, u'\0');
  for (;;) {
    const DWORD length = GetFullPathNameW(AsWide(terminated.c_str()), static_cast<DWORD>(path.size()),
                                          AsWide(path.data()), nullptr);
    if (length == 0) return std::nullopt;
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length);  // the size needed, terminator included
  }
}

bool IsExistingFile(std::u16string_view name) {
  const DWORD attributes = GetFileAttributesW(AsWide(std::u16string(name).c_str()));
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

HostFile OpenForReading(std::u16string_view name) {
  const HANDLE handle =
      CreateFileW(AsWide(std::u16string(name).c_str()), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  return handle == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<HostFile>(handle);
}

void CloseFile(HostFile file) { CloseHandle(AsHandle(file)); }

std::int64_t ReadBytes(HostFile file, void* data, std::int64_t size) {
  DWORD read = 0;
  if (ReadFile(AsHandle(file), data, static_cast<DWORD>(size), &read, nullptr) != 0) return read;
  // The writer of a pipe has closed it: that is the end of the file.
  return GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
}

std::int64_t ReadBytesAt(HostFile file, std::int64_t offset, void* data, std::int64_t size) {
  // A read at an offset moves a synchronous handle's position: put it back.
  const std::int64_t position = FilePosition(file);
  if (position < 0 || !SetFilePosition(file, offset)) return -1;
  const std::int64_t read = ReadBytes(file, data, size);
  return SetFilePosition(file, position) ? read : -1;
}

std::int64_t FilePosition(HostFile file) {
  if (!IsDiskFile(file)) return -1;
  LARGE_INTEGER position{};
  if (SetFilePointerEx(AsHandle(file), LARGE_INTEGER{}, &position, FILE_CURRENT) == 0) return -1;
  return position.QuadPart;
}

bool SetFilePosition(HostFile file, std::int64_t position) {
  if (!IsDiskFile(file)) return false;
  LARGE_INTEGER target{};
  target.QuadPart = position;
  return SetFilePointerEx(AsHandle(file), target, nullptr, FILE_BEGIN) != 0;
}

}  // namespace torvane::platform
