// The argument splitters. Characters past kMaxArgLength of an entry and
// entries past kMaxArgs are dropped without a message.
#include "frame/arguments.h"

#include <algorithm>
#include <array>

#include "frame/text.h"

namespace kalendra {
namespace {

// Fills the table entry by entry; the splitters decide where entries end.
// Only the entries the last split wrote are cleared, so a split costs what
// its text holds, not the size of the table.
class TableWriter {
 public:
  explicit TableWriter(ArgTable& table) : table_(table) {
    for (int i = 0; i < table_.used; ++i) {
      ArgEntry& entry = table_.entries[static_cast<std::size_t>(i)];
      entry.length = 0;
      entry.text[0] = u'\0';
    }
    table_.used = 0;
  }

  bool CurrentEmpty() const { return index_ >= kMaxArgs || table_.entries[index_].length == 0; }

  const ArgEntry* Current() const { return index_ < kMaxArgs ? &table_.entries[index_] : nullptr; }

  void Store(KChar c) {
    if (index_ >= kMaxArgs) return;
    ArgEntry& entry = table_.entries[index_];
    if (entry.length >= kMaxArgLength) return;
    entry.text[static_cast<std::size_t>(entry.length++)] = c;
    table_.used = index_ + 1;
  }

  // Stores a run of characters at once, as far as the entry has room.
  void StoreRun(const KChar* run, std::size_t count) {
    if (index_ >= kMaxArgs) return;
    ArgEntry& entry = table_.entries[index_];
    const std::size_t room = static_cast<std::size_t>(kMaxArgLength - entry.length);
    const std::size_t stored = count < room ? count : room;
    if (stored == 0) return;
    std::copy_n(run, stored, entry.text.data() + entry.length);
    entry.length += static_cast<int>(stored);
    table_.used = index_ + 1;
  }

  // Every split ends each entry it stored into, so the terminator is written here once.
  void EndEntry() {
    if (index_ < kMaxArgs) {
      ArgEntry& entry = table_.entries[index_];
      entry.text[static_cast<std::size_t>(entry.length)] = u'\0';
    }
    ++count_;
    ++index_;
  }

  void TrimTrailingSpace() {
    for (int i = 0; i < table_.used; ++i) {
      ArgEntry& entry = table_.entries[static_cast<std::size_t>(i)];
      while (entry.length > 0 && IsSpace(entry.text[static_cast<std::size_t>(entry.length - 1)])) --entry.length;
      entry.text[static_cast<std::size_t>(entry.length)] = u'\0';
    }
  }

  // Every entry end counts, the last one included; the result is capped.
  int Count() const { return count_ < kMaxArgs ? count_ : kMaxArgs; }

 private:
  ArgTable& table_;
  int index_ = 0;
  int count_ = 0;
};

}  // namespace

ArgTable& Arguments() {
  static ArgTable table;
  return table;
}

// A character that no splitter rule looks at: stored as it is, in or out
// of quotes, so whole runs of them are copied at once. Looked up in a
// table, since every character of every call is asked.
constexpr std::array<bool, 0x80> kPlainAscii = [] {
  std::array<bool, 0x80> plain{};
  for (int c = u' ' + 1; c < 0x80; ++c) plain[static_cast<std::size_t>(c)] = c != u'"' && c != u',';
  return plain;
}();
constexpr bool IsPlain(KChar c) { return c < 0x80 && kPlainAscii[c]; }

int SplitArguments(const KChar* text, bool spaceSeparates) {
  TableWriter writer(Arguments());
  bool quoted = false;
  for (const KChar* p = text; *p != u'\0'; ++p) {
    const KChar c = *p;
    if (IsPlain(c)) {
      const KChar* run = p;
      while (IsPlain(p[1])) ++p;
      writer.StoreRun(run, static_cast<std::size_t>(p + 1 - run));
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
  writer.EndEntry();
  writer.TrimTrailingSpace();
  return writer.Count();
}

int SplitCommandLine(const KChar* tail) {
  TableWriter writer(Arguments());
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
    if (c == u'/' && !quoted && !writer.CurrentEmpty()) {
      const ArgEntry* entry = writer.Current();
      const KChar last = entry->text[static_cast<std::size_t>(entry->length - 1)];
      if (entry->text[0] == u'/' && !IsDigit(last)) writer.EndEntry();
    }
    writer.Store(ToUpper(c));
  }
  writer.EndEntry();
  return writer.Count();
}

}  // namespace kalendra
