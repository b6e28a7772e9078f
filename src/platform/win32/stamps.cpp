// Windows back-end: a file's time stamps from a directory search, and the
// file-system name of a volume.
#include <windows.h>

#include <array>

#include "platform/platform.h"
#include "contract/win32/wide.h"

namespace kalendra::platform {

using contract::AsUtf16;
using contract::AsWide;

namespace {

// The longest file-system name asked for.
constexpr DWORD kFileSystemNameLength = 1024;

FileTime FileTimeOf(const FILETIME& stamp) {
  return (FileTime{stamp.dwHighDateTime} << 32) | stamp.dwLowDateTime;
}

}  // namespace

std::optional<FileStamps> FindFileStamps(const std::u16string& path) {
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(AsWide(path.c_str()), &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  FindClose(search);
  return FileStamps{FileTimeOf(found.ftLastWriteTime), FileTimeOf(found.ftLastAccessTime),
                    FileTimeOf(found.ftCreationTime)};
}

std::optional<std::u16string> VolumeFileSystemName(const std::u16string& root) {
  std::array<wchar_t, kFileSystemNameLength + 1> name{};
  if (!GetVolumeInformationW(AsWide(root.c_str()), nullptr, 0, nullptr, nullptr, nullptr, name.data(),
                             kFileSystemNameLength)) {
    return std::nullopt;
  }
  return std::u16string(AsUtf16(name.data()));
}

}  // namespace kalendra::platform
