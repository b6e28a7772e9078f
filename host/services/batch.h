// Running a batch file line by line, inside a frame that the batch
// variables (_batch, _batchname, _batchline, %0..%9) report.
#pragma once

#include <string>
#include <vector>

namespace torvane {

// A batch file's lines may be this long; a longer one is reported by file
// and line and not run.
inline constexpr int kMaxBatchLineLength = 65535;

// Runs the batch file words[0] with the parameters words[1...]. A failed
// line does not stop it; "exit" does. Returns true when the file could be
// read and its last line succeeded.
bool RunBatchFile(const std::vector<std::u16string>& words);

}  // namespace torvane
