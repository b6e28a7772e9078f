// Line reading over the platform's file primitives. A seekable file is read
// in chunks and the position set back to just after the line, so that the
// caller's next read starts where the line ended; a pipe is read unit by
// unit instead.
#include "services/files.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "contract/text.h"
#include "platform/host_platform.h"

namespace torvane {

// One line without its LF, at most a limit of its units kept: bytes of an
// 8-bit file, units of a UTF-16 file. The texts keep their room from line to
// line, so reading a line allocates nothing once the longest has been seen.
struct RawLine {
  std::string bytes;
  std::u16string units;
  std::u16string decoded;  // the 8-bit line as UTF-16
  int consumed = 0;
  bool cut = false;
  bool hasNul = false;
};

// Hands out a file's units (bytes or UTF-16 LE units). A reader for one
// line puts the file position just after the last unit handed out when it
// is done; a reader for the whole file keeps what it read ahead instead.
class UnitReader {
 public:
  UnitReader(HostFile file, int unitSize, bool wholeFile = false)
      : file_(file),
        unitSize_(unitSize),
        start_(platform::FilePosition(file)),
        wholeFile_(wholeFile),
        chunk_(wholeFile ? kWholeFileChunk : kLineChunk) {}

  // The position the reader started at; -1 for a pipe.
  std::int64_t Start() const { return start_; }

  bool Next(char16_t& unit) {
    if (next_ + static_cast<std::size_t>(unitSize_) > filled_ && !Refill()) return false;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(chunk_[i]); };
    unit = unitSize_ == 1 ? byte(next_) : static_cast<char16_t>(byte(next_) | (byte(next_ + 1) << 8));
    next_ += static_cast<std::size_t>(unitSize_);
    taken_ += unitSize_;
    return true;
  }

  // The bytes read ahead and not yet handed out, refilled when none are
  // left; empty at the end of the file.
  std::string_view Ahead() {
    if (next_ >= filled_) Refill();
    return {chunk_.data() + next_, filled_ - next_};
  }

  // Hands out bytes seen through Ahead().
  void Skip(std::size_t bytes) {
    next_ += bytes;
    taken_ += static_cast<std::int64_t>(bytes);
  }

  int UnitSize() const { return unitSize_; }

  RawLine& Line() { return line_; }

  void Finish() {
    if (start_ >= 0 && !wholeFile_) platform::SetFilePosition(file_, start_ + taken_);
  }

 private:
  bool Refill() {
    // Only a seekable file can give back what was read ahead.
    const std::int64_t want = start_ >= 0 ? static_cast<std::int64_t>(chunk_.size()) : unitSize_;
    const std::size_t kept = filled_ - next_;  // the first byte of a split UTF-16 unit
    std::memmove(chunk_.data(), chunk_.data() + next_, kept);
    const std::int64_t n = platform::ReadBytes(file_, chunk_.data() + kept, want - static_cast<std::int64_t>(kept));
    filled_ = kept + static_cast<std::size_t>(std::max<std::int64_t>(n, 0));
    next_ = 0;
    return filled_ >= static_cast<std::size_t>(unitSize_);
  }

  HostFile file_;
  int unitSize_;
  std::int64_t start_;
  bool wholeFile_;
  std::int64_t taken_ = 0;
  // A line is looked for in small reads; a whole file is read in large ones.
  static constexpr std::size_t kLineChunk = 4096;
  static constexpr std::size_t kWholeFileChunk = 65536;
  std::vector<char> chunk_;
  std::size_t filled_ = 0;
  std::size_t next_ = 0;
  RawLine line_;
};

namespace {

// Keeps the bytes of a run while the line has room.
void Keep(RawLine& line, std::string_view bytes, std::size_t limit) {
  if (bytes.find('\0') != std::string_view::npos) line.hasNul = true;
  const std::size_t room = limit - std::min(limit, line.bytes.size());
  if (bytes.size() > room) line.cut = true;
  line.bytes.append(bytes.substr(0, room));
}

void Clear(RawLine& line) {
  line.bytes.clear();
  line.units.clear();
  line.consumed = 0;
  line.cut = false;
  line.hasNul = false;
}

// The bytes of the next line without its LF. A line that lies whole in what
// was read ahead, nearly every line, is seen where it lies; one that runs
// past it is gathered a run at a time into the reader's line.
std::string_view ReadByteLine(UnitReader& reader, std::size_t limit) {
  RawLine& line = reader.Line();
  Clear(line);
  const std::string_view ahead = reader.Ahead();
  if (const void* lf = std::memchr(ahead.data(), '\n', ahead.size())) {
    const auto length = static_cast<std::size_t>(static_cast<const char*>(lf) - ahead.data());
    if (length <= limit) {
      line.hasNul = std::memchr(ahead.data(), '\0', length) != nullptr;
      line.consumed = static_cast<int>(length + 1);
      reader.Skip(length + 1);
      reader.Finish();
      return ahead.substr(0, length);  // the reader moves nothing until it is asked again
    }
  }
  for (std::string_view run = ahead; !run.empty(); run = reader.Ahead()) {
    const std::size_t lf = run.find('\n');
    Keep(line, run.substr(0, lf), limit);
    const std::size_t taken = lf != std::string_view::npos ? lf + 1 : run.size();
    reader.Skip(taken);
    line.consumed += static_cast<int>(taken);
    if (lf != std::string_view::npos) break;
  }
  reader.Finish();
  return line.bytes;
}

// The UTF-16 units of the next line without its LF, one by one, into the
// reader's line.
RawLine& ReadUnitLine(UnitReader& reader, std::size_t limit) {
  RawLine& line = reader.Line();
  Clear(line);
  char16_t unit = 0;
  while (reader.Next(unit)) {
    ++line.consumed;
    if (unit == u'\n') break;
    if (unit == 0) line.hasNul = true;
    if (line.units.size() < limit) {
      line.units += unit;
    } else {
      line.cut = true;
    }
  }
  reader.Finish();
  return line;
}

// Units of a byte-order mark at the reader's start, 0 when there is none
// or the reader does not start at the beginning of the file.
int MarkUnits(HostFile file, bool unicode, std::int64_t start) {
  if (start != 0) return 0;
  unsigned char head[3] = {};
  const std::int64_t n = platform::ReadBytesAt(file, 0, head, 3);
  if (unicode) return n >= 2 && head[0] == 0xFF && head[1] == 0xFE ? 1 : 0;
  return n == 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF ? 3 : 0;
}

// Widens eight bytes: a block the compiler turns into vector instructions.
void WidenBlock(const char* __restrict bytes, char16_t* __restrict out) {
  for (std::size_t k = 0; k < 8; ++k) out[k] = static_cast<unsigned char>(bytes[k]);
}

std::uint64_t EightBytes(const char* bytes) {
  std::uint64_t word = 0;
  std::memcpy(&word, bytes, 8);
  return word;
}

constexpr std::uint64_t kHighBits = 0x8080808080808080u;
constexpr std::uint64_t kLowBits = 0x0101010101010101u;

// Widens bytes; true when every one was ASCII and none zero (else what was
// written is no line, and the caller reads the bytes the general way).
// Lines are short: blocks of sixteen by the CPU's vector instructions where
// it has them, else of eight, the last block overlapping the one before it,
// instead of a tail of single bytes.
bool WidenAscii(const char* bytes, std::size_t count, char16_t* out) {
#if defined(__SSE2__)
  if (count >= 16) {
    const __m128i zero = _mm_setzero_si128();
    __m128i outside = zero;  // a high bit for each byte not ASCII or zero
    const auto widen = [&](std::size_t i) {
      const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(block, zero));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(block, zero));
      outside = _mm_or_si128(outside, _mm_or_si128(block, _mm_cmpeq_epi8(block, zero)));
    };
    for (std::size_t i = 0; i + 16 < count; i += 16) widen(i);
    widen(count - 16);
    return _mm_movemask_epi8(outside) == 0;
  }
#endif
  if (count < 8) {
    unsigned outside = 0;
    for (std::size_t i = 0; i < count; ++i) {
      const auto byte = static_cast<unsigned char>(bytes[i]);
      out[i] = byte;
      outside |= byte == 0 ? 0x80u : byte;
    }
    return outside < 0x80;
  }
  std::uint64_t outside = 0;
  const auto widen = [&](std::size_t i) {
    const std::uint64_t word = EightBytes(bytes + i);
    // A zero byte borrows when one is taken from each byte, and sets its high bit.
    outside |= word | ((word - kLowBits) & ~word);
    WidenBlock(bytes + i, out + i);
  };
  for (std::size_t i = 0; i + 8 < count; i += 8) widen(i);
  widen(count - 8);
  return (outside & kHighBits) == 0;
}

bool IsAscii(std::string_view bytes);

// A line's bytes without the CR of its CR LF.
std::string_view WithoutCr(std::string_view bytes) {
  return bytes.ends_with('\r') ? bytes.substr(0, bytes.size() - 1) : bytes;
}

// Widens an ASCII text of at most maxChars straight into the buffer, with
// its terminator; its length, or none (and the buffer holds no line) when
// the text is longer, not ASCII or holds a zero byte.
std::optional<std::size_t> WidenAsciiLine(std::string_view bytes, KChar* buffer, std::size_t maxChars) {
  if (bytes.size() > maxChars || !WidenAscii(bytes.data(), bytes.size(), buffer)) return std::nullopt;
  buffer[bytes.size()] = u'\0';
  return bytes.size();
}

// Writes the line's text, cut to maxChars units, and a terminator into
// buffer; returns the whole text's length. ASCII, nearly every 8-bit line,
// is widened straight into the buffer.
std::size_t StoreBytes(std::string_view bytes, bool cut, RawLine& line, KChar* buffer, std::size_t maxChars) {
  if (!cut) bytes = WithoutCr(bytes);
  if (const std::optional<std::size_t> length = WidenAsciiLine(bytes, buffer, maxChars)) return *length;
  line.decoded.clear();
  AppendEightBit(bytes, line.decoded);
  contract::CopyText(buffer, std::min(line.decoded.size(), maxChars) + 1, line.decoded);
  return line.decoded.size();
}

// The same for a UTF-16 line, without the CR of a CR LF.
std::size_t StoreUnits(RawLine& line, KChar* buffer, std::size_t maxChars) {
  std::u16string& units = line.units;
  if (!line.cut && !units.empty() && units.back() == u'\r') units.pop_back();
  contract::CopyText(buffer, std::min(units.size(), maxChars) + 1, units);
  return units.size();
}

// Length of the UTF-8 sequence a lead byte starts, 0 for a byte that
// cannot lead one.
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

bool IsUnicodeFile(HostFile file) {
  unsigned char mark[2] = {};
  return platform::ReadBytesAt(file, 0, mark, 2) == 2 && mark[0] == 0xFF && mark[1] == 0xFE;
}

namespace {

// One line from a reader into the buffer: the mark skipped first when the
// reader stands at the start of the file. Returns the units consumed, and
// in what (when given) whether the line was cut and held a zero unit.
int ReadLineFrom(UnitReader& reader, HostFile file, KChar* buffer, int maxChars, bool unicode, bool atStart,
                 LineRead* what = nullptr) {
  const int markUnits = atStart ? MarkUnits(file, unicode, reader.Start()) : 0;
  char16_t unit = 0;
  for (int i = 0; i < markUnits; ++i) reader.Next(unit);
  // Room for a CR and, for 8-bit text, UTF-8 sequences of up to four bytes
  // per character.
  const std::size_t limit = static_cast<std::size_t>(maxChars) * (unicode ? 1 : 4) + 1;
  RawLine& line = reader.Line();
  std::size_t length = 0;
  if (unicode) {
    ReadUnitLine(reader, limit);
    if (line.consumed > 0) length = StoreUnits(line, buffer, static_cast<std::size_t>(maxChars));
  } else {
    const std::string_view bytes = ReadByteLine(reader, limit);
    if (line.consumed > 0) length = StoreBytes(bytes, line.cut, line, buffer, static_cast<std::size_t>(maxChars));
  }
  if (line.consumed == 0) {  // end of file; a file that holds only its mark holds no line
    buffer[0] = u'\0';
    return 0;
  }
  if (what != nullptr) {
    const std::size_t kept = std::min(length, static_cast<std::size_t>(maxChars));
    what->cut = line.cut || length > kept;
    what->hasNul = line.hasNul;
    // Up to the terminator, which a zero unit in the line comes before.
    what->length = line.hasNul ? contract::TextLength(buffer) : kept;
  }
  return line.consumed + markUnits;
}

}  // namespace

int ReadLine(HostFile file, KChar* buffer, int maxChars, bool unicode) {
  if (buffer == nullptr || maxChars <= 0) return 0;
  UnitReader reader(file, unicode ? 2 : 1);
  return ReadLineFrom(reader, file, buffer, maxChars, unicode, true);
}

FileLines::FileLines(HostFile file, bool unicode)
    : file_(file), unicode_(unicode), reader_(std::make_unique<UnitReader>(file, unicode ? 2 : 1, true)) {}

FileLines::~FileLines() = default;

namespace {

// A line that lies whole in what was read ahead, is ASCII and holds no zero
// byte, nearly every line of a batch file, goes straight from the read-ahead
// into the buffer; any other is left where it is, for the reader of all
// lines.
std::optional<LineRead> TakeAsciiLine(UnitReader& reader, KChar* buffer, std::size_t maxChars) {
  const std::string_view ahead = reader.Ahead();
  const void* lf = std::memchr(ahead.data(), '\n', ahead.size());
  if (lf == nullptr) return std::nullopt;
  const auto lineLength = static_cast<std::size_t>(static_cast<const char*>(lf) - ahead.data());
  const std::string_view bytes = WithoutCr(ahead.substr(0, lineLength));
  const std::optional<std::size_t> length = WidenAsciiLine(bytes, buffer, maxChars);
  if (!length) return std::nullopt;
  const std::size_t consumed = lineLength + 1;
  reader.Skip(consumed);
  return LineRead{static_cast<int>(consumed), false, false, *length};
}

}  // namespace

LineRead FileLines::Next(KChar* buffer, int maxChars) {
  LineRead what;
  if (buffer == nullptr || maxChars <= 0) return what;
  // The first line may begin with a byte-order mark; a UTF-16 file is read unit by unit.
  if (!first_ && !unicode_) {
    if (const std::optional<LineRead> line = TakeAsciiLine(*reader_, buffer, static_cast<std::size_t>(maxChars))) {
      return *line;
    }
  }
  what.consumed = ReadLineFrom(*reader_, file_, buffer, maxChars, unicode_, first_, &what);
  first_ = false;
  return what;
}

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const int length = SequenceLength(byte(i));
    if (length == 0 || i + static_cast<std::size_t>(length) > bytes.size()) return false;
    for (int k = 1; k < length; ++k) {
      if ((byte(i + static_cast<std::size_t>(k)) & 0xC0) != 0x80) return false;
    }
    // Overlong three- and four-byte forms, surrogates and values past U+10FFFF.
    const unsigned char lead = byte(i);
    const unsigned char second = length > 1 ? byte(i + 1) : 0;
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) || (lead == 0xF0 && second < 0x90) ||
        (lead == 0xF4 && second > 0x8F)) {
      return false;
    }
    i += static_cast<std::size_t>(length);
  }
  return true;
}

namespace {

// Eight bytes at a time: most lines are ASCII.
bool IsAscii(std::string_view bytes) {
  std::uint64_t high = 0;
  std::size_t i = 0;
  for (; i + 8 <= bytes.size(); i += 8) high |= EightBytes(bytes.data() + i);
  for (; i < bytes.size(); ++i) high |= static_cast<unsigned char>(bytes[i]);
  return (high & kHighBits) == 0;
}

}  // namespace

void AppendEightBit(std::string_view bytes, std::u16string& out) {
  // ASCII reads alike as UTF-8 and as Latin-1, and is widened as it is.
  if (!IsAscii(bytes) && IsValidUtf8(bytes)) {
    contract::AppendFromUtf8(bytes, out);
    return;
  }
  const std::size_t start = out.size();
  out.resize(start + bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) out[start + i] = static_cast<unsigned char>(bytes[i]);
}

std::u16string WidenEightBit(std::string_view bytes) {
  std::u16string text;
  AppendEightBit(bytes, text);
  return text;
}

}  // namespace torvane
