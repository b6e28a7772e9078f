// POSIX back-end: a file's time stamps (statx, with the birth time where
// the file system keeps one) and the kind of file system that holds it
// (statfs).
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>

#include <cstdint>
#include <cstdio>

#include "contract/text.h"
#include "platform/civil_time.h"
#include "platform/platform.h"

namespace kalendra::platform {

using contract::FromUtf8;
using contract::ToUtf8;
namespace {

constexpr std::int64_t kNanosecondsPerTick = 100;

// statfs magic numbers of the file systems that have a Windows name.
constexpr long kMsdosMagic = 0x4d44;       // vfat and msdos
constexpr long kNtfsMagic = 0x5346544e;    // the old ntfs driver
constexpr long kNtfs3Magic = 0x7366746e;   // ntfs3

FileTime FileTimeOf(const statx_timestamp& stamp) {
  const std::int64_t since1601 = stamp.tv_sec + civil::kSecondsFrom1601To1970;
  if (since1601 < 0) return 0;  // no file time lies before 1601
  return static_cast<FileTime>(since1601) * civil::kTicksPerSecond + stamp.tv_nsec / kNanosecondsPerTick;
}

}  // namespace

std::optional<FileStamps> FindFileStamps(const std::u16string& path) {
  struct statx info{};
  // The entry itself, as a directory search reports it, not a link's target.
  const unsigned wanted = STATX_MTIME | STATX_ATIME | STATX_CTIME | STATX_BTIME;
  if (statx(AT_FDCWD, ToUtf8(path).c_str(), AT_SYMLINK_NOFOLLOW, wanted, &info) != 0) return std::nullopt;
  const bool hasBirthTime = (info.stx_mask & STATX_BTIME) != 0;
  return FileStamps{FileTimeOf(info.stx_mtime), FileTimeOf(info.stx_atime),
                    FileTimeOf(hasBirthTime ? info.stx_btime : info.stx_ctime)};
}

std::optional<std::u16string> VolumeFileSystemName(const std::u16string& root) {
  struct statfs info{};
  if (statfs(ToUtf8(root).c_str(), &info) != 0) return std::nullopt;
  const long magic = static_cast<long>(info.f_type);
  if (magic == kMsdosMagic) return u"FAT";
  if (magic == kNtfsMagic || magic == kNtfs3Magic) return u"NTFS";
  // Any other file system is named by its magic number.
  char name[24];
  std::snprintf(name, sizeof name, "0x%lx", static_cast<unsigned long>(magic));
  return FromUtf8(name);
}

}  // namespace kalendra::platform
