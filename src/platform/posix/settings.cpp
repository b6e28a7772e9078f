// POSIX back-end: the plug-in's settings in a small text file, one value a
// line as "NAME=HEX". A line that cannot be read is no value but is kept
// when the file is rewritten; a write goes to a temporary file that then
// replaces the old one, so a reader never sees half a file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "contract/text.h"
#include "platform/platform.h"

namespace kalendra::platform {

using contract::ToUtf8;
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The configuration folder of kalendra, or empty when neither
// XDG_CONFIG_HOME nor HOME names one.
std::string SettingsFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return std::string(config) + "/kalendra";
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.config/kalendra";
  return {};
}

std::string SettingsFile(const std::string& folder) { return folder + "/settings"; }

// The lines of the file: none when it does not exist, std::nullopt when it
// exists but cannot be read.
std::optional<std::vector<std::string>> LinesOf(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  if (!in) {
    struct stat info{};
    if (::stat(path.c_str(), &info) == 0) return std::nullopt;
    return lines;
  }
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> BytesOfHex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::string bytes;
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexValue(hex[i]);
    const int low = HexValue(hex[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes += static_cast<char>(high * 16 + low);
  }
  return bytes;
}

std::string HexOfBytes(std::string_view bytes) {
  std::string hex;
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    hex += kHexDigits[value >> 4];
    hex += kHexDigits[value & 15];
  }
  return hex;
}

bool MakeFolders(const std::string& folder) {
  for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return false;
    if (slash == std::string::npos) return true;
  }
}

}  // namespace

std::optional<std::string> ReadSetting(const std::u16string& name, std::size_t maxLength) {
  const std::string folder = SettingsFolder();
  if (folder.empty()) return std::nullopt;
  const std::string prefix = ToUtf8(name) + "=";
  for (const std::string& line : LinesOf(SettingsFile(folder)).value_or(std::vector<std::string>{})) {
    if (!line.starts_with(prefix)) continue;
    std::optional<std::string> bytes = BytesOfHex(std::string_view(line).substr(prefix.size()));
    if (bytes && bytes->size() <= maxLength) return bytes;
    return std::nullopt;
  }
  return std::nullopt;
}

bool WriteSetting(const std::u16string& name, std::string_view bytes) {
  const std::string folder = SettingsFolder();
  if (folder.empty() || !MakeFolders(folder)) return false;
  const std::string path = SettingsFile(folder);
  const std::string prefix = ToUtf8(name) + "=";
  // A file that cannot be read is left alone: its other values would be lost.
  const std::optional<std::vector<std::string>> lines = LinesOf(path);
  if (!lines) return false;
  std::ostringstream text;
  for (const std::string& line : *lines) {
    if (!line.starts_with(prefix)) text << line << '\n';
  }
  text << prefix << HexOfBytes(bytes) << '\n';
  const std::string temporary = path + ".new." + std::to_string(::getpid());
  {
    std::ofstream out(temporary, std::ios::trunc);
    out << text.str();
    out.flush();
    if (!out) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace kalendra::platform
