#include "support/plugin_call.h"

#include <vector>

#include "frame/text.h"
#include "platform/fake/fake_platform.h"
#include "services/testing.h"

namespace kalendra::test {

CallResult CallWithText(FeatureEntry function, std::u16string_view text) {
  std::vector<KChar> buffer(kHostBufferLength, u'\0');
  CopyText(buffer.data(), buffer.size(), text);
  CallResult call;
  const torvane::testing::CapturedOutput output =
      torvane::testing::CaptureOutput([&] { call.status = function(buffer.data()); });
  call.result = buffer.data();
  call.out = output.out;
  call.err = output.err;
  return call;
}

void PluginTest::SetUp() {
  fake::Reset();
  torvane::testing::ResetSession();
}

}  // namespace kalendra::test
