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

  // By index: a nested batch file may grow the stack meanwhile.
  void NextLine() { ++CurrentSession().batches[index_].line; }

 private:
  std::size_t index_;
};

// Runs every line; true when the last one succeeded (an empty file succeeds).
bool RunLines(HostFile file, BatchScope& scope) {
  FileLines lines(file, IsUnicodeFile(file));
  std::u16string buffer(kHostBufferLength, u'\0');
  bool lastSucceeded = true;
  while (!CurrentSession().exitRequested) {
    if (lines.Next(buffer.data(), kHostBufferLength - 1) == 0) break;
    scope.NextLine();
    lastSucceeded = RunLine(buffer.data());
  }
  return lastSucceeded;
}

}  // namespace

bool RunBatchFile(const std::vector<std::u16string>& words) {
  const std::optional<std::u16string> path = platform::FullPath(words.at(0));
  const HostFile file = path ? platform::OpenForReading(*path) : platform::kNoFile;
  if (file == platform::kNoFile) {
    output::ReportError(u"Cannot open batch file " + Quoted(words[0]));
    CurrentSession().lastLineFailed = true;
    return false;
  }
  BatchScope scope(BatchFrame{*path, 0, words});
  const bool lastSucceeded = RunLines(file, scope);
  platform::CloseFile(file);
  return lastSucceeded;
}

}  // namespace torvane
