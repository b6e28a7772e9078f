// The plug-in's text helpers: the shared character and UTF helpers of the
// contract, named in the plug-in's namespace, and the buffer a text handed to
// the shell lives in.
#pragma once

#include <array>
#include <cstddef>

#include "contract/host_interface.h"
#include "contract/text.h"

namespace kalendra {

using contract::AppendFromUtf8;
using contract::AppendUtf8;
using contract::CopyText;
using contract::EqualsIgnoringAsciiCase;
using contract::FoldAscii;
using contract::FromUtf8;
using contract::IsDigit;
using contract::IsLetter;
using contract::IsSpace;
using contract::TextLength;
using contract::ToLower;
using contract::ToUpper;
using contract::ToUtf8;
using contract::Widen;

// A text of the shell's buffer size, for handing the shell a text to expand
// or fill. It starts as an empty text and is otherwise left uninitialised:
// clearing 16 KB would cost more than most calls, and only what stands
// before the terminator is ever read.
class HostBuffer {
 public:
  HostBuffer() { text_[0] = u'\0'; }
  KChar* data() { return text_.data(); }
  static constexpr std::size_t size() { return kHostBufferLength; }
  KChar& operator[](std::size_t i) { return text_[i]; }
  KChar& back() { return text_.back(); }

 private:
  std::array<KChar, kHostBufferLength> text_;  // NOLINT: written before it is read
};

}  // namespace kalendra
