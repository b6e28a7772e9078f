// @filestamp: one of a file's three time stamps as a date and a time, in
// UTC or in local time by the rule of the file's file system.
#include "times/file_stamp.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "calendar/argument_reader.h"
#include "calendar/date_format.h"
#include "calendar/date_grammar.h"
#include "calendar/locale_snapshot.h"
#include "frame/arguments.h"
#include "frame/errors.h"
#include "frame/text.h"
#include "platform/platform.h"
#include "times/age.h"
#include "times/time_format.h"
#include "times/time_functions.h"

namespace kalendra {
namespace {

constexpr DateFormat kStampDateFormat = 4;  // yyyy-mm-dd
// Format 20 (yyyymmdd) with bit 8 set: the date and the time as one run of digits.
constexpr DateFormat kDigitsOnlyFormat = 276;
constexpr std::int32_t kTSeparatorBit = 1;
// The fourth "\" ends the root of a share or of a prefixed path.
constexpr int kBackslashesBeforeShareRoot = 4;

std::optional<FileStampKind> StampOfLetter(KChar letter) {
  switch (letter) {
    case u'w': return FileStampKind::kLastWrite;
    case u'a': return FileStampKind::kLastAccess;
    case u'c': return FileStampKind::kCreation;
    default: return std::nullopt;
  }
}

std::optional<StampZone> ZoneOfLetter(KChar letter) {
  switch (letter) {
    case u'u': return StampZone::kUtc;
    case u'l': return StampZone::kLocalByFileSystem;
    case u'b': return StampZone::kLocalByCurrentBias;
    default: return std::nullopt;
  }
}

// The letters of a flags argument, or std::nullopt for a letter outside the
// table or a second letter of a group. "S" is accepted any number of times.
std::optional<StampFlags> ReadStampFlags(std::u16string_view text) {
  StampFlags flags;
  bool stampChosen = false;
  bool zoneChosen = false;
  for (KChar c : text) {
    const KChar letter = FoldAscii(c);
    if (letter == u's') continue;
    if (const std::optional<FileStampKind> stamp = StampOfLetter(letter)) {
      if (std::exchange(stampChosen, true)) return std::nullopt;
      flags.stamp = *stamp;
    } else if (const std::optional<StampZone> zone = ZoneOfLetter(letter)) {
      if (std::exchange(zoneChosen, true)) return std::nullopt;
      flags.zone = *zone;
    } else {
      return std::nullopt;
    }
  }
  return flags;
}

platform::FileTime ChosenStamp(const platform::FileStamps& stamps, FileStampKind kind) {
  switch (kind) {
    case FileStampKind::kLastAccess: return stamps.lastAccess;
    case FileStampKind::kCreation: return stamps.creation;
    case FileStampKind::kLastWrite: break;
  }
  return stamps.lastWrite;
}

// The moment of a stamp, or "Date out of range" with its year beyond 9999.
int MomentOfStamp(platform::FileTime stamp, Moment& moment) {
  if (stamp >= kAgeLimit) return ReportError(u"Date out of range (year = %u)", YearOfAge(stamp));
  moment = MomentOfAge(stamp);
  return 0;
}

// The stamp in the zone of the flags on this kind of file system. Returns
// 0, or kErrorResult after a message.
int ConvertStamp(platform::FileTime stamp, StampZone zone, FileSystemKind kind, Moment& moment) {
  if (zone == StampZone::kUtc) return MomentOfStamp(stamp, moment);
  if (zone == StampZone::kLocalByFileSystem && kind == FileSystemKind::kNtfs) {
    // The daylight-saving rule of the stamp's own date.
    Moment utc;
    if (MomentOfStamp(stamp, utc) != 0) return kErrorResult;
    const std::optional<platform::SystemDateTime> local = platform::UtcToLocal(FieldsOfMoment(utc));
    if (!local) return ReportError(u"Error converting UTC to local");
    const std::optional<Moment> converted = MomentOfFields(*local);
    if (!converted) return ReportError(u"Date out of range (year = %u)", static_cast<std::uint32_t>(local->year));
    moment = *converted;
    return 0;
  }
  const std::optional<platform::FileTime> local = platform::ToLocalFileTimeByCurrentBias(stamp);
  if (!local) return ReportError(u"Error converting UTC to local");
  return MomentOfStamp(*local, moment);
}

}  // namespace

bool HasWildcard(std::u16string_view path) {
  if (path.find(u'*') != std::u16string_view::npos) return true;
  const bool longPathPrefix = path.starts_with(u"\\\\?\\");
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == u'?' && !(longPathPrefix && i == 2)) return true;
  }
  return false;
}

std::optional<std::u16string> VolumeRoot(std::u16string_view path) {
  const bool driveLetter = path.size() >= 3 && FoldAscii(path[0]) >= u'a' && FoldAscii(path[0]) <= u'z' && path[1] == u':' && path[2] == u'\\';
  if (driveLetter) return std::u16string(path.substr(0, 3));
  if (path.starts_with(u"/")) return std::u16string(path);  // POSIX: any path names its volume
  int backslashes = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == u'\\' && ++backslashes == kBackslashesBeforeShareRoot) return std::u16string(path.substr(0, i + 1));
  }
  return std::nullopt;
}

FileSystemKind KindOfFileSystem(std::u16string_view name) {
  if (EqualsIgnoringAsciiCase(name.substr(0, 3), u"FAT")) return FileSystemKind::kFat;
  if (EqualsIgnoringAsciiCase(name.substr(0, 4), u"NTFS")) return FileSystemKind::kNtfs;
  return FileSystemKind::kOther;
}

int FileStampFunction(KChar* buffer) {
  ArgumentReader read(buffer, Separators::kSpacesAndCommas);
  read.Require(1, u"No filename");
  const std::optional<StampFlags> flags = ReadStampFlags(Argument(2));
  read.Check(flags.has_value(), 2, kInvalidFlagsMessage);
  const auto dateFormat = static_cast<DateFormat>(read.Number(3, kStampDateFormat, kBadFormatMessage));
  const int options = read.Number(4, 0, kBadOptionMessage);
  if (read.Failed()) return kErrorResult;

  std::array<KChar, kHostBufferLength> fullPath{};
  if (QueryTrueName(Argument(1).data(), fullPath.data()) != 0) CopyText(fullPath.data(), fullPath.size(), Argument(1));
  const std::u16string path(fullPath.data());
  if (HasWildcard(path)) return ReportArgumentError(u"Wildcards not allowed \"%s\"", 1);
  const std::optional<std::u16string> root = VolumeRoot(path);
  const std::optional<std::u16string> fileSystem = root ? platform::VolumeFileSystemName(*root) : std::nullopt;
  const FileSystemKind kind = fileSystem ? KindOfFileSystem(*fileSystem) : FileSystemKind::kOther;
  const std::optional<platform::FileStamps> stamps = platform::FindFileStamps(path);
  if (!stamps) return ReportArgumentError(u"File not found \"%s\"", 1);

  Moment moment;
  if (ConvertStamp(ChosenStamp(*stamps, flags->stamp), flags->zone, kind, moment) != 0) return kErrorResult;
  // The date, then the time of day in "hh:mm:ss", or "hhmmss" after the
  // digits-only date. FAT keeps only the date of the last access.
  const bool digitsOnly = dateFormat == kDigitsOnlyFormat;
  const bool dateOnly = flags->stamp == FileStampKind::kLastAccess && kind == FileSystemKind::kFat;
  TimeText time;
  FormatTime(dateOnly ? TimeOfDay{} : moment.time, kWithSeconds | kZeroPaddedHour | (digitsOnly ? kNoSeparators : 0),
             time);
  DateText date;
  FormatDate(date.data(), FromDayNumber(moment.day), dateFormat);
  std::u16string text(date.data());
  if (!digitsOnly) text += (options & kTSeparatorBit) != 0 ? u'T' : u'@';
  text += time.View();
  if (flags->zone == StampZone::kUtc) text += u'Z';
  return AnswerText(buffer, text);
}

}  // namespace kalendra
