// Feeds arbitrary text to every time function: times of day, arithmetic,
// decimal days, the two clocks, ages and file stamps (over the fake
// platform, where a few names are files), each answering with a result that
// fits or with one message line.
#include "fuzz_support.h"
#include "platform/fake/fake_platform.h"
#include "times/time_functions.h"

namespace {

using Function = int (*)(KChar*);

constexpr Function kFunctions[] = {
    kalendra::IsTimeFunction,        kalendra::TimePartsFunction,   kalendra::TimeFmtFunction,
    kalendra::TimePlusFunction,      kalendra::TimeDiffFunction,    kalendra::TimeToDecFunction,
    kalendra::DecToTimeFunction,     kalendra::LocalDateTimeFunction, kalendra::UtcDateTimeFunction,
    kalendra::AgeDateFunction,       kalendra::MakeAgeFunction,     kalendra::FileStampFunction,
};

// A zone with saving, and files at the edges of the calendar on each kind
// of volume.
bool SetUpPlatform() {
  kalendra::fake::SetZone({60, 60});
  kalendra::fake::SetCurrentBiasMinutes(-600);
  const kalendra::platform::FileStamps stamps{0, 2650467743999999999ULL, 130943178050429999ULL};
  for (const char16_t* name : {u"/f", u"/fat/f", u"/ntfs/f"}) kalendra::fake::SetFileStamps(name, stamps);
  kalendra::fake::SetVolumeFileSystem(u"/fat/f", u"FAT32");
  kalendra::fake::SetVolumeFileSystem(u"/ntfs/f", u"NTFS");
  return true;
}
const bool kPlatformReady = SetUpPlatform();

}  // namespace

// The first byte picks the function, the rest is its text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  fuzz::CallAndCheck(kFunctions[data[0] % std::size(kFunctions)], fuzz::Utf16(data + 1, size - 1));
  return 0;
}
