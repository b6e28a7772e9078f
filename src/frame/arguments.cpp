// The argument splitters. Characters past kMaxArgLength of an entry and
// entries past kMaxArgs are dropped without a message.
#include "frame/arguments.h"

#include <array>

#include "frame/text.h"

namespace kalendra {

ArgTable theArgumentTable;

namespace {

// A character that no splitter rule looks at: stored as it is, in or out
// of quotes. Looked up in a table, since every character of every call is
// asked.
constexpr std::array<bool, 0x80> kPlainAscii = [] {
  std::array<bool, 0x80> plain{};
  for (int c = u' ' + 1; c < 0x80; ++c) plain[static_cast<std::size_t>(c)] = c != u'"' && c != u',';
  return plain;
}();
constexpr bool IsPlain(KChar c) { return c < 0x80 && kPlainAscii[c]; }

// Fills the table entry by entry; the splitters decide where entries end.
// Every entry it ends is written whole, and at the finish only the entries
// that the last split wrote beyond them are cleared, so a split costs what
// its text holds, not the size of the table. Past the last entry, and past
// kMaxArgLength characters of one, the writer has no room and drops what it
// is given.
class TableWriter {
 public:
  enum class Trailing { kKept, kCut };

  TableWriter(ArgTable& table, Trailing trailing)
      : table_(table), cutTrailingSpace_(trailing == Trailing::kCut), lastUsed_(table.used) {
    table_.used = 0;
    Open();
  }

  bool CurrentEmpty() const { return next_ == start_; }
  KChar First() const { return *start_; }
  KChar Last() const { return next_[-1]; }

  void Store(KChar c) {
    if (next_ != limit_) *next_++ = c;
  }

  // Stores the run of plain characters that starts at `run`, as far as the
  // entry has room; returns the run's last character. The pointers are held
  // in locals here, where the loop over nearly every character runs.
  const KChar* StorePlainRun(const KChar* run) {
    KChar* next = next_;
    KChar* const limit = limit_;
    for (; IsPlain(run[1]); ++run) {
      if (next != limit) *next++ = *run;
    }
    if (next != limit) *next++ = *run;
    next_ = next;
    return run;
  }

  // Ends the current entry, its trailing white space cut if asked, and opens the next.
  void EndEntry() {
    if (index_ < kMaxArgs) {
      while (cutTrailingSpace_ && next_ != start_ && IsSpace(next_[-1])) --next_;
      *next_ = u'\0';
      ArgEntry& entry = table_.entries[static_cast<std::size_t>(index_)];
      entry.length = static_cast<int>(next_ - start_);
      if (entry.length > 0) table_.used = index_ + 1;
    }
    ++index_;
    Open();
  }

  // Ends the last entry and clears what the last split left beyond the
  // entries this one wrote. Every entry end counts, the last one included;
  // the result is capped.
  int Finish() {
    EndEntry();
    const int count = index_ < kMaxArgs ? index_ : kMaxArgs;
    for (int i = count; i < lastUsed_; ++i) {
      ArgEntry& entry = table_.entries[static_cast<std::size_t>(i)];
      entry.length = 0;
      entry.text[0] = u'\0';
    }
    return count;
  }

 private:
  void Open() {
    if (index_ < kMaxArgs) {
      start_ = table_.entries[static_cast<std::size_t>(index_)].text.data();
      limit_ = start_ + kMaxArgLength;
    } else {
      static KChar overflow = u'\0';  // the entry of no room, past the table
      start_ = limit_ = &overflow;
    }
    next_ = start_;
  }

  ArgTable& table_;
  bool cutTrailingSpace_;
  int lastUsed_;  // the entries the last split may have written
  int index_ = 0;
  KChar* start_ = nullptr;
  KChar* next_ = nullptr;
  KChar* limit_ = nullptr;
};

}  // namespace


int SplitArguments(const KChar* text, bool spaceSeparates) {
  TableWriter writer(Arguments(), TableWriter::Trailing::kCut);
  bool quoted = false;
  for (const KChar* p = text; *p != u'\0'; ++p) {
    const KChar c = *p;
    if (IsPlain(c)) {
      p = writer.StorePlainRun(p);
    } else if (c == u'"') {
      quoted = !quoted;
    } else if (IsSpace(c) && writer.CurrentEmpty()) {
      // Leading white space is dropped, even inside quotes.
    } else if (c == u',' && !quoted) {
      writer.EndEntry();
    } else if (IsSpace(c) && spaceSeparates && !quoted) {
      writer.EndEntry();
    } else {
      writer.Store(c);
    }
  }
  return writer.Finish();
}

int SplitCommandLine(const KChar* tail) {
  TableWriter writer(Arguments(), TableWriter::Trailing::kKept);
  bool quoted = false;
  int depth = 0;
  for (const KChar* p = tail; *p != u'\0'; ++p) {
    const KChar c = *p;
    if (c == u'"') {
      quoted = !quoted;
      continue;
    }
    if (c == u'[') {
      ++depth;
    } else if (c == u']' && depth > 0) {
      --depth;
    }
    if (IsSpace(c) && !quoted && depth == 0) {
      if (!writer.CurrentEmpty()) writer.EndEntry();
      continue;
    }
    // A switch written right after another ("/A/B") starts a new entry, while
    // a switch whose value holds slashes after a digit ("/D12/25/2015") stays.
    if (c == u'/' && !quoted && !writer.CurrentEmpty() && writer.First() == u'/' && !IsDigit(writer.Last())) {
      writer.EndEntry();
    }
    writer.Store(ToUpper(c));
  }
  return writer.Finish();
}

}  // namespace kalendra
