// Expansion of shell references in a text: %%, %NAME, %[NAME], %0..%9 and
// %@NAME[ARGS], left to right, with values inserted as they are (never
// expanded again).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "contract/host_interface.h"

namespace torvane {

// Expansions (plug-in calls that expand again included) nest at most this
// deep, so that no text can exhaust the stack.
inline constexpr int kMaxExpansionDepth = 128;

// The buffers handed to plug-in functions, variables and commands, one per
// level of nesting (a call may expand text that calls a plug-in again). They
// are kept for the next call instead of allocating and clearing 8192
// characters every time; only the argument text and its terminator are
// written.
class CallBuffer {
 public:
  CallBuffer() {
    if (pool_.size() <= depth_) pool_.push_back(std::make_unique<KChar[]>(kHostBufferLength));
    data_ = pool_[depth_++].get();
  }
  ~CallBuffer() { --depth_; }
  CallBuffer(const CallBuffer&) = delete;
  CallBuffer& operator=(const CallBuffer&) = delete;
  KChar* data() const { return data_; }

 private:
  // Initialised before the program runs, so that a call finds it without a guard.
  static inline std::vector<std::unique_ptr<KChar[]>> pool_;
  static inline std::size_t depth_ = 0;
  KChar* data_;
};

// The expanded text, or nullopt when a function failed (its message has been
// written, by the plug-in or by the shell).
std::optional<std::u16string> ExpandText(std::u16string_view text);

// The same, appended to out, which the caller keeps between lines so that
// a line need not allocate. False when the expansion fails. A caller that
// has found the first "%" already says where: the text before it is taken
// as it stands.
bool ExpandInto(std::u16string_view text, std::u16string& out, std::size_t firstPercent = 0);

// The environment variable of that name, compared exactly first and then
// without regard to case.
std::optional<std::u16string> LookupEnvironment(std::u16string_view name);

}  // namespace torvane
