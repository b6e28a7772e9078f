// Windows back-end: opening a file for the shell's line reader, as a file
// handle.
#include <windows.h>

#include "platform/platform.h"
#include "contract/win32/wide.h"

namespace kalendra::platform {

using contract::AsWide;


KChar PathSeparator() { return u'\\'; }

static_assert(kNoFile == -1, "kNoFile is INVALID_HANDLE_VALUE");

HostFile OpenFileForReading(const std::u16string& path) {
  // Opening a folder fails without FILE_FLAG_BACKUP_SEMANTICS, as it should.
  const HANDLE file = CreateFileW(AsWide(path.c_str()), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return kNoFile;
  if (GetFileType(file) != FILE_TYPE_DISK) {
    CloseHandle(file);
    return kNoFile;
  }
  return reinterpret_cast<HostFile>(file);
}

void CloseFile(HostFile file) {
  if (file != kNoFile) CloseHandle(reinterpret_cast<HANDLE>(file));
}

}  // namespace kalendra::platform
