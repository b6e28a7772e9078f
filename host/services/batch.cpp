// The batch file runner: reads lines with the same reader as GetLine.
#include "services/batch.h"

#include "platform/host_platform.h"
#include "services/commands.h"
#include "services/files.h"
#include "services/output.h"
#include "services/session.h"
#include "services/texts.h"

namespace torvane {
namespace {

// Pushes a batch frame for the run and pops it again, however it ends.
class BatchScope {
 public:
  explicit BatchScope(BatchFrame frame) {
    CurrentSession().batches.push_back(std::move(frame));
    index_ = CurrentSession().batches.size() - 1;
  }
  ~BatchScope() { CurrentSession().batches.pop_back(); }
  BatchScope(const BatchScope&) = delete;
  BatchScope& operator=(const BatchScope&) = delete;

  // By index: a nested batch file may grow the stack meanwhile. Returns the
  // new line number.
  int NextLine() { return ++CurrentSession().batches[index_].line; }

 private:
  std::size_t index_;
};

// Runs every line; true when the last one succeeded (an empty file succeeds).
// A line beyond the limit fails without being run; a zero byte in an 8-bit
// file shows it is no text at all, and ends the batch.
bool RunLines(HostFile file, BatchScope& scope, const std::u16string& path) {
  const bool unicode = IsUnicodeFile(file);
  FileLines lines(file, unicode);
  std::u16string buffer(static_cast<std::size_t>(kMaxBatchLineLength) + 1, u'\0');
  bool lastSucceeded = true;
  while (!CurrentSession().exitRequested) {
    const LineRead read = lines.Next(buffer.data(), kMaxBatchLineLength);
    if (read.consumed == 0) break;
    const int number = scope.NextLine();
    if (read.hasNul && !unicode) {
      output::ReportError(Quoted(path) + u" is not a text file: line " + Decimal(number) + u" holds a zero byte");
      CurrentSession().lastLineFailed = true;
      return false;
    }
    if (read.cut) {
      output::ReportError(u"Line " + Decimal(number) + u" of " + Quoted(path) + u" is longer than " +
                          Decimal(kMaxBatchLineLength) + u" characters; not run");
      CurrentSession().lastLineFailed = true;
      lastSucceeded = false;
      continue;
    }
    lastSucceeded = RunLine(std::u16string_view(buffer.data(), read.length));
  }
  return lastSucceeded;
}

}  // namespace

bool RunBatchFile(const std::vector<std::u16string>& words) {
  const std::optional<std::u16string> path = platform::FullPath(words.at(0));
  // A folder opens on some systems, but holds no lines.
  const bool isFile = path && platform::IsExistingFile(*path);
  const HostFile file = isFile ? platform::OpenForReading(*path) : platform::kNoFile;
  if (file == platform::kNoFile) {
    output::ReportError(u"Cannot open batch file " + Quoted(words[0]));
    CurrentSession().lastLineFailed = true;
    return false;
  }
  BatchScope scope(BatchFrame{*path, 0, words});
  const bool lastSucceeded = RunLines(file, scope, *path);
  platform::CloseFile(file);
  return lastSucceeded;
}

}  // namespace torvane
