// Feeds a random "holidays.ini" (8-bit, or UTF-16 with or without a
// byte-order mark) and a random call to the holiday functions and to qcal,
// whose rules call back into the plug-in through the in-process shell. Each
// call answers with a result that fits or with one message line, and a call
// that fails leaves the holiday list as it found it.
#include <stdlib.h>

#include <filesystem>
#include <forward_list>
#include <fstream>
#include <string>
#include <vector>

#include "datefuncs/arithmetic.h"
#include "datefuncs/queries.h"
#include "frame/plugin.h"
#include "fuzz_support.h"
#include "holidays/floating_functions.h"
#include "holidays/holiday_functions.h"
#include "holidays/rule_list.h"
#include "platform/fake/fake_platform.h"
#include "qcal/qcal_command.h"

namespace {

using Function = int (*)(KChar*);

constexpr Function kCalls[] = {kalendra::IsHolidayFunction, kalendra::EasterFunction, kalendra::HolidayFunction,
                               kalendra::InLieuFunction, kalendra::QcalCommand};

// What a rule may call: the holiday family and a few date functions.
FeatureEntry RuleExport(std::u16string_view name) {
  if (name == u"f_easter") return kalendra::EasterFunction;
  if (name == u"f_holiday") return kalendra::HolidayFunction;
  if (name == u"f_isholiday") return kalendra::IsHolidayFunction;
  if (name == u"f_inlieu") return kalendra::InLieuFunction;
  if (name == u"f_dow") return kalendra::DowFunction;
  if (name == u"f_dateplus") return kalendra::DatePlusFunction;
  if (name == u"qcal") return kalendra::QcalCommand;
  return nullptr;
}

// The plug-in's folder, where the rules file is written before each call.
std::filesystem::path SetUpFolder() {
  char pattern[] = "/tmp/kalendra-fuzz-XXXXXX";
  const std::filesystem::path folder = mkdtemp(pattern);
  kalendra::fake::SetModulePath(kalendra::FromUtf8((folder / "libkalendra.so").string()));
  torvane::testing::RegisterPlugin(kalendra::GetPluginInfoRecord, RuleExport);
  torvane::testing::SetConsole(false, 25);  // no colours and no pauses
  return folder;
}
const std::filesystem::path kFolder = SetUpFolder();

// Longer than the longest line the shell's reader takes whole.
constexpr std::size_t kLongFileBytes = 20000;

// The bytes after a UTF-16 mark (encoding 1) or as they are (0 and 2),
// repeated past kLongFileBytes when asked, so that a text without line ends
// makes one overlong line.
void WriteRuleFile(int encoding, bool repeated, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(kFolder / "holidays.ini", std::ios::binary | std::ios::trunc);
  if (encoding == 1) file.write("\xFF\xFE", 2);
  std::size_t written = 0;
  do {
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    written += bytes.size();
  } while (repeated && !bytes.empty() && written < kLongFileBytes);
}

std::forward_list<std::u16string> Rules() {
  const kalendra::HolidayListWalk walk;
  return {walk.begin(), walk.end()};
}

}  // namespace

// Byte 0 picks the call, byte 1 the file's encoding and whether it is
// repeated; bytes 2 and 3 give the length of the call's text (UTF-16LE)
// that follows; the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const Function call = kCalls[data[0] % std::size(kCalls)];
  const int encoding = data[1] % 3;
  const bool repeated = data[1] / 3 % 2 != 0;
  const std::size_t callLength = std::min<std::size_t>(data[2] | (data[3] << 8), size - 4);
  const std::uint8_t* callBytes = data + 4;
  WriteRuleFile(encoding, repeated, {callBytes + callLength, data + size});

  kalendra::FreeHolidayRules();
  kalendra::AddHolidayRule(u"12-25");  // a list the call must not lose by failing
  const std::forward_list<std::u16string> before = Rules();
  const fuzz::Call result = fuzz::CallWith(fuzz::Utf16(callBytes, callLength), call);
  // A rule's own message may stand beside the call's result; a failed call
  // reports one line of its own.
  if (result.status == 0) {
    if (kalendra::TextLength(result.buffer.data()) >= kHostBufferLength) std::abort();
    return 0;
  }
  if (result.status != kalendra::kErrorResult || !result.output.err.ends_with(u"\r\n")) std::abort();
  if (Rules() != before) std::abort();
  return 0;
}
