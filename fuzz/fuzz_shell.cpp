// Feeds arbitrary text to the shell's services: expansion (with the
// plug-in's date functions registered, so that %@ calls reach them),
// integer arithmetic, the batch reader, where reading a file ahead in chunks
// must give exactly the lines that GetLine gives one at a time, and the
// printf engine, which must write what the C library's printf writes.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
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
  const fuzz::Call call = fuzz::CallWith(text, [](KChar* buffer) { return ExpandVariables(buffer, 1); });
  if ((call.status != 0) != !call.output.err.empty()) std::abort();
  if (kalendra::TextLength(call.buffer.data()) >= kHostBufferLength) std::abort();
}

// A failed evaluation leaves the buffer as it was.
void CheckEvaluation(std::u16string_view text) {
  const fuzz::Call call = fuzz::CallWith(text, Evaluate);
  if (call.status != 0 && call.buffer != fuzz::BufferOf(text)) std::abort();
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

// ---- The printf engine against the C library --------------------------------

// The arguments every format is given, one per conversion in this order; a
// conversion takes one of the letters of its argument's type.
constexpr int kIntArgument = -2147483647 - 1;
constexpr long long kWideArgument = -9223372036854775807LL - 1;
constexpr unsigned kUnsignedArgument = 3735928559u;
constexpr double kDoubleArguments[] = {-0.0, 1234.5678, 1e300};
constexpr int kCharArgument = 'Z';
constexpr const char* kNarrowText = "text";
constexpr const KChar* kWideText = u"text";
constexpr std::u16string_view kSlotLetters[] = {u"di", u"q", u"uxX", u"f", u"s", u"c", u"di", u"f", u"uxX", u"f", u"s", u"q"};
constexpr std::size_t kSlots = std::size(kSlotLetters);

// A format both engines take, in both spellings (%q is %lld in C): ASCII
// text, flags "-+ 0" (no "0" for texts and characters, where C leaves it
// undefined), widths and precisions of at most three digits, each
// conversion the letter its slot allows; a "%" past the slots, or at the
// end, is written "%%".
struct Formats {
  std::u16string wide;
  std::string narrow;
  void Add(std::u16string_view text) {
    wide += text;
    for (const KChar c : text) narrow += static_cast<char>(c);
  }
};

Formats SafeFormats(std::u16string_view text) {
  Formats formats;
  std::size_t slot = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const KChar c = text[i] & 0x7F;
    if (c == 0) continue;
    if (c != u'%') {
      formats.Add({&c, 1});
      continue;
    }
    if (slot == kSlots || i + 1 >= text.size()) {
      formats.Add(u"%%");
      continue;
    }
    std::u16string spec = u"%";
    for (++i; i < text.size() && std::u16string_view(u"-+ 0").find(text[i]) != std::u16string_view::npos; ++i) {
      spec += text[i];
    }
    for (int digits = 0; i < text.size() && kalendra::IsDigit(text[i]) && digits < 3; ++i, ++digits) spec += text[i];
    if (i < text.size() && text[i] == u'.') {
      spec += u'.';
      for (int digits = 0; ++i < text.size() && kalendra::IsDigit(text[i]) && digits < 3; ++digits) spec += text[i];
    }
    const std::u16string_view letters = kSlotLetters[slot++];
    const KChar letter = letters[(i < text.size() ? text[i] : 0) % letters.size()];
    if (letter == u's' || letter == u'c') std::erase(spec, u'0');
    formats.Add(spec);
    if (letter == u'q') {
      formats.wide += u'q';
      formats.narrow += "lld";
    } else {
      formats.Add({&letter, 1});
    }
  }
  return formats;
}

void CheckPrintf(std::u16string_view text) {
  const Formats formats = SafeFormats(text);
  const double d = kDoubleArguments[formats.wide.size() % std::size(kDoubleArguments)];
  std::vector<char> narrow(kHostBufferLength);
  const int length = std::snprintf(narrow.data(), narrow.size(), formats.narrow.c_str(), kIntArgument, kWideArgument,
                                   kUnsignedArgument, d, kNarrowText, kCharArgument, kIntArgument, d,
                                   kUnsignedArgument, d, kNarrowText, kWideArgument);
  // A result longer than the buffer breaks the host table: Sprintf refuses
  // it by stopping the shell, so only results that fit are compared.
  if (length < 0 || length >= kHostBufferLength) return;
  std::array<KChar, kHostBufferLength> wide{};
  Sprintf(wide.data(), formats.wide.c_str(), kIntArgument, kWideArgument, kUnsignedArgument, d, kWideText, kCharArgument,
          kIntArgument, d, kUnsignedArgument, d, kWideText, kWideArgument);
  if (std::u16string(wide.data()) != kalendra::Widen(narrow.data())) std::abort();
}

}  // namespace

// Byte 0 picks the service; the rest is its text (UTF-16LE) or the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (!kRegistered) std::abort();
  if (size < 1) return 0;
  const std::u16string text = fuzz::Utf16(data + 1, size - 1);
  switch (data[0] % 4) {
    case 0: CheckExpansion(text); break;
    case 1: CheckEvaluation(text); break;
    case 2: CheckPrintf(text); break;
    default: CheckBatchReader({data + 1, data + size});
  }
  return 0;
}
