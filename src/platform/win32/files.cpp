// Windows back-end: opening a file for the shell's line reader, as a HANDLE.
#include <windows.h>

#include "platform/platform.h"

namespace kalendra::platform {

HostFile OpenFileForReading(const std::u16string& path) {
  const HANDLE file = ::CreateFileW(reinterpret_cast<const wchar_t*>(path.c_str()), GENERIC_READ, FILE_SHARE_READ,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  return file == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<HostFile>(file);
}

void CloseFile(HostFile file) {
  if (file != kNoFile) ::CloseHandle(reinterpret_cast<HANDLE>(file));
}

}  // namespace kalendra::platform
