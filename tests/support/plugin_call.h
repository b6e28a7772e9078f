// Calling the plug-in's functions in-process the way the shell does: the
// text in a result buffer of the shell's size, with what the call writes to
// stdout and stderr captured.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "frame/host_interface.h"

namespace kalendra::test {

struct CallResult {
  int status = 0;
  std::u16string result;  // the buffer after the call
  std::u16string out;     // what the call wrote to standard output
  std::u16string err;     // ... and to standard error
};

CallResult CallWithText(FeatureEntry function, std::u16string_view text);

// Every test starts from the fake platform's defaults and a shell outside
// any batch file.
class PluginTest : public ::testing::Test {
 protected:
  void SetUp() override;
};

}  // namespace kalendra::test
