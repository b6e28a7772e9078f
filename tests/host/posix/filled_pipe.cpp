#include <unistd.h>

#include "host_kit.h"

namespace torvane::test {

FilledPipe::FilledPipe(const std::string& bytes) {
  int ends[2] = {-1, -1};
  EXPECT_EQ(::pipe(ends), 0);
  EXPECT_EQ(::write(ends[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
  ::close(ends[1]);
  reader_ = ends[0];
}

FilledPipe::~FilledPipe() { ::close(static_cast<int>(reader_)); }

}  // namespace torvane::test
