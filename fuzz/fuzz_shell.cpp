// Feeds arbitrary text to the shell's services: expansion (with the
// plug-in's date functions registered, so that %@ calls reach them),
// integer arithmetic, and the batch reader, where reading a file ahead in
// chunks must give exactly the lines that GetLine gives one at a time.
#include <stdlib.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "datefuncs/arithmetic.h"
#include "datefuncs/queries.h"
#include "frame/plugin.h"
#include "fuzz_support.h"
#include "services/files.h"

namespace {

FeatureEntry DateExport(std::u16string_view name) {
  if (name == u"f_dow") return kalendra::DowFunction;
  if (name == u"f_dateplus") return kalendra::DatePlusFunction;
  if (name == u"f_date") return kalendra::DateFunction;
  return nullptr;
}
const bool kRegistered = torvane::testing::RegisterPlugin(kalendra::GetPluginInfoRecord, DateExport);

constexpr int kLineChars = 511;  // short, so that cut lines are common

// Expansion fails exactly when a message was written; its result fits.
void CheckExpansion(std::u16string_view text) {
  std::array<KChar, kHostBufferLength> buffer{};
  kalendra::CopyText(buffer.data(), buffer.size(), text);
  int status = 0;
  const auto output = torvane::testing::CaptureOutput([&] { status = ExpandVariables(buffer.data(), 1); });
  if ((status != 0) != !output.err.empty()) std::abort();
  if (kalendra::TextLength(buffer.data()) >= kHostBufferLength) std::abort();
}

// A failed evaluation leaves the buffer as it was.
void CheckEvaluation(std::u16string_view text) {
  std::array<KChar, kHostBufferLength> buffer{};
  kalendra::CopyText(buffer.data(), buffer.size(), text);
  const std::array<KChar, kHostBufferLength> before = buffer;
  int status = 0;
  torvane::testing::CaptureOutput([&] { status = Evaluate(buffer.data()); });
  if (status != 0 && buffer != before) std::abort();
}

struct Line {
  std::u16string text;
  int consumed;
  bool operator==(const Line&) const = default;
};

std::vector<Line> LinesByGetLine(const std::u16string& path) {
  const HostFile file = torvane::testing::OpenFile(path);
  const int flags = QueryIsFileUnicode(file) != 0 ? kGetLineUnicode : 0;
  std::vector<Line> lines;
  std::array<KChar, kLineChars + 1> buffer{};
  for (int consumed; (consumed = GetLine(file, buffer.data(), kLineChars, flags, 0)) != 0;) {
    lines.push_back({buffer.data(), consumed});
  }
  torvane::testing::CloseFile(file);
  return lines;
}

std::vector<Line> LinesReadAhead(const std::u16string& path) {
  const HostFile file = torvane::testing::OpenFile(path);
  std::vector<Line> lines;
  {
    torvane::FileLines reader(file, torvane::IsUnicodeFile(file));
    std::array<KChar, kLineChars + 1> buffer{};
    for (torvane::LineRead read; (read = reader.Next(buffer.data(), kLineChars)).consumed != 0;) {
      lines.push_back({buffer.data(), read.consumed});
    }
  }
  torvane::testing::CloseFile(file);
  return lines;
}

void CheckBatchReader(const std::vector<std::uint8_t>& bytes) {
  static const std::string path = "/tmp/kalendra-fuzz-batch-" + std::to_string(getpid());
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  const std::u16string widePath = kalendra::FromUtf8(path);
  if (LinesByGetLine(widePath) != LinesReadAhead(widePath)) std::abort();
}

}  // namespace

// Byte 0 picks the service; the rest is its text (UTF-16LE) or the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!kRegistered) std::abort();
  if (size < 1) return 0;
  const std::u16string text = fuzz::Utf16(data + 1, size - 1);
  switch (data[0] % 3) {
    case 0: CheckExpansion(text); break;
    case 1: CheckEvaluation(text); break;
    default: CheckBatchReader({data + 1, data + size});
  }
  return 0;
}
