// POSIX back-end of files: full paths, existence, and reading through file
// descriptors.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

#include "contract/text.h"
#include "platform/host_platform.h"

namespace torvane::platform {
namespace {

std::optional<std::u16string> CurrentDirectory() {
  std::vector<char> buffer(PATH_MAX);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return std::nullopt;
    buffer.resize(buffer.size() * 2);
  }
  return contract::FromUtf8(buffer.data());
}

// Drops "." and empty components and lets ".." remove the one before it;
// ".." at the root stays at the root.
std::u16string NormaliseAbsolute(std::u16string_view path) {
  std::vector<std::u16string_view> parts;
  std::size_t begin = 0;
  while (begin <= path.size()) {
    std::size_t end = path.find(u'/', begin);
    if (end == std::u16string_view::npos) end = path.size();
    const std::u16string_view part = path.substr(begin, end - begin);
    if (part == u"..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != u".") {
      parts.push_back(part);
    }
    begin = end + 1;
  }
  std::u16string result;
  for (const auto part : parts) (result += u'/') += part;
  return result.empty() ? u"/" : result;
}

}  // namespace

bool IsPathSeparator(KChar c) { return c == u'/'; }

std::optional<std::u16string> FullPath(std::u16string_view name) {
  if (name.empty()) return std::nullopt;
  if (IsPathSeparator(name.front())) return NormaliseAbsolute(name);
  const std::optional<std::u16string> directory = CurrentDirectory();
  if (!directory) return std::nullopt;
  return NormaliseAbsolute(*directory + u"/" + std::u16string(name));
}

bool IsExistingFile(std::u16string_view name) {
  struct stat info{};
  return ::stat(contract::ToUtf8(name).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

HostFile OpenForReading(std::u16string_view name) {
  const int fd = ::open(contract::ToUtf8(name).c_str(), O_RDONLY | O_CLOEXEC);
  return fd < 0 ? kNoFile : fd;
}

void CloseFile(HostFile file) { ::close(static_cast<int>(file)); }

std::int64_t ReadBytes(HostFile file, void* data, std::int64_t size) {
  ssize_t n;
  do {
    n = ::read(static_cast<int>(file), data, static_cast<std::size_t>(size));
  } while (n < 0 && errno == EINTR);
  return n;
}

std::int64_t ReadBytesAt(HostFile file, std::int64_t offset, void* data, std::int64_t size) {
  ssize_t n;
  do {
    n = ::pread(static_cast<int>(file), data, static_cast<std::size_t>(size), offset);
  } while (n < 0 && errno == EINTR);
  return n;
}

std::int64_t FilePosition(HostFile file) { return ::lseek(static_cast<int>(file), 0, SEEK_CUR); }

bool SetFilePosition(HostFile file, std::int64_t position) {
  return ::lseek(static_cast<int>(file), position, SEEK_SET) == position;
}

}  // namespace torvane::platform
