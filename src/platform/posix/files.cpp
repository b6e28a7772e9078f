// POSIX back-end: opening a file for the shell's line reader, as a file
// descriptor.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "contract/text.h"
#include "platform/platform.h"

namespace kalendra::platform {

using contract::ToUtf8;

KChar PathSeparator() { return u'/'; }

HostFile OpenFileForReading(const std::u16string& path) {
  const int fd = ::open(ToUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return kNoFile;
  struct stat info{};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return kNoFile;
  }
  return fd;
}

void CloseFile(HostFile file) {
  if (file != kNoFile) ::close(static_cast<int>(file));
}

}  // namespace kalendra::platform
