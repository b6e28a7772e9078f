// The parts of @filestamp that decide from text alone: its flags, wildcards
// in a full path, the volume root of a path and the kind of a file system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kalendra {

enum class FileStampKind { kLastWrite, kLastAccess, kCreation };

enum class StampZone {
  kUtc,                // U: the stamp as stored
  kLocalByFileSystem,  // L: NTFS by the saving rule of the stamp's date, others by the current bias
  kLocalByCurrentBias  // B: the current bias whatever the file system
};

struct StampFlags {
  FileStampKind stamp = FileStampKind::kLastWrite;
  StampZone zone = StampZone::kLocalByFileSystem;
};

enum class FileSystemKind { kFat, kNtfs, kOther };

// True for a "*" anywhere, or a "?" anywhere but as the third character of
// the long-path prefix \\?\.
bool HasWildcard(std::u16string_view path);

// The root of the volume that holds a full path: "C:\" for a drive path, the
// path up to its fourth "\" otherwise (\\server\share\, \\?\C:\), the path
// itself for a POSIX path; std::nullopt when it has too few "\".
std::optional<std::u16string> VolumeRoot(std::u16string_view path);

// FAT for a name that begins with "FAT" (FAT32 too), NTFS for one that
// begins with "NTFS", in any case; anything else is other.
FileSystemKind KindOfFileSystem(std::u16string_view name);

}  // namespace kalendra
